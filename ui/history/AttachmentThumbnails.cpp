// The attachment strip's thumbnails.
#include "AttachmentThumbnails.h"

#include <QBuffer>
#include <QImageReader>
#include <QStyle>

#include "AttachmentStrip.h"
#include "AttachmentView.h"

namespace terrovane::history {
namespace {

// The thumbnails' side in the strip, in the window's units: the archive keeps them larger, so they stay
// sharp at 2x.
constexpr int kStripIconSide = 80;

QIcon ThumbnailIcon(const std::string& jpeg) {
    QByteArray data = QByteArray::fromRawData(jpeg.data(), static_cast<qsizetype>(jpeg.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QImage image = QImageReader(&buffer, "jpeg").read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

QListWidget* AttachmentThumbnails::Build(QWidget* strip) {
    strip_ = strip;
    list_ = new QListWidget(strip);
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    list_->setIconSize(QSize(kStripIconSide, kStripIconSide));
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setGridSize(QSize(kStripIconSide * 3 / 2, kStripIconSide + list_->fontMetrics().height() + 12));
    list_->setFixedHeight(list_->gridSize().height() +
                          list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    list_->setAccessibleName(AttachmentStrip::tr("Photos and documents"));
    list_->setAcceptDrops(false);  // the strip takes the drop, wherever on it the files land
    return list_;
}

void AttachmentThumbnails::Clear() {
    list_->clear();
    rows_.clear();
}

void AttachmentThumbnails::Choose(std::int64_t id) {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toLongLong() == id) {
            list_->setCurrentRow(row);
        }
    }
}

void AttachmentThumbnails::Fill(const std::vector<archive::AttachmentRow>& rows,
                                const std::vector<std::pair<std::int64_t, std::string>>& thumbnails,
                                const ReportPhotoChoice& inReport) {
    rows_ = rows;
    const QIcon document = strip_->style()->standardIcon(QStyle::SP_FileIcon);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const archive::AttachmentRow& row = rows_[i];
        const QString name = QString::fromStdString(row.name);
        const QString caption = QString::fromStdString(row.caption);
        auto* item = new QListWidgetItem(caption.isEmpty() ? name : caption, list_);
        const bool thumbnail = i < thumbnails.size() && !thumbnails[i].second.empty();
        item->setIcon(thumbnail ? ThumbnailIcon(thumbnails[i].second) : document);
        QStringList tip{name};
        if (!caption.isEmpty()) {
            tip.prepend(caption);
        }
        if (const QString exif = ExifWords(row); !exif.isEmpty()) {
            tip << exif;
        }
        if (inReport.InReport(row.id)) {
            tip << ReportPhotoChoice::tr("In the site report");
        }
        item->setToolTip(tip.join(QLatin1Char('\n')));
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(row.id));
    }
    if (!rows_.empty()) {
        list_->setCurrentRow(0);
    }
}

std::optional<archive::AttachmentRow> AttachmentThumbnails::Chosen() const {
    const int row = list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(row)];
}

}  // namespace terrovane::history
