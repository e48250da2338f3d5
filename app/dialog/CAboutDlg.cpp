#include "CAboutDlg.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "DialogLayout.h"
#include "ProgramIcon.h"
#include "Strings.h"

namespace terrovane::app {

namespace {

QLabel* AddText(QWidget* parent, const char* text, const QRect& rect) {
    auto* label = new QLabel(QCoreApplication::translate("About", text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("About", res::kAboutCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(units::DialogFont());
    CreateControls();
}

void CAboutDlg::CreateControls() {
    const units::DialogUnits du(font());
    setFixedSize(AboutDialogSize(du));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("128"));
    icon->setPixmap(res::DrawProgramIcon(32));
    icon->setGeometry(du.X(11), du.Y(10), 32, 32);
    AddText(this, res::kAboutVersion, du.Rect(45, 15, 150, 10));

    auto* frame = new QGroupBox(this);
    frame->setGeometry(du.Rect(10, 35, 248, 118));
    std::vector<QLabel*> lines{AddText(frame, res::kAboutHeading, du.Rect(8, 8, 230, 10))};
    int y = 22;
    for (const char* line : res::kAboutLines) {
        lines.push_back(AddText(frame, line, du.Rect(14, y, 230, 10)));
        y += 13;
    }

    auto* close = new QPushButton(QCoreApplication::translate("About", res::kAboutClose), this);
    close->setObjectName(QStringLiteral("1"));
    close->setDefault(true);
    close->setGeometry(du.Rect(109, 161, 50, 14));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    WidenForLongerLines(lines, frame, close);
}

// A translation whose lines are longer than the original's widens the box rather than being cut; the
// original's texts fit and keep its size.
void CAboutDlg::WidenForLongerLines(const std::vector<QLabel*>& lines, QWidget* frame, QWidget* close) {
    int extra = 0;
    for (const QLabel* line : lines)
        extra = std::max(extra, line->sizeHint().width() - line->width());
    if (extra <= 0)
        return;
    for (QLabel* line : lines)
        line->resize(line->width() + extra, line->height());
    frame->resize(frame->width() + extra, frame->height());
    close->move(close->x() + extra / 2, close->y());
    setFixedSize(width() + extra, height());
}

}  // namespace terrovane::app
