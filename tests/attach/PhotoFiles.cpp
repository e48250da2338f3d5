#include "PhotoFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace terrovane::attach::testing {
namespace {

QImage Picture(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 255 / width + seed * 37) % 256, y * 255 / height, 90));
        }
    }
    QPainter painter(&image);
    painter.fillRect(0, height / 3, width, height / 6, QColor(40, 40, 40));
    return image;
}

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes.toStdString();
}

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

// One IFD entry: tag, type (2 ASCII, 4 LONG, 5 RATIONAL), count, value or offset.
void Entry(std::string& out, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
           std::uint32_t value) {
    Put16(out, tag);
    Put16(out, type);
    Put32(out, count);
    Put32(out, value);
}

// An inline ASCII of one letter and its NUL.
std::uint32_t Letter(char letter) {
    return static_cast<std::uint8_t>(letter);
}

void Rationals(std::string& out, const int (&dms)[3]) {
    Put32(out, static_cast<std::uint32_t>(dms[0]));
    Put32(out, 1);
    Put32(out, static_cast<std::uint32_t>(dms[1]));
    Put32(out, 1);
    Put32(out, static_cast<std::uint32_t>(dms[2]));
    Put32(out, 10);
}

// The TIFF structure of an EXIF block: IFD0 pointing at the EXIF IFD (the original date) and the GPS IFD.
std::string Tiff(const PhotoFacts& facts) {
    const bool gps = facts.north != 0;
    std::string tiff = "II";
    Put16(tiff, 42);
    Put32(tiff, 8);
    const std::uint32_t exifIfd = 8 + 2 + 2 * 12 + 4;          // 38
    const std::uint32_t dateAt = exifIfd + 2 + 12 + 4;         // 56
    const std::uint32_t gpsIfd = dateAt + 20;                  // 76
    const std::uint32_t latitudeAt = gpsIfd + 2 + 4 * 12 + 4;  // 130
    Put16(tiff, 2);
    Entry(tiff, 0x8769, 4, 1, exifIfd);
    Entry(tiff, gps ? 0x8825 : 0x0131, gps ? 4 : 2, gps ? 1 : 1, gps ? gpsIfd : 0);
    Put32(tiff, 0);
    Put16(tiff, 1);
    Entry(tiff, 0x9003, 2, 20, dateAt);
    Put32(tiff, 0);
    std::string date = facts.taken;
    date.resize(20, '\0');
    tiff += date;
    if (gps) {
        Put16(tiff, 4);
        Entry(tiff, 0x0001, 2, 2, Letter(facts.north));
        Entry(tiff, 0x0002, 5, 3, latitudeAt);
        Entry(tiff, 0x0003, 2, 2, Letter(facts.east));
        Entry(tiff, 0x0004, 5, 3, latitudeAt + 24);
        Put32(tiff, 0);
        Rationals(tiff, facts.latitude);
        Rationals(tiff, facts.longitude);
    }
    return tiff;
}

}  // namespace

std::string Photo(int width, int height, const std::optional<PhotoFacts>& facts, int seed) {
    std::string jpeg = Encoded(Picture(width, height, seed), "JPEG");
    if (!facts) {
        return jpeg;
    }
    const std::string payload = std::string("Exif\0\0", 6) + Tiff(*facts);
    const std::size_t length = payload.size() + 2;
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length & 0xFF);
    segment += payload;
    return jpeg.insert(2, segment);
}

std::string PngImage(int width, int height, int seed) {
    return Encoded(Picture(width, height, seed), "PNG");
}

std::string PdfDocument() {
    return "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n2 0 obj << /Type /Pages /Kids [3 0 "
           "R] "
           "/Count 1 >> endobj\n3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >> endobj\n"
           "trailer << /Root 1 0 R >>\n%%EOF\n";
}

}  // namespace terrovane::attach::testing
