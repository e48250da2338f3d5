#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Attachments.h"

namespace terrovane::attach {

// The kind the file's first bytes show (JPEG's start of image, PNG's signature, "%PDF-"); nullopt for any
// other file.
std::optional<archive::AttachmentKind> KindOfBytes(std::string_view bytes);
// The kind the file's name claims by its extension (any case: .jpg .jpeg .png .pdf); nullopt for others.
std::optional<archive::AttachmentKind> KindOfName(const std::string& name);

}  // namespace terrovane::attach
