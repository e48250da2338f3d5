// The report's front: the header every page carries and the title page.
#include <QCoreApplication>

#include "ResultsOutput.h"
#include "SiteReportDocument.h"

namespace terrovane::sitereport {
namespace {

QString TitleTr(const char* text) {
    return QCoreApplication::translate("SiteReport", text);
}

QString DashIfEmpty(const std::string& text) {
    return text.empty() ? QStringLiteral("–") : Q(text);
}

QString Position(const archive::SiteFields& site) {
    if (!site.latitude || !site.longitude) {
        return QStringLiteral("–");
    }
    return Q(archive::NumberText(*site.latitude) + ", " + archive::NumberText(*site.longitude));
}

QString Range(const SiteReport& report) {
    if (report.since.empty() && report.until.empty()) {
        return TitleTr(QT_TRANSLATE_NOOP("SiteReport", "all results"));
    }
    return DashIfEmpty(report.since) + TitleTr(QT_TRANSLATE_NOOP("SiteReport", " to ")) +
           DashIfEmpty(report.until);
}

QString VisitDates(const ReportFront& front) {
    if (front.visits.empty()) {
        return TitleTr(QT_TRANSLATE_NOOP("SiteReport", "no visit recorded"));
    }
    QStringList dates;
    for (const archive::Visit& visit : front.visits) {
        dates << Q(visit.date);
    }
    return dates.join(QStringLiteral(", "));
}

// The instrument does not send its serial: it is what the user typed, or said to be missing.
QString InstrumentSerial(const SiteReport& report) {
    return report.instrument.empty()
               ? TitleTr(QT_TRANSLATE_NOOP("SiteReport", "– (not recorded by the instrument's read-out)"))
               : Q(report.instrument);
}

// The firm's own lines beneath its name: address, phone, e-mail and licence, those it has.
QString FirmLines(const archive::FirmProfile& firm) {
    QStringList lines;
    if (!firm.address.empty()) {
        // The address keeps its own lines.
        lines << Q(firm.address).replace(QLatin1Char('\n'), QChar::LineSeparator);
    }
    if (!firm.phone.empty()) {
        lines << TitleTr(QT_TRANSLATE_NOOP("SiteReport", "Phone: %1")).arg(Q(firm.phone));
    }
    if (!firm.email.empty()) {
        lines << TitleTr(QT_TRANSLATE_NOOP("SiteReport", "E-mail: %1")).arg(Q(firm.email));
    }
    if (!firm.licence.empty()) {
        lines << TitleTr(QT_TRANSLATE_NOOP("SiteReport", "Accreditation / licence: %1")).arg(Q(firm.licence));
    }
    return lines.join(QChar::LineSeparator);
}

double DrawFirm(PageDrawer& draw, const archive::FirmProfile& firm) {
    double y = 0;
    if (!firm.logo.empty() && DrawPicture(draw, firm.logo, firm.logoType, 0, 0, 70, 24)) {
        y = 27;
    }
    draw.Font(14, true);
    y += draw.Paragraph(
        0, y, 125,
        firm.name.empty() ? TitleTr(QT_TRANSLATE_NOOP("SiteReport", "(no firm set)")) : Q(firm.name));
    draw.Font(9);
    return y + 1 + draw.Paragraph(0, y + 1, 125, FirmLines(firm));
}

}  // namespace

QString NumberText(const ReportFront& front) {
    if (front.number.empty()) {
        return TitleTr(QT_TRANSLATE_NOOP("SiteReport", "Draft"));
    }
    return TitleTr(QT_TRANSLATE_NOOP("SiteReport", "Report %1, revision %2"))
        .arg(Q(front.number))
        .arg(front.revision);
}

void DrawPageHeader(PageDrawer& draw, const SiteReport& report) {
    const archive::FirmProfile& firm = report.front.firm;
    double x = 0;
    if (!firm.logo.empty() && DrawPicture(draw, firm.logo, firm.logoType, 0, 0, 26, 9.5)) {
        x = 28;
    }
    QString line = Q(firm.name);
    if (!firm.licence.empty()) {
        line += (line.isEmpty() ? QString() : QStringLiteral(" · ")) + Q(firm.licence);
    }
    draw.Font(8.5, true);
    draw.WrappedText(x, 0, 175 - x, 10, line);
    draw.Font(8.5);
    QString number = NumberText(report.front);
    if (!report.front.issueDate.empty() && !report.front.number.empty()) {
        number += QStringLiteral(" · ") + Q(report.front.issueDate);
    }
    draw.Text(177, 0, kPrintableWidth - 177, 10, number, Qt::AlignRight);
    draw.Rule(10.5, 0.7);
}

void DrawTitlePage(PageDrawer& draw, const SiteReport& report) {
    const ReportFront& front = report.front;
    const double firmEnd = DrawFirm(draw, front.firm);
    draw.Font(20, true);
    const double titleEnd =
        draw.Paragraph(140, 0, kPrintableWidth - 140,
                       TitleTr(QT_TRANSLATE_NOOP("SiteReport", "Earth resistance test report")));
    draw.Font(14, true);
    draw.Paragraph(140, titleEnd + 2, kPrintableWidth - 140, NumberText(front));
    const QString notIssued = TitleTr(QT_TRANSLATE_NOOP("SiteReport", "not issued"));
    const std::pair<const char*, QString> fields[] = {
        {QT_TRANSLATE_NOOP("SiteReport", "Client"), DashIfEmpty(front.client)},
        {QT_TRANSLATE_NOOP("SiteReport", "Site"), Q(report.site.fields.name)},
        {QT_TRANSLATE_NOOP("SiteReport", "Address"), DashIfEmpty(report.site.fields.address)},
        {QT_TRANSLATE_NOOP("SiteReport", "Position"), Position(report.site.fields)},
        {QT_TRANSLATE_NOOP("SiteReport", "Report number"),
         front.number.empty() ? notIssued : Q(front.number)},
        {QT_TRANSLATE_NOOP("SiteReport", "Revision"),
         front.number.empty() ? notIssued : QString::number(front.revision)},
        {QT_TRANSLATE_NOOP("SiteReport", "Issue date"),
         front.issueDate.empty() ? notIssued : Q(front.issueDate)},
        {QT_TRANSLATE_NOOP("SiteReport", "Visits"), VisitDates(front)},
        {QT_TRANSLATE_NOOP("SiteReport", "Date range"), Range(report)},
        {QT_TRANSLATE_NOOP("SiteReport", "Prepared by"), DashIfEmpty(front.preparedBy)},
        {QT_TRANSLATE_NOOP("SiteReport", "Checked by"), DashIfEmpty(front.checkedBy)},
        {QT_TRANSLATE_NOOP("SiteReport", "Tester"), DashIfEmpty(report.tester)},
        {QT_TRANSLATE_NOOP("SiteReport", "Instrument serial"), InstrumentSerial(report)},
    };
    double y = std::max(firmEnd, 40.0) + 6;
    draw.Rule(y - 2, 0.7);
    for (const auto& [label, value] : fields) {
        draw.Font(10, true);
        draw.Paragraph(0, y, 48, TitleTr(label));
        draw.Font(10);
        y += std::max(kLine, draw.Paragraph(50, y, kPrintableWidth - 50, value) + 0.8);
    }
}

}  // namespace terrovane::sitereport
