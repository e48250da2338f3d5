#include "PlotFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "AtomicFile.h"

namespace terrovane::plots {
namespace {

QByteArray PngBytes(const PlotPainter& paint) {
    // Twice the window's size, so the image stays sharp in a document.
    QImage image(1600, 1100, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, 800, 550));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray PdfBytes(const PlotPainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setResolution(96);
        writer.setCreator(QStringLiteral("Terrovane"));
        QPainter painter(&writer);
        paint(painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    return bytes;
}

QByteArray SvgBytes(const PlotPainter& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(800, 550));
        generator.setViewBox(QRect(0, 0, 800, 550));
        generator.setTitle(
            QStringLiteral("Terrovane plot"));  // not shown: the file's metadata, the same in every language
        QPainter painter(&generator);
        paint(painter, QRectF(0, 0, 800, 550));
    }
    return bytes;
}

QByteArray PlotBytes(const QString& path, const PlotPainter& paint) {
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return PdfBytes(paint);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return SvgBytes(paint);
    return PngBytes(paint);
}

}  // namespace

bool SavePlot(const QString& path, const PlotPainter& paint, std::string& error) {
    const QByteArray bytes = PlotBytes(path, paint);
    if (bytes.isEmpty()) {
        error = "the plot could not be drawn";
        return false;
    }
    return platform::WriteFileAtomically(path.toStdString(),
                                         std::string_view(bytes.constData(), bytes.size()), error);
}

bool SaveText(const QString& path, const std::string& text, std::string& error) {
    return platform::WriteFileAtomically(path.toStdString(), text, error);
}

}  // namespace terrovane::plots
