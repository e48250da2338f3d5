#pragma once

#include <QFontMetrics>
#include <QString>

#include <vector>

namespace terrovane::history {

// A text a column shows and the room in front of it (the first column's indentation of its level).
struct ShownText {
    QString text;
    int indent = 0;
};

// The width that shows each of `texts` whole in the font of `metrics`: the widest with its indent, plus
// `padding` on either side; no more than `widest` (0: no bound), where longer texts are cut with an ellipsis.
int WholeTextWidth(const QFontMetrics& metrics, const std::vector<ShownText>& texts, int padding,
                   int widest = 0);

}  // namespace terrovane::history
