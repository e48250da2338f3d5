// EXIF through libexif: the original date and the GPS position of a photo.
#include "ExifFacts.h"

#include <libexif/exif-data.h>

#include <cmath>
#include <memory>

namespace terrovane::attach {
namespace {

struct ExifDataFree {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

// "YYYY:MM:DD HH:MM:SS" as EXIF writes it, turned into the archive's "YYYY-MM-DD HH:MM:SS"; empty when
// the camera left it blank ("    :  :     :  :  ") or wrote something else.
std::string TakenOf(ExifData* data) {
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_DATE_TIME_ORIGINAL);
    if (entry == nullptr) {
        entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_DATE_TIME);
    }
    if (entry == nullptr || entry->format != EXIF_FORMAT_ASCII || entry->size < 19) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(entry->data), 19);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
        if (!separator && (text[i] < '0' || text[i] > '9')) {
            return {};
        }
    }
    if (text[4] != ':' || text[7] != ':' || text[10] != ' ' || text[13] != ':' || text[16] != ':') {
        return {};
    }
    text[4] = text[7] = '-';
    return text;
}

// Degrees, minutes and seconds as three rationals; nullopt when any is missing or divides by zero.
std::optional<double> DegreesOf(ExifData* data, ExifTag tag) {
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_GPS], tag);
    if (entry == nullptr || entry->format != EXIF_FORMAT_RATIONAL || entry->components != 3 ||
        entry->size < 24) {
        return std::nullopt;
    }
    const ExifByteOrder order = exif_data_get_byte_order(data);
    double degrees = 0;
    double scale = 1;
    for (int i = 0; i < 3; ++i) {
        const ExifRational part = exif_get_rational(entry->data + 8 * i, order);
        if (part.denominator == 0) {
            return std::nullopt;
        }
        degrees += static_cast<double>(part.numerator) / part.denominator / scale;
        scale *= 60;
    }
    return degrees;
}

// 'N', 'S', 'E' or 'W'; 0 when missing.
char ReferenceOf(ExifData* data, ExifTag tag) {
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_GPS], tag);
    return entry != nullptr && entry->format == EXIF_FORMAT_ASCII && entry->size >= 1
               ? static_cast<char>(entry->data[0])
               : '\0';
}

std::optional<archive::Position> PositionOf(ExifData* data) {
    const std::optional<double> latitude = DegreesOf(data, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE));
    const std::optional<double> longitude = DegreesOf(data, static_cast<ExifTag>(EXIF_TAG_GPS_LONGITUDE));
    const char north = ReferenceOf(data, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE_REF));
    const char east = ReferenceOf(data, static_cast<ExifTag>(EXIF_TAG_GPS_LONGITUDE_REF));
    if (!latitude || !longitude || (north != 'N' && north != 'S') || (east != 'E' && east != 'W')) {
        return std::nullopt;
    }
    // Seven decimals are a centimetre: more is the rationals' noise, and a round figure reads back as typed.
    const auto rounded = [](double degrees) { return std::round(degrees * 1e7) / 1e7; };
    const archive::Position position{rounded(north == 'S' ? -*latitude : *latitude),
                                     rounded(east == 'W' ? -*longitude : *longitude)};
    if (!std::isfinite(position.latitude) || !std::isfinite(position.longitude) ||
        std::abs(position.latitude) > 90 || std::abs(position.longitude) > 180) {
        return std::nullopt;
    }
    return position;
}

}  // namespace

ExifFacts ReadExif(std::string_view jpeg) {
    const std::unique_ptr<ExifData, ExifDataFree> data(exif_data_new_from_data(
        reinterpret_cast<const unsigned char*>(jpeg.data()), static_cast<unsigned int>(jpeg.size())));
    if (!data) {
        return {};
    }
    return {TakenOf(data.get()), PositionOf(data.get())};
}

}  // namespace terrovane::attach
