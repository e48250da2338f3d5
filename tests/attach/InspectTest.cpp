// A file to attach is checked against what its name says and read for the archive: its thumbnail, and a
// photo's EXIF date and GPS position, from files made here.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "ExifFacts.h"
#include "Inspect.h"
#include "PhotoFiles.h"

namespace terrovane::attach::testing {
namespace {

QImage Decoded(const std::string& bytes) {
    return QImage::fromData(QByteArray::fromStdString(bytes));
}

TEST(InspectTest, APhotoKeepsItsBytesAndGetsASmallThumbnailAndItsExifFacts) {
    PhotoFacts facts;
    facts.taken = "2024:05:17 09:30:05";
    facts.latitude[0] = 48, facts.latitude[1] = 8, facts.latitude[2] = 132;  // 48 deg 8' 13.2" N
    facts.north = 'N';
    facts.longitude[0] = 11, facts.longitude[1] = 34, facts.longitude[2] = 300;  // 11 deg 34' 30" W
    facts.east = 'W';
    const std::string photo = Photo(1200, 800, facts);
    const auto file = InspectAttachment("Rod pit.JPG", photo);
    ASSERT_TRUE(file) << file.Error().Text();
    EXPECT_EQ(file.Value().kind, archive::AttachmentKind::Jpeg);
    EXPECT_EQ(file.Value().bytes, photo);
    EXPECT_EQ(file.Value().width, 1200);
    EXPECT_EQ(file.Value().height, 800);
    EXPECT_EQ(file.Value().taken, "2024-05-17 09:30:05");
    ASSERT_TRUE(file.Value().position);
    EXPECT_NEAR(file.Value().position->latitude, 48.137, 1e-9);
    EXPECT_NEAR(file.Value().position->longitude, -11.575, 1e-9);
    const QImage thumbnail = Decoded(file.Value().thumbnail);
    EXPECT_EQ(thumbnail.size(), QSize(kThumbnailSide, kThumbnailSide * 2 / 3));

    // South and east, and a photo without GPS: the date alone.
    facts.north = 'S';
    facts.east = 'E';
    auto exif = ReadExif(Photo(64, 64, facts));
    ASSERT_TRUE(exif.position);
    EXPECT_NEAR(exif.position->latitude, -48.137, 1e-9);
    EXPECT_NEAR(exif.position->longitude, 11.575, 1e-9);
    facts.north = 0;
    exif = ReadExif(Photo(64, 64, facts));
    EXPECT_EQ(exif.taken, "2024-05-17 09:30:05");
    EXPECT_FALSE(exif.position);
}

TEST(InspectTest, WhatCannotBeARealPositionOrDateIsLeftOut) {
    PhotoFacts facts;
    facts.taken = "    :  :     :  :  ";  // what a camera without a clock writes
    facts.latitude[0] = 95;               // beyond the pole
    facts.north = 'N';
    facts.east = 'E';
    const ExifFacts exif = ReadExif(Photo(64, 64, facts));
    EXPECT_EQ(exif.taken, "");
    EXPECT_FALSE(exif.position);
    EXPECT_EQ(ReadExif(Photo(64, 64)).taken, "");
    EXPECT_EQ(ReadExif("not a photo at all").taken, "");
}

TEST(InspectTest, AFileThatIsNotWhatItsNameSaysIsRefusedWithItsName) {
    const std::string png = PngImage(300, 200);
    const std::string jpeg = Photo(300, 200);
    const std::vector<std::tuple<std::string, std::string, std::string>> refused = {
        {"notes.jpg", "Earthing test notes\n", "\"notes.jpg\" is named as a JPEG file but is none"},
        {"plan.png", jpeg, "\"plan.png\" is named as a PNG file but is none"},
        {"photo.jpg", png, "\"photo.jpg\" is named as a JPEG file but is none"},
        {"report.pdf", png, "\"report.pdf\" is named as a PDF file but is none"},
        {"empty.jpg", "", "\"empty.jpg\" is named as a JPEG file but is none"},
        {"clip.mp4", jpeg, "\"clip.mp4\" cannot be attached: only JPEG and PNG photos and PDF documents can"},
        {"README", "text", "\"README\" cannot be attached"},
        // The right first bytes, the rest cut off or damaged: it does not decode.
        {"cut.png", png.substr(0, 40), "the image \"cut.png\" cannot be read"},
        {"cut.jpg", jpeg.substr(0, 200), "the image \"cut.jpg\" cannot be read"},
    };
    for (const auto& [name, bytes, message] : refused) {
        const auto file = InspectAttachment(name, bytes);
        ASSERT_FALSE(file) << name;
        EXPECT_EQ(file.Error().code, archive::ErrorCode::Refused) << name;
        EXPECT_NE(file.Error().Text().find(message), std::string::npos) << file.Error().Text();
    }
}

TEST(InspectTest, APngAndAPdfAreTakenAndAFileOnDiskIsReadWhole) {
    const auto png = InspectAttachment("sketch.png", PngImage(100, 300));
    ASSERT_TRUE(png) << png.Error().Text();
    EXPECT_EQ(Decoded(png.Value().thumbnail).size(),
              QSize(100, 300).scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio));
    const auto pdf = InspectAttachment("Report.PDF", PdfDocument());
    ASSERT_TRUE(pdf) << pdf.Error().Text();
    EXPECT_EQ(pdf.Value().kind, archive::AttachmentKind::Pdf);
    EXPECT_TRUE(pdf.Value().thumbnail.empty());
    EXPECT_EQ(pdf.Value().width, 0);

    const auto missing = ReadAttachment("/nonexistent/folder/photo.jpg");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.Error().code, archive::ErrorCode::CannotOpen);
    EXPECT_EQ(FileNameOf("/a/b/c.jpg"), "c.jpg");
    EXPECT_EQ(FileNameOf("c.jpg"), "c.jpg");
}

}  // namespace
}  // namespace terrovane::attach::testing
