#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"
#include "SitePosition.h"

namespace terrovane::archive {

// What an attachment belongs to. A typed result is named by any of its versions' ids; its attachments stay
// with every later correction.
enum class AttachedTo { Site, Point, Result, TypedResult };
struct AttachmentOwner {
    AttachedTo kind = AttachedTo::Site;
    std::int64_t id = 0;
};

// "jpeg", "png", "pdf": the kinds of file the archive keeps.
enum class AttachmentKind { Jpeg, Png, Pdf };
const char* AttachmentKindWord(AttachmentKind kind);
std::optional<AttachmentKind> ParseAttachmentKind(const std::string& word);

// What is known of a file once it was checked: its bytes and what was read from them.
struct AttachmentFile {
    AttachmentKind kind = AttachmentKind::Jpeg;
    std::string bytes;
    std::string thumbnail;  // a small JPEG, empty for a document
    int width = 0;          // pixels of an image, 0 for a document
    int height = 0;
    std::string taken;                 // "YYYY-MM-DD HH:MM:SS" from the photo's EXIF, else empty
    std::optional<Position> position;  // from the photo's EXIF GPS
};

struct NewAttachment {
    AttachmentOwner owner;
    std::string name;  // the file's name as it was given, without its folder
    std::string caption;
    AttachmentFile file;
};

struct AttachmentRow {
    std::int64_t id = 0;
    AttachmentOwner owner;
    std::string name;
    std::string caption;
    std::string addedAt;  // ISO 8601
    AttachmentKind kind = AttachmentKind::Jpeg;
    std::string digest;  // SHA-256, hex
    std::int64_t size = 0;
    int width = 0;
    int height = 0;
    std::string taken;
    std::optional<Position> position;
};

// Attaches the file to its owner in one unit of work. The bytes are kept once by their digest: a file
// already held is only linked, and one already attached to the same owner is not attached again (its
// attachment's id comes back). The id of the attachment.
Result<std::int64_t> Attach(Archive& archive, const NewAttachment& attachment);
// The owner's attachments in the order they were added, without their bytes.
Result<std::vector<AttachmentRow>> Attachments(Archive& archive, const AttachmentOwner& owner);
Result<AttachmentRow> AttachmentById(Archive& archive, std::int64_t id);
// The file's bytes exactly as they were attached.
Result<std::string> AttachmentBytes(Archive& archive, std::int64_t id);
// The owner's thumbnails (empty for a document) by attachment id, in one read, in Attachments' order.
Result<std::vector<std::pair<std::int64_t, std::string>>> AttachmentThumbnails(Archive& archive,
                                                                               const AttachmentOwner& owner);
// A blank caption removes it.
Status SetAttachmentCaption(Archive& archive, std::int64_t id, const std::string& caption);
// Removes the attachment; the file goes too when nothing else holds it.
Status Detach(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
