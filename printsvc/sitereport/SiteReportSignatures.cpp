// The last page: the verdicts once more, and who signs the report with a place for each signature.
#include <QCoreApplication>

#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

constexpr double kSignatureWidth = 88;
constexpr double kSignatureImage = 22;

QString SignTr(const char* text) {
    return QCoreApplication::translate("SiteReport", text);
}

QString RoleText(const std::string& role) {
    if (role == "tested") {
        return SignTr(QT_TRANSLATE_NOOP("SiteReport", "Tested by"));
    }
    if (role == "checked") {
        return SignTr(QT_TRANSLATE_NOOP("SiteReport", "Checked by"));
    }
    return Q(role);
}

// Those given; else who prepared and who checked the report, to sign by hand.
std::vector<Signatory> SignatoriesOf(const ReportFront& front) {
    if (!front.signatures.empty()) {
        return front.signatures;
    }
    return {{"tested", front.preparedBy, front.issueDate, {}, {}},
            {"checked", front.checkedBy, front.issueDate, {}, {}}};
}

double DrawSignatory(PageDrawer& draw, const Signatory& signatory, double x, double y) {
    const double w = kSignatureWidth - 6;
    draw.Font(9, true);
    double bottom = y + draw.Paragraph(x, y, w, RoleText(signatory.role));
    draw.Font(10);
    bottom += 1 + draw.Paragraph(x, bottom + 1, w,
                                 signatory.name.empty()
                                     ? SignTr(QT_TRANSLATE_NOOP("SiteReport", "Name: ____________"))
                                     : Q(signatory.name));
    const double imageTop = bottom + 2;
    if (signatory.image.empty() ||
        !DrawPicture(draw, signatory.image, signatory.imageType, x, imageTop, w, kSignatureImage)) {
        // A line to sign on.
        draw.painter().setPen(QPen(Qt::black, 0.2 * draw.DotsPerMm()));
        draw.painter().drawLine(
            QPointF(x * draw.DotsPerMm(), (imageTop + kSignatureImage) * draw.DotsPerMm()),
            QPointF((x + w) * draw.DotsPerMm(), (imageTop + kSignatureImage) * draw.DotsPerMm()));
    }
    draw.Font(8);
    draw.Text(x, imageTop + kSignatureImage + 0.5, w, kLine,
              SignTr(QT_TRANSLATE_NOOP("SiteReport", "Signature, date: %1"))
                  .arg(signatory.date.empty() ? QStringLiteral("__________") : Q(signatory.date)));
    return imageTop + kSignatureImage + kLine + 1;
}

}  // namespace

double DrawSignatureBlock(PageDrawer& draw, const ReportFront& front, double y, double width) {
    const std::vector<Signatory> signatories = SignatoriesOf(front);
    const auto perRow = std::max<std::size_t>(1, static_cast<std::size_t>(width / kSignatureWidth));
    double rowEnd = y;
    for (std::size_t i = 0; i < signatories.size(); ++i) {
        if (i % perRow == 0) {
            y = rowEnd + (i == 0 ? 0 : 4);
        }
        const double x = static_cast<double>(i % perRow) * kSignatureWidth;
        rowEnd = std::max(rowEnd, DrawSignatory(draw, signatories[i], x, y));
    }
    return rowEnd;
}

void DrawSignaturePage(PageDrawer& draw, const SiteReport& report) {
    draw.Font(13, true);
    draw.Text(0, 0, kPrintableWidth, 8, SignTr(QT_TRANSLATE_NOOP("SiteReport", "Result and signatures")));
    draw.Font(10);
    double y = 10;
    y += draw.Paragraph(
        0, y, kPrintableWidth,
        SignTr(QT_TRANSLATE_NOOP("SiteReport", "Verdicts: %1")).arg(SummaryText(Summarise(report))));
    draw.Font(9);
    y += 2 + draw.Paragraph(0, y + 2, kPrintableWidth,
                            SignTr(QT_TRANSLATE_NOOP("SiteReport",
                                                     "Each point was judged by its newest result that "
                                                     "measured, against the limit shown with it.")));
    DrawSignatureBlock(draw, report.front, y + 8, kPrintableWidth);
}

}  // namespace terrovane::sitereport
