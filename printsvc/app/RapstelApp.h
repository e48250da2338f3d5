#pragma once

#include <QtGlobal>

#include <memory>

namespace terrovane::platform {
class InstanceLock;
}

namespace terrovane::printsvc {

class CMainFrame;

// The application object: builds the window, asks for the header, and lets one instance run.
class RapstelApp {
  public:
    RapstelApp();
    ~RapstelApp();

    // True when the event loop should run; false when this instance must end (another one runs).
    bool InitInstance();

  private:
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<platform::InstanceLock> lock_;
};

inline constexpr const char* kInstanceLockName = "PreventSecondInstance";
// Shown translated (context "RapstelApp").
inline constexpr const char* kSecondInstanceMessage = QT_TRANSLATE_NOOP("RapstelApp", "打印任务已启动!");

}  // namespace terrovane::printsvc
