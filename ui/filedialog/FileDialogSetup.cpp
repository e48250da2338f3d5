#include "FileDialogSetup.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

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

}  // namespace terrovane::filedialog
