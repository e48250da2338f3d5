#pragma once

#include <string>

#include "Attachments.h"
#include "Result.h"

namespace terrovane::attach {

// The most a file attached may hold: a camera's largest photo or a scanned report, not a video.
inline constexpr std::size_t kMostAttachmentBytes = 64u << 20;
// The longer side of a thumbnail, in pixels: sharp in a strip on a 2x screen.
inline constexpr int kThumbnailSide = 256;

// Checks what `bytes` are against what `name` claims and reads what the archive keeps of them: a JPEG or
// PNG must decode as that image (its thumbnail made, turned upright as EXIF says, and a JPEG's EXIF date
// and GPS position read), a PDF must start as one. Refused (ErrorCode::Refused, a text of Problems.h) for
// an unknown kind, a file that is not what its name says, an image that does not decode, or one too large.
archive::Result<archive::AttachmentFile> InspectAttachment(const std::string& name, std::string bytes);

// The file at `path` read whole and inspected; its name for the checks is the path's last part.
archive::Result<archive::AttachmentFile> ReadAttachment(const std::string& path);

// The name a path's file goes by: its last part.
std::string FileNameOf(const std::string& path);

}  // namespace terrovane::attach
