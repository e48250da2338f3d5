#include "FastReadOutItem.h"

#include <QAction>

#include "CMenuEx.h"
#include "CommandIds.h"
#include "Settings.h"

namespace terrovane::app {

FastReadOutItem::FastReadOutItem(menu::CMenuEx& menu, link::InstrumentSession& session)
    : menu_(menu), session_(session) {
    Apply(platform::Settings().FastReadOut());
}

void FastReadOutItem::Apply(bool fast) {
    session_.SetFastReadOut(fast);
    if (QAction* item = menu_.Action(res::kCmdFastReadOut)) {
        item->setChecked(fast);
    }
}

// The item's own check mark has already changed when its command comes; the toolbar has no such button.
void FastReadOutItem::Toggle() {
    QAction* item = menu_.Action(res::kCmdFastReadOut);
    const bool fast = item != nullptr ? item->isChecked() : !session_.FastReadOut();
    platform::Settings().SetFastReadOut(fast);
    Apply(fast);
}

}  // namespace terrovane::app
