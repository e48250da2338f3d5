#include "ReadOutParts.h"

#include "ArchiveHook.h"
#include "DialogUnits.h"
#include "RecordList.h"

namespace terrovane::app {

// A read-out is kept by the accept step before anything is shown (DialogLinkView::ImageAccepted), so the
// end of a command needs nothing more here. The display's controls are children of the client area at
// their dialog-unit places, so the chart covers frame 1107 exactly.
ReadOutParts::ReadOutParts(QDialog& dialog, const MainControls& controls, ui::ProgressSlot& progress,
                           record::ReadOutState& state, link::InstrumentSession& session) {
    archiveHook_ = std::make_unique<ArchiveHook>(state);
    RecordListView* list = controls.recordList;
    panel::PanelBindings bindings{state, [list] { return FirstSelectedRow(list); }};
    panel_ = std::make_unique<panel::DisplayPanel>(controls.client, std::move(bindings), QPoint(0, 0),
                                                   units::DialogUnits(dialog.font()));
    view_ = std::make_unique<DialogLinkView>(dialog, *panel_, *list, progress, state, *archiveHook_);
    commands_ = std::make_unique<link::CommandHost>(session, *view_, state);
}

ReadOutParts::~ReadOutParts() = default;

}  // namespace terrovane::app
