// A file dialog looking into the archive's folder opens none of the files there: closing a descriptor on
// the archive would drop the record locks SQLite holds on it for this process.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <string>

#include "FileDialogSetup.h"

namespace terrovane::filedialog {
namespace {

// The files of one folder opened by anyone since the watch began (inotify does not see this process's
// opens any differently from others', and nothing else touches a fresh temporary folder).
class OpenWatch {
  public:
    explicit OpenWatch(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN), 0);
    }
    ~OpenWatch() { ::close(fd_); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    const std::set<std::string>& Opened() {
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0 && (event->mask & IN_ISDIR) == 0) {
                    opened_.insert(event->name);
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opened_;
    }

  private:
    int fd_;
    std::set<std::string> opened_;
};

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        // Names that do not settle the type, so a content match would have to read them.
        WriteFile(folder_.filePath("archive.sqlite"),
                  QByteArray("SQLite format 3\0", 16) + QByteArray(84, 0));
        WriteFile(folder_.filePath("archive.sqlite-wal"),
                  QByteArray::fromHex("377f0682002de218") + QByteArray(24, 0));
        WriteFile(folder_.filePath("archive.sqlite-shm"), QByteArray(136, 0));
        ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
    }

    // Shows the folder in the detail view and asks for every row's name, size, type and icon, as the view
    // does when it paints.
    void Browse(QFileDialog& dialog) {
        dialog.setViewMode(QFileDialog::Detail);
        dialog.setDirectory(folder_.path());
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(folder_.path());
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 4; }, 10000));
        dialog.grab();
        for (int row = 0; row < model->rowCount(root); ++row) {
            for (int column = 0; column < model->columnCount(root); ++column) {
                const QModelIndex index = model->index(row, column, root);
                model->data(index, Qt::DisplayRole);
                model->data(index, Qt::DecorationRole);
            }
        }
        // The type and icon a gatherer thread finds arrive as a change of the rows.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (int row = 0; row < model->rowCount(root); ++row) {
                    if (model->data(model->index(row, 2, root)).toString().isEmpty()) {
                        return false;
                    }
                }
                return true;
            },
            10000));
        dialog.grab();
    }

    QTemporaryDir folder_;
};

TEST_F(FileDialogTest, OurDialogsShowTheArchivesFolderWithoutOpeningItsFiles) {
    OpenWatch watch(folder_.path());
    QFileDialog dialog;
    KeepOutOfFileContents(dialog);
    Browse(dialog);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(watch.Opened(), std::set<std::string>{});
}

// The same browsing with Qt's default icon provider does open them: the check above can see the fault.
TEST_F(FileDialogTest, TheDefaultIconProviderOpensFilesWhoseNamesDoNotSettleTheirType) {
    OpenWatch watch(folder_.path());
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    Browse(dialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch.Opened().count("archive.sqlite-wal") == 1; }, 10000));
}

}  // namespace
}  // namespace terrovane::filedialog
