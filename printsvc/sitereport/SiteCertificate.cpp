#include "SiteCertificate.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include "ArchivalPdf.h"
#include "MethodText.h"
#include "Problems.h"
#include "ResultWords.h"
#include "ResultsOutput.h"
#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

// A4 portrait with 10 mm margins.
constexpr double kSheetWidth = 190;
constexpr double kSheetHeight = 277;
constexpr double kLabelWidth = 45;

QString CertTr(const char* text) {
    return QCoreApplication::translate("SiteReport", text);
}

QString CertDash(const std::string& text) {
    return text.empty() ? QStringLiteral("–") : Q(text);
}

void SheetRule(PageDrawer& draw, double y, double width) {
    draw.painter().setPen(QPen(Qt::black, 0.2 * draw.DotsPerMm() * width));
    draw.painter().drawLine(QPointF(0, y * draw.DotsPerMm()),
                            QPointF(kSheetWidth * draw.DotsPerMm(), y * draw.DotsPerMm()));
}

double DrawCertificateFirm(PageDrawer& draw, const archive::FirmProfile& firm) {
    double x = 0;
    if (!firm.logo.empty() && DrawPicture(draw, firm.logo, firm.logoType, 0, 0, 45, 18)) {
        x = 48;
    }
    draw.Font(12, true);
    double y = draw.Paragraph(x, 0, kSheetWidth - x, CertDash(firm.name));
    draw.Font(8.5);
    QStringList lines;
    for (const std::string& line : {firm.address, firm.phone, firm.email}) {
        if (!line.empty()) {
            lines << Q(line).replace(QLatin1Char('\n'), QStringLiteral(", "));
        }
    }
    if (!firm.licence.empty()) {
        lines << CertTr(QT_TRANSLATE_NOOP("SiteReport", "Accreditation / licence: %1")).arg(Q(firm.licence));
    }
    y += draw.Paragraph(x, y + 0.5, kSheetWidth - x, lines.join(QStringLiteral(" · "))) + 0.5;
    return std::max(y, x > 0 ? 18.0 : 0.0) + 2;
}

const archive::Visit* CertificateVisit(const ReportFront& front, const std::string& date) {
    for (const archive::Visit& visit : front.visits) {
        if (!date.empty() && visit.date == date) {
            return &visit;
        }
    }
    return nullptr;
}

