// Writes the seed corpora of the fuzz programs from the inputs the tests use: the simulated instrument's
// demo image and the faults it can give it, its clock and erase replies, the tests' port maps, hand-off
// files and GBK texts. Usage: fuzz_seeds FOLDER   (normally fuzz/corpus; the files are checked in)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DemoImage.h"
#include "GbkText.h"
#include "HandoffFiles.h"

namespace {

using namespace terrovane;
namespace fs = std::filesystem;

struct Seed {
    std::string name;
    std::string bytes;
};

std::string ImageBytes(const record::ReadOutBuffer& image) {
    return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

// The image with the tail marker of one packet broken, as the simulator's marker fault sends it.
std::string BrokenMarkerImage(std::size_t slot) {
    record::ReadOutBuffer image = sim::DemoImage();
    record::PacketOf(image, slot)[record::RecordPacket::kTailMarkerOffset] = 'X';
    return ImageBytes(image);
}

std::vector<Seed> ReplySeeds() {
    // The first byte picks the pending command: 0 read-out, 1 clock, 2 erase one, 3 erase all.
    const std::string image = ImageBytes(sim::DemoImage());
    return {
        {"readout-accepted", '\0' + image},
        {"readout-empty-slots", '\0' + ImageBytes(record::ReadOutBuffer{})},
        {"readout-marker-57", '\0' + BrokenMarkerImage(57)},
        {"readout-short", '\0' + image.substr(0, image.size() - 1)},
        {"readout-silent", std::string(1, '\0')},
        {"clock-ok", "\1OK\r\n"},
        {"clock-fail", "\1ER\r\n"},
        {"erase-one-ok", "\2OK\r\n"},
        {"erase-one-fail", "\2NO\r\n"},
        {"erase-all-ok", "\3OK\r\n"},
        {"erase-all-short", "\3OK\r"},
    };
}

// A set.inf as the print service saves it.
std::string HeaderFile(const handoff::HeaderTexts& texts) {
    const fs::path path = fs::temp_directory_path() / "fuzz-seed-set.inf";
    handoff::SaveHeaderFileAt(path.string(), texts);
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(path);
    return bytes;
}

std::vector<Seed> HandoffSeeds() {
    const std::string header = HeaderFile({"变电站 A", "SN-0042", "张三"});
    return {
        {"data-demo", ImageBytes(sim::DemoImage())},
        {"data-marker-57", BrokenMarkerImage(57)},
        {"data-short", ImageBytes(sim::DemoImage()).substr(0, 7199)},
        {"set-gbk", header},
        {"set-767", header.substr(0, 767)},
        {"set-long-texts",
         HeaderFile({std::string(40, 'O'), std::string(300, 'S'), "测试测试测试测试测试测试测试"})},
    };
}

std::vector<Seed> PortMapSeeds() {
    return {
        {"both-keys",
         "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n  \\Device\\Silabser0 = COM3  \n\\Device\\Slabser0=COM12\n"
         "\\Device\\Other=COM7A\n[HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\n\\Device\\Slabser0=COM4\n"
         "[Ports]\nCOM3=/dev/pts/7\n"},
        {"comments",
         "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n; \\Device\\Silabser0=COM1\n   # \\Device\\Silabser1=COM2\n"
         "\\Device\\Silabser0=COM3=extra\n"},
        {"ports-only", "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n[Ports]\nCOM3=/dev/null\n"},
        {"readme",
         "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\r\n\\Device\\Silabser0=COM3\r\n["
         "HARDWARE\\DEVICEMAP\\Scsi\\SERIALCOMM\\]\r\n"
         "[Ports]\r\nCOM3=/dev/ttyACM0\r\n"},
        {"scsi-only",
         "[hardware\\devicemap\\scsi\\serialcomm\\]\n\\Device\\Slabser0=COM70000\n[ports]\ncom4=/dev/x\n"},
    };
}

std::vector<Seed> GbkSeeds() {
    // The first byte: bit 0 set for UTF-8 text, clear for GBK bytes; the rest of it is GbkPrefix's cut.
    return {
        {"utf8-station", "\x11" + std::string("变电站 A")},
        {"utf8-cut", "\x09" + std::string("a测试")},
        {"utf8-euro", "\x07" + std::string("€ok")},
        {"gbk-station", "\x10" + platform::Utf8ToGbk("变电站 A")},
        {"gbk-cut-lead", std::string("\x08x\x81", 3)},
    };
}

bool WriteSeeds(const fs::path& folder, const std::vector<Seed>& seeds) {
    fs::create_directories(folder);
    for (const Seed& seed : seeds) {
        std::ofstream out(folder / seed.name, std::ios::binary | std::ios::trunc);
        out.write(seed.bytes.data(), static_cast<std::streamsize>(seed.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", (folder / seed.name).c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const fs::path root = argv[1];
    const bool written =
        WriteSeeds(root / "fuzz_reply", ReplySeeds()) && WriteSeeds(root / "fuzz_handoff", HandoffSeeds()) &&
        WriteSeeds(root / "fuzz_portmap", PortMapSeeds()) && WriteSeeds(root / "fuzz_gbk", GbkSeeds());
    return written ? 0 : 1;
}
