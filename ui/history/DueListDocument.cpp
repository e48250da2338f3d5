#include "DueListDocument.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "ResultWords.h"
#include "ResultsFiles.h"

namespace terrovane::history {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("DueList", text);
}

QString Cell(const QString& text, bool header = false) {
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    return QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
}

QString Row(const archive::DueEntry& entry) {
    const archive::DuePoint& p = entry.due;
    const QString verdict = p.lastResult == 0 ? QString() : texts::VerdictText(entry.verdict);
    const QString due =
        p.overdue
            ? QStringLiteral("<td style=\"color:#b71c1c\"><b>%1</b></td>").arg(DueText(p).toHtmlEscaped())
            : Cell(DueText(p));
    return QStringLiteral("<tr>") + Cell(QString::fromStdString(p.site)) +
           Cell(QString::fromStdString(p.name)) + Cell(LastTestText(p)) +
           Cell(QString::fromStdString(entry.lastResult)) + Cell(verdict) + due + QStringLiteral("</tr>");
}

}  // namespace

QString DueText(const archive::DuePoint& point) {
    const QString date = QString::fromStdString(point.dueOn);
    if (!point.overdue) {
        return date;
    }
    return date.isEmpty() ? Tr(QT_TRANSLATE_NOOP("DueList", "now (overdue)"))
                          : Tr(QT_TRANSLATE_NOOP("DueList", "%1 (overdue)")).arg(date);
}

QString LastTestText(const archive::DuePoint& point) {
    const QString date = point.lastTested.empty() ? Tr(QT_TRANSLATE_NOOP("DueList", "never"))
                                                  : QString::fromStdString(point.lastTested);
    return point.failedSince == 0 ? date
                                  : QCoreApplication::translate("DueList", "%1, then %n failed reading(s)",
                                                                nullptr, point.failedSince)
                                        .arg(date);
}

std::unique_ptr<QTextDocument> DueListDocument(const std::vector<archive::DueEntry>& entries, int days,
                                               const std::string& today) {
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(Tr(QT_TRANSLATE_NOOP("DueList", "Due list")).toHtmlEscaped(),
                            QCoreApplication::translate("DueList", "Overdue and due within %n day(s) of %1",
                                                        nullptr, days)
                                .arg(QString::fromStdString(today))
                                .toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>") +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Site")), true) +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Test point")), true) +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Last test")), true) +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Last result")), true) +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Verdict")), true) +
            Cell(Tr(QT_TRANSLATE_NOOP("DueList", "Due")), true) + QStringLiteral("</tr>");
    for (const archive::DueEntry& entry : entries) {
        html += Row(entry);
    }
    html += QStringLiteral("</table>");
    if (entries.empty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(Tr(QT_TRANSLATE_NOOP("DueList", "No test point falls due.")).toHtmlEscaped());
    }
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    return document;
}

// Written into memory first and put in place whole, so a failed write leaves the old file.
std::string WriteDueListPdf(QTextDocument& document, const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(Tr(QT_TRANSLATE_NOOP("DueList", "Due list")));
        writer.setCreator(QStringLiteral("Terrovane"));
        document.print(&writer);
    }
    return archive::WriteFileReplacing(path.toStdString(), buffer.data().toStdString());
}

}  // namespace terrovane::history
