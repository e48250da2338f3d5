#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace terrovane::help {

// A window that shows the built-in Markdown guides and follows their links: to a heading of the same
// guide, to another built-in guide, or out to the desktop's browser.
class GuideWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // Shows the guide file (a resource path) with the heading whose anchor is `page` at the top; an
    // unknown page shows the guide's beginning.
    void ShowPage(const QString& file, const QString& page);

    // Whether the heading whose anchor is `page` is whole in view (at the top, unless the guide ends
    // before it could scroll there).
    bool ShowsHeading(const QString& page) const;
    QString CurrentFile() const { return file_; }
    QTextBrowser* Browser() const { return browser_; }

  private:
    void Load(const QString& file);
    void ScrollTo(const QString& page);
    void FollowLink(const QUrl& url);

    QTextBrowser* browser_;
    QString file_;
};

}  // namespace terrovane::help
