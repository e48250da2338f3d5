#pragma once

#include "FormRow.h"
#include "PageInk.h"
#include "PageScale.h"
#include "PageShapes.h"
#include "PageTexts.h"
#include "PrintState.h"
#include "StateStack.h"
#include "SubRegions.h"

class QPainter;

namespace terrovane::form {

// One page of a printed form. Positions are laid out for an 8-inch portrait page and shifted right by
// the centring offset on wider paper. Every operation saves the state, draws, and restores it, so fonts
// and pens never leak from one operation into the next. The page owns its state and the parts that
// draw with it: texts, shapes, tables and the primitives under them.
class PrintForm {
  public:
    // (left, top, right, bottom) is the page's drawing rectangle in device units; mapMode 1 draws in
    // device pixels, 8 on a 1000 x 1000 logical page (anything else is taken as 1). orientation is the
    // printer's (1 portrait, 2 landscape) or 0 for other devices.
    PrintForm(QPainter& painter, int left, int top, int right, int bottom, int mapMode = kMapPixels,
              int orientation = kNotAPrinter);
    ~PrintForm();
    PrintForm(const PrintForm&) = delete;
    PrintForm& operator=(const PrintForm&) = delete;

    // Releases the sub-regions and the saved states.
    void Release();

    const PageScale& Scale() const { return scale_; }
    PageInk& Ink() { return ink_; }
    PageTexts& Texts() { return texts_; }
    PageShapes& Shapes() { return shapes_; }
    SubRegions& Regions() { return regions_; }

    int CentringOffset() const { return state_.centringOffset; }
    const PrintState& State() const { return state_; }
    PrintState& MutableState() { return state_; }
    int SavedDepth() const { return stack_.Top() + 1; }
    bool SaveState() { return stack_.Push(state_); }
    bool RestoreState() { return stack_.Pop(state_); }
    // Whether a position (device units) lies beyond the right or bottom limit, where nothing is printed.
    bool Beyond(int column, int row) const { return column > state_.rightLimit || row > state_.bottomLimit; }

    // Draws a table; afterwards row.bottom holds its bottom edge (inches when row.inInches).
    void DrawTable(FormRow& row);

  private:
    PrintState state_;
    StateStack stack_;
    PageScale scale_;
    PageInk ink_;
    PageTexts texts_;
    PageShapes shapes_;
    SubRegions regions_;
};

}  // namespace terrovane::form
