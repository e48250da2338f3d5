#include "FileDialogSetup.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>

namespace terrovane::filedialog {
namespace {

// The default provider asks the MIME database with content matching, which opens every file whose name
// does not settle its type (archive.sqlite-wal, archive.sqlite-shm) and reads its first bytes.
class NameOnlyIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) {
            return icon(Folder);
        }
        const QMimeType mime = TypeByName(info);
        QIcon themed = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName()));
        return themed.isNull() ? icon(File) : themed;
    }

    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QFileIconProvider::type(info) : TypeByName(info).comment();
    }

  private:
    static QMimeType TypeByName(const QFileInfo& info) {
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
};

}  // namespace

void KeepOutOfFileContents(QFileDialog& dialog) {
    // Shared by every dialog and never destroyed: the dialog's model may still ask it from its gatherer
    // thread while the dialog goes away.
    static auto* const provider = new NameOnlyIconProvider;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons, true);
    dialog.setIconProvider(provider);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filters) {
    QFileDialog dialog(parent, title, {}, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    KeepOutOfFileContents(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return WithChosenExtension(dialog.selectedFiles().first(), filters, dialog.selectedNameFilter());
}

QString WithChosenExtension(const QString& path, const QString& filters, const QString& chosenFilter) {
    static const QRegularExpression kExtension(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (auto it = kExtension.globalMatch(filters); it.hasNext();) {
        if (it.next().captured(1).toLower() == suffix)
            return path;
    }
    const QRegularExpressionMatch chosen = kExtension.match(chosenFilter);
    return chosen.hasMatch() ? path + QLatin1Char('.') + chosen.captured(1) : path;
}

}  // namespace terrovane::filedialog
