#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace terrovane::platform::testing {

// A fake sysfs: class/tty/<name>/device links into a USB device tree whose device folder holds idVendor.
class FakeSysfs {
  public:
    FakeSysfs() {
        char pattern[] = "/tmp/sysfs-XXXXXX";
        root_ = ::mkdtemp(pattern);
        std::filesystem::create_directories(root_ / "class" / "tty");
    }
    ~FakeSysfs() { std::filesystem::remove_all(root_); }

    void AddUsbTty(const std::string& name, const std::string& vendor, int bus) {
        AddUsbTty(name, vendor, bus, {});
    }
    // A bridge with its product id, serial number (none when empty) and place on the bus ("1-1.4").
    struct UsbDetails {
        std::string product;
        std::string serial;
        std::string usbPath;
    };
    void AddUsbTty(const std::string& name, const std::string& vendor, int bus, const UsbDetails& details) {
        const std::string usbPath = details.usbPath.empty() ? "1-1" : details.usbPath;
        const std::filesystem::path usbDevice =
            root_ / "devices" / "pci0000:00" / ("usb" + std::to_string(bus)) / usbPath;
        const std::filesystem::path ttyDevice = usbDevice / (usbPath + ":1.0") / name;
        std::filesystem::create_directories(ttyDevice);
        std::ofstream(usbDevice / "idVendor") << vendor << "\n";
        if (!details.product.empty())
            std::ofstream(usbDevice / "idProduct") << details.product << "\n";
        if (!details.serial.empty())
            std::ofstream(usbDevice / "serial") << details.serial << "\n";
        std::filesystem::create_directories(root_ / "class" / "tty" / name);
        std::filesystem::create_directory_symlink(ttyDevice, root_ / "class" / "tty" / name / "device");
    }
    void AddVirtualTty(const std::string& name) {
        std::filesystem::create_directories(root_ / "class" / "tty" / name);
    }
    void Remove(const std::string& name) { std::filesystem::remove_all(root_ / "class" / "tty" / name); }

    std::string Root() const { return root_.string(); }

  private:
    std::filesystem::path root_;
};

}  // namespace terrovane::platform::testing
