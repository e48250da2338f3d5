#include "FileKind.h"

#include <algorithm>
#include <cctype>

namespace terrovane::attach {

std::optional<archive::AttachmentKind> KindOfBytes(std::string_view bytes) {
    if (bytes.substr(0, 3) == std::string_view("\xFF\xD8\xFF", 3)) {
        return archive::AttachmentKind::Jpeg;
    }
    if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1A\n", 8)) {
        return archive::AttachmentKind::Png;
    }
    if (bytes.substr(0, 5) == "%PDF-") {
        return archive::AttachmentKind::Pdf;
    }
    return std::nullopt;
}

std::optional<archive::AttachmentKind> KindOfName(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return std::nullopt;
    }
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "jpg" || extension == "jpeg") {
        return archive::AttachmentKind::Jpeg;
    }
    if (extension == "png" || extension == "pdf") {
        return extension == "png" ? archive::AttachmentKind::Png : archive::AttachmentKind::Pdf;
    }
    return std::nullopt;
}

}  // namespace terrovane::attach
