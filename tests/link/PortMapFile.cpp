#include "PortMapFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace terrovane::testing {

PortMapFile::PortMapFile() {
    ::setenv("TERROVANE_PORTMAP", Path().c_str(), 1);
}

PortMapFile::~PortMapFile() {
    ::unsetenv("TERROVANE_PORTMAP");
}

std::string PortMapFile::Path() const {
    return dir_.filePath("portmap.ini").toStdString();
}

void PortMapFile::Write(const std::string& text) const {
    // Written aside and renamed, so a reader never sees half a file.
    const std::string aside = Path() + ".new";
    std::ofstream(aside, std::ios::binary | std::ios::trunc) << text;
    std::rename(aside.c_str(), Path().c_str());
}

void PortMapFile::Publish(int port, const std::string& device) const {
    const std::string name = "COM" + std::to_string(port);
    Write("[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n\\Device\\Slabser0=" + name + "\n[Ports]\n" + name + "=" +
          device + "\n");
}

void PortMapFile::Remove() const {
    std::remove(Path().c_str());
}

}  // namespace terrovane::testing
