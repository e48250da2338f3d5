#pragma once

#include <QTemporaryDir>

#include <string>

namespace terrovane::testing {

// A serial-port map file of the test's own, put in force through TERROVANE_PORTMAP while it lives.
class PortMapFile {
  public:
    PortMapFile();
    ~PortMapFile();

    // Writes the file: `text` is its whole content.
    void Write(const std::string& text) const;
    // The bridge's usual entry: "\Device\Slabser0" = COM<port>, and COM<port> opening `device`.
    void Publish(int port, const std::string& device) const;
    void Remove() const;
    std::string Path() const;

  private:
    QTemporaryDir dir_;
};

}  // namespace terrovane::testing
