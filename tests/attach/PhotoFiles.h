#pragma once

#include <optional>
#include <string>

namespace terrovane::attach::testing {

// Where and when a test photo says it was taken, written into its EXIF block.
struct PhotoFacts {
    std::string taken;  // "YYYY:MM:DD HH:MM:SS" as a camera writes it; empty for none
    // Degrees, minutes and tenths of seconds with their reference letters; none when the letters are 0.
    int latitude[3] = {0, 0, 0};
    char north = 0;
    int longitude[3] = {0, 0, 0};
    char east = 0;
};

// A JPEG of `width` x `height` (a gradient with a bar across, so the thumbnail is not blank); with facts,
// an EXIF block written here byte by byte (little-endian TIFF) sits right after the start of image.
std::string Photo(int width, int height, const std::optional<PhotoFacts>& facts = std::nullopt, int seed = 0);
// A PNG of that size.
std::string PngImage(int width, int height, int seed = 0);
// A one-page PDF as a text editor could write it.
std::string PdfDocument();

}  // namespace terrovane::attach::testing
