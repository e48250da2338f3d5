#include "UserGuide.h"

#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>

#include "GuideWindow.h"
#include "LanguageChoice.h"
#include "ScreenFit.h"

namespace terrovane::help {

QString HeadingAnchor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

QString GuideFileFor(const QString& languageCode) {
    const QString translated = QStringLiteral(":/guide/user-guide.%1.md").arg(languageCode);
    return QFile::exists(translated) ? translated : QStringLiteral(":/guide/user-guide.md");
}

void OpenGuideOnHelpKey(QWidget* window, const char* page) {
    QKeySequence key(QKeySequence::HelpContents);
    if (key.isEmpty())
        key = QKeySequence(Qt::Key_F1);  // a key scheme without a help key still has F1
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [page] { OpenUserGuide(page); });
}

GuideWindow* OpenUserGuide(const char* page) {
    static QPointer<GuideWindow> window;
    if (!window) {
        window = new GuideWindow();
        window->setAttribute(Qt::WA_DeleteOnClose);
        screenfit::ResizeOnScreen(window, QSize(820, 680));
    }
    const auto language = translations::InstalledLanguage();
    const QString code =
        QString::fromLatin1(translations::LanguageCode(language.value_or(translations::Language::English)));
    window->ShowPage(GuideFileFor(code), QString::fromLatin1(page));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace terrovane::help
