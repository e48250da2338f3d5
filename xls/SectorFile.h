#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace terrovane::xls {

// The disk file behind a container. The container keeps the whole file image in memory and hands it over
// after every operation, so the file on disk is complete after each one while the image is written in a
// single pass (sector-by-sector writes with a reopen each time are far too slow for large workbooks).
class SectorFile {
  public:
    static constexpr std::size_t kSectorSize = 512;

    SectorFile() = default;
    ~SectorFile() { Close(); }
    SectorFile(const SectorFile&) = delete;
    SectorFile& operator=(const SectorFile&) = delete;

    // Creates or truncates the file at a UTF-8 path and keeps it open for raw reading and writing.
    bool Create(const std::string& utf8Path);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

    // Writes bytes [from, image.size()) of the image at the same offsets and cuts the file to the image's
    // size. Returns false when the disk refused any part.
    bool Commit(std::span<const std::uint8_t> image, std::size_t from = 0);

  private:
    int fd_ = -1;
};

}  // namespace terrovane::xls