std::vector<std::pair<QString, QString>> CertificateFields(const SiteReport& report,
                                                           const PointSection& section) {
    const std::optional<archive::Limit>& limit = section.point.limit;
    QString limitText = CertTr(QT_TRANSLATE_NOOP("SiteReport", "none"));
    if (limit) {
        limitText = Q(archive::NumberText(limit->ohms) + " Ω");
        if (!limit->source.empty()) {
            limitText += QStringLiteral(" (") + Q(limit->source) + QStringLiteral(")");
        }
    }
    std::vector<std::pair<QString, QString>> fields = {
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Client")), CertDash(report.front.client)},
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Site")), Q(report.site.fields.name)},
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Address")), CertDash(report.site.fields.address)},
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Test point")),
         Q(section.point.fields.name) + QStringLiteral(" (") +
             texts::PointKindText(section.point.fields.kind) + QStringLiteral(")")},
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Limit")), limitText},
    };
    if (!section.tested) {
        fields.push_back({CertTr(QT_TRANSLATE_NOOP("SiteReport", "Result")),
                          CertTr(QT_TRANSLATE_NOOP("SiteReport", "not tested in the date range"))});
    } else {
        const ReportedResult& newest = section.results.front();
        const archive::Visit* visit = CertificateVisit(report.front, newest.view.date);
        fields.push_back({CertTr(QT_TRANSLATE_NOOP("SiteReport", "Result")), Q(newest.value)});
        fields.push_back({CertTr(QT_TRANSLATE_NOOP("SiteReport", "Measured")),
                          Q(newest.view.date + " " + newest.view.time.substr(0, 5))});
        fields.push_back(
            {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Method")), texts::MethodText(newest.method)});
        fields.push_back({CertTr(QT_TRANSLATE_NOOP("SiteReport", "Conditions")),
                          visit != nullptr ? texts::VisitConditionsText(*visit)
                                           : CertTr(QT_TRANSLATE_NOOP("SiteReport", "not recorded"))});
        fields.push_back(
            {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Verdict")), texts::VerdictText(newest.view.verdict)});
    }
    fields.push_back(
        {CertTr(QT_TRANSLATE_NOOP("SiteReport", "Due again")),
         section.due.empty() ? CertTr(QT_TRANSLATE_NOOP("SiteReport", "no interval set")) : Q(section.due)});
    return fields;
}

void DrawCertificate(PageDrawer& draw, const SiteReport& report, const PointSection& section, int page,
                     int pages) {
    double y = DrawCertificateFirm(draw, report.front.firm);
    SheetRule(draw, y, 0.8);
    y += 8;
    draw.Font(18, true);
    y += draw.Paragraph(0, y, kSheetWidth,
                        CertTr(QT_TRANSLATE_NOOP("SiteReport", "Earth resistance test certificate")));
    draw.Font(11);
    y += 2 + draw.Paragraph(0, y + 2, kSheetWidth, NumberText(report.front));
    y += 8;
    for (const auto& [label, value] : CertificateFields(report, section)) {
        draw.Font(10, true);
        draw.Paragraph(0, y, kLabelWidth - 2, label);
        const bool failed = section.tested &&
                            section.results.front().view.verdict == archive::Verdict::Fail &&
                            label == CertTr(QT_TRANSLATE_NOOP("SiteReport", "Verdict"));
        draw.Font(10, failed);
        draw.painter().setPen(failed ? QColor(0xB7, 0x1C, 0x1C) : QColor(Qt::black));
        y += std::max(kLine + 1, draw.Paragraph(kLabelWidth, y, kSheetWidth - kLabelWidth, value) + 2);
        draw.painter().setPen(Qt::black);
    }
    SheetRule(draw, y + 2, 0.5);
    DrawSignatureBlock(draw, report.front, y + 8, kSheetWidth);
    SheetRule(draw, kSheetHeight - kFooter + 1, 0.5);
    draw.Font(8);
    const double footer = kSheetHeight - kFooter + 2;
    // The site is named on the page itself: the footer keeps to the program and the count.
    draw.Text(0, footer, 90, kLine, QStringLiteral("Terrovane ") + Q(report.version));
    draw.Text(90, footer, 100, kLine,
              CertTr(QT_TRANSLATE_NOOP("SiteReport", "Certificate %1 of %2")).arg(page + 1).arg(pages),
              Qt::AlignRight);
}

}  // namespace

bool RenderCertificatesPdf(const SiteReport& report, const std::string& point, const std::string& path,
                           std::string& error) {
    std::vector<const PointSection*> sections;
    for (const PointSection& section : report.points) {
        if (point.empty() || section.point.fields.name == point) {
            sections.push_back(&section);
        }
    }
    if (sections.empty()) {
        error = point.empty()
                    ? archive::Problem(archive::kNoPoint, {"at site \"" + report.site.fields.name + "\""})
                    : archive::Problem(archive::kNoPointNamed, {point, report.site.fields.name});
        return false;
    }
    ArchivalPdf pdf;
    pdf.title = CertTr(QT_TRANSLATE_NOOP("SiteReport", "Test certificates: ")) + Q(report.site.fields.name);
    pdf.author = ReportAuthor(report.front);
    pdf.subject = NumberText(report.front);
    const auto setup = [](QPdfWriter& writer) {
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    };
    const auto drawing = [&](QPainter& painter, QPdfWriter& writer) {
        const double dotsPerMm = writer.logicalDpiY() / 25.4;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            PageDrawer draw(painter, dotsPerMm);
            DrawCertificate(draw, report, *sections[i], static_cast<int>(i),
                            static_cast<int>(sections.size()));
        }
    };
    return WriteArchivalPdf(pdf, setup, drawing, path, error);
}

}  // namespace terrovane::sitereport
