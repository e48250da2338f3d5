#pragma once

#include <QObject>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace terrovane::link {

// The serial control: a port selected by number ("COM<n>", mapped to a device by the serial-port map),
// opened and closed through PortOpen, read in one piece through Input. A reader thread keeps collecting
// bytes while the user-interface thread is busy, so nothing is lost when the tty's own buffer would
// fill; OnComm is emitted on the object's (user-interface) thread, never for a port closed since.
class CMSComm : public QObject {
    Q_OBJECT

  public:
    static constexpr std::int16_t kEventReceive = 2;

    explicit CMSComm(QObject* parent = nullptr);
    ~CMSComm() override;

    void SetCommPort(std::int16_t port);
    std::int16_t CommPort() const;

    // Opening a port that does not exist or may not be opened leaves the port closed; LastError() then
    // holds the system's reason ("COM3 (/dev/ttyUSB0): Permission denied").
    void SetPortOpen(bool open);
    bool PortOpen() const;
    std::string LastError() const;

    // "baud,parity,data,stop", e.g. "115200,n,8,1"; applied to the line at once when open. False when the
    // text cannot be parsed or the line refuses it.
    [[nodiscard]] bool SetSettings(const std::string& settings);
    std::string Settings() const;

    void SetRThreshold(std::int16_t threshold);
    void SetInputMode(std::int32_t mode);
    void SetInputLen(std::int16_t length);

    // All bytes received so far (or at most InputLen when non-zero); removes them from the buffer.
    std::vector<std::uint8_t> Input();
    // Sends the bytes as they are, in order, nothing added. False when the port is closed or the write fails.
    [[nodiscard]] bool Output(std::string_view bytes);

    std::int16_t CommEvent() const;

    // How many received bytes wait to be read by Input (0 while closed).
    int InBufferCount() const;
    // True while the port is open on a line that has hung up: the instrument was unplugged or switched off
    // (the bytes it sent before stay readable).
    bool HungUp() const;

  signals:
    void OnComm();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace terrovane::link
