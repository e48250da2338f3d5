// The print service's windows, for the screenshot tools and the screen-fit walk.
#include "PrintServiceSamples.h"

#include "CInfoSetDlg.h"
#include "CMainFrame.h"
#include "CMainView.h"

namespace terrovane::printsvc::samples {

screenfit::WindowSamples Windows() {
    return {
        {QStringLiteral("rapstel-main"),
         [] {
             auto frame = std::make_shared<CMainFrame>();
             frame->View()->SizeFrameToForm();
             return frame;
         }},
        {QStringLiteral("rapstel-header-dialog"), [] { return std::make_shared<CInfoSetDlg>(); }},
    };
}

}  // namespace terrovane::printsvc::samples
