#include "GuideWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "UserGuide.h"

namespace terrovane::help {

namespace {

bool IsHeading(const QTextBlock& block) {
    return block.blockFormat().headingLevel() > 0;
}

QTextBlock HeadingBlock(const QTextDocument& document, const QString& page) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (IsHeading(block) && HeadingAnchor(block.text()) == page)
            return block;
    }
    return {};
}

}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("User guide"));
    browser_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, &GuideWindow::FollowLink);
}

void GuideWindow::Load(const QString& file) {
    if (file == file_)
        return;
    QFile guide(file);
    if (!guide.open(QIODevice::ReadOnly))
        return;  // the guides are built in: a missing one is a build fault, and the window stays as it was
    browser_->setMarkdown(QString::fromUtf8(guide.readAll()));
    file_ = file;
}

void GuideWindow::ShowPage(const QString& file, const QString& page) {
    Load(file);
    ScrollTo(page);
    // A window just shown is laid out anew at its final width, which moves every heading: scroll again
    // once that has happened.
    QTimer::singleShot(0, this, [this, page] { ScrollTo(page); });
}

void GuideWindow::ScrollTo(const QString& page) {
    const QTextBlock heading = HeadingBlock(*browser_->document(), page);
    if (!heading.isValid()) {
        browser_->verticalScrollBar()->setValue(0);
        return;
    }
    // From the end back up to the heading, so the view stops with the heading at its top.
    QTextCursor cursor(browser_->document());
    cursor.movePosition(QTextCursor::End);
    browser_->setTextCursor(cursor);
    browser_->ensureCursorVisible();
    browser_->setTextCursor(QTextCursor(heading));
    browser_->ensureCursorVisible();
}

bool GuideWindow::ShowsHeading(const QString& page) const {
    const QTextBlock heading = HeadingBlock(*browser_->document(), page);
    if (!heading.isValid())
        return false;
    const QRectF area = browser_->document()->documentLayout()->blockBoundingRect(heading);
    const int top = browser_->verticalScrollBar()->value();
    const int height = browser_->viewport()->height();
    return area.top() >= top - 1 && area.bottom() <= top + height + 1;
}

void GuideWindow::FollowLink(const QUrl& url) {
    if (!url.scheme().isEmpty() && url.scheme() != QLatin1String("file") &&
        url.scheme() != QLatin1String("qrc")) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QString name = url.fileName();
    if (name.isEmpty()) {
        ScrollTo(url.fragment());
        return;
    }
    const QString builtIn = QStringLiteral(":/guide/") + name;
    if (QFile::exists(builtIn))
        ShowPage(builtIn, url.fragment());
}

}  // namespace terrovane::help
