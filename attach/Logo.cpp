// A firm's logo, checked by its first bytes and then decoded, before the archive keeps it.
#include "Logo.h"

#include <QByteArray>
#include <QImage>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Firm.h"
#include "FirmProblems.h"
#include "Problems.h"

namespace terrovane::attach {
namespace {

// Well formed, no document type that could pull anything in, and the outermost element <svg>.
bool IsSvgDrawing(const std::string& bytes) {
    QXmlStreamReader reader(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    bool rootSeen = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD && !reader.entityDeclarations().isEmpty()) {
            return false;
        }
        if (token == QXmlStreamReader::StartElement && !rootSeen) {
            if (reader.name() != QLatin1String("svg")) {
                return false;
            }
            rootSeen = true;
        }
    }
    return rootSeen && !reader.hasError();
}

}  // namespace

archive::Status CheckLogo(const std::string& bytes) {
    if (bytes.size() > archive::kMostLogoBytes) {
        return archive::Refused(archive::kLogoTooLarge, {std::to_string(archive::kMostLogoBytes / 1024)});
    }
    const std::string type = archive::LogoTypeOf(bytes);
    const bool decodes =
        type == "png"
            ? !QImage::fromData(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                "PNG")
                   .isNull()
        : type == "svg" ? IsSvgDrawing(bytes)
                        : false;
    if (!decodes) {
        return archive::Refused(archive::kLogoNotPngOrSvg);
    }
    return archive::Done{};
}

archive::Status ReadLogo(const std::string& path, archive::FirmProfile& firm) {
    archive::Failure unreadable;
    unreadable.code = archive::ErrorCode::CannotOpen;
    unreadable.arguments = {path};
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || !in) {
        unreadable.sqliteMessage = path + ": " + (error ? error.message() : std::strerror(errno));
        return unreadable;
    }
    if (size > archive::kMostLogoBytes) {
        return archive::Refused(archive::kLogoTooLarge, {std::to_string(archive::kMostLogoBytes / 1024)});
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in) {
        unreadable.sqliteMessage = path + ": cannot be read whole";
        return unreadable;
    }
    if (archive::Status checked = CheckLogo(bytes); !checked) {
        return checked;
    }
    firm.logoType = archive::LogoTypeOf(bytes);
    firm.logo = std::move(bytes);
    return archive::Done{};
}

}  // namespace terrovane::attach
