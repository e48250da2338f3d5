// A file to attach checked against its name and read for the archive.
#include "Inspect.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ExifFacts.h"
#include "FileKind.h"
#include "Problems.h"

namespace terrovane::attach {
namespace {

const char* KindName(archive::AttachmentKind kind) {
    return kind == archive::AttachmentKind::Jpeg  ? "JPEG"
           : kind == archive::AttachmentKind::Png ? "PNG"
                                                  : "PDF";
}

std::string Thumbnail(const QImage& image) {
    const QImage small =
        image.width() > kThumbnailSide || image.height() > kThumbnailSide
            ? image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image;
    // A PNG's transparency on white, as a JPEG cannot keep it.
    QImage flat(small.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, small);
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!flat.save(&out, "JPEG", 85)) {
        return {};
    }
    return bytes.toStdString();
}

// Decodes the whole image (a file whose header is right but whose data is cut short or damaged fails
// here) and makes its thumbnail.
archive::Result<archive::AttachmentFile> DecodeImage(const std::string& name, archive::AttachmentFile file) {
    QByteArray data = QByteArray::fromRawData(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, file.kind == archive::AttachmentKind::Jpeg ? "jpeg" : "png");
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        return archive::Refused(archive::kImageUnreadable, {name, reader.errorString().toStdString()});
    }
    file.width = image.width();
    file.height = image.height();
    file.thumbnail = Thumbnail(image);
    if (file.kind == archive::AttachmentKind::Jpeg) {
        ExifFacts facts = ReadExif(file.bytes);
        file.taken = std::move(facts.taken);
        file.position = facts.position;
    }
    return file;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

archive::Result<archive::AttachmentFile> InspectAttachment(const std::string& name, std::string bytes) {
    const std::optional<archive::AttachmentKind> claimed = KindOfName(name);
    if (!claimed) {
        return archive::Refused(archive::kNotAttachable, {name});
    }
    if (bytes.size() > kMostAttachmentBytes) {
        return archive::Refused(archive::kAttachmentTooLarge,
                                {name, std::to_string(kMostAttachmentBytes >> 20)});
    }
    if (KindOfBytes(bytes) != claimed) {
        return archive::Refused(archive::kNotWhatItsNameSays, {name, KindName(*claimed)});
    }
    archive::AttachmentFile file;
    file.kind = *claimed;
    file.bytes = std::move(bytes);
    if (file.kind == archive::AttachmentKind::Pdf) {
        return file;
    }
    return DecodeImage(name, std::move(file));
}

archive::Result<archive::AttachmentFile> ReadAttachment(const std::string& path) {
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
    // The size is known before reading, so a huge file is refused without filling the memory.
    if (size > kMostAttachmentBytes) {
        const std::string name = FileNameOf(path);
        return archive::Refused(KindOfName(name) ? archive::kAttachmentTooLarge : archive::kNotAttachable,
                                {name, std::to_string(kMostAttachmentBytes >> 20)});
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in) {
        unreadable.sqliteMessage = path + ": cannot be read whole";
        return unreadable;
    }
    return InspectAttachment(FileNameOf(path), std::move(bytes));
}

}  // namespace terrovane::attach
