#include "ArchivalPdf.h"

#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include "AtomicFile.h"
#include "PageBasics.h"

namespace terrovane::sitereport {
namespace {

// The XMP packet of a PDF/A-1b: the conformance claim, and every entry of the document information
// dictionary holds (title, author, creator tool, producer, creation date) with the same value, as the
// standard asks; the subject only the XMP carries.
QByteArray Xmp(const ArchivalPdf& pdf, const QDateTime& created) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    // The packet's header carries a byte order mark, U+FEFF, as XMP asks.
    w.writeProcessingInstruction(
        QStringLiteral("xpacket"),
        QStringLiteral("begin=\"") + QChar(0xFEFF) + QStringLiteral("\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    w.writeStartElement(QStringLiteral("x:xmpmeta"));
    w.writeAttribute(QStringLiteral("xmlns:x"), QStringLiteral("adobe:ns:meta/"));
    w.writeStartElement(QStringLiteral("rdf:RDF"));
    w.writeAttribute(QStringLiteral("xmlns:rdf"),
                     QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#"));
    const auto description = [&](const char* prefix, const char* ns) {
        w.writeStartElement(QStringLiteral("rdf:Description"));
        w.writeAttribute(QStringLiteral("rdf:about"), QString());
        w.writeAttribute(QStringLiteral("xmlns:") + QLatin1String(prefix), QLatin1String(ns));
    };
    const auto list = [&](const char* name, const char* kind, const QString& value, bool language) {
        w.writeStartElement(QLatin1String(name));
        w.writeStartElement(QLatin1String(kind));
        w.writeStartElement(QStringLiteral("rdf:li"));
        if (language) {
            w.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
        }
        w.writeCharacters(value);
        w.writeEndElement();
        w.writeEndElement();
        w.writeEndElement();
    };
    description("dc", "http://purl.org/dc/elements/1.1/");
    list("dc:title", "rdf:Alt", pdf.title, true);
    if (!pdf.author.isEmpty()) {
        list("dc:creator", "rdf:Seq", pdf.author, false);
    }
    if (!pdf.subject.isEmpty()) {
        list("dc:description", "rdf:Alt", pdf.subject, true);
    }
    w.writeEndElement();
    description("pdf", "http://ns.adobe.com/pdf/1.3/");
    w.writeTextElement(QStringLiteral("pdf:Producer"), QStringLiteral("Qt " QT_VERSION_STR));
    w.writeEndElement();
    description("xmp", "http://ns.adobe.com/xap/1.0/");
    w.writeTextElement(QStringLiteral("xmp:CreatorTool"), QStringLiteral("Terrovane"));
    w.writeTextElement(QStringLiteral("xmp:CreateDate"),
                       created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate));
    w.writeEndElement();
    description("pdfaid", "http://www.aiim.org/pdfa/ns/id/");
    w.writeTextElement(QStringLiteral("pdfaid:part"), QStringLiteral("1"));
    w.writeTextElement(QStringLiteral("pdfaid:conformance"), QStringLiteral("B"));
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement();
    w.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"w\""));
    return xml;
}

// The creation date the writer put in the document information dictionary, "D:20261210144500".
QByteArray InfoDate(const QByteArray& pdf) {
    static const QRegularExpression kDate(QStringLiteral("/CreationDate \\x28D:([0-9]{14})"));
    const QRegularExpressionMatch match = kDate.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The author in the document information dictionary too, where every reader of a PDF's properties
// looks (the writer has no setting for it): inserted before the producer, as a UTF-16 hex string, with
// the cross-reference table's offsets after it moved by as much. A file not laid out as the writer lays
// it out is left as it is.
void AddInfoAuthor(QByteArray& bytes, const QString& author) {
    const qsizetype at = bytes.indexOf("\n/Producer ");
    const qsizetype table = bytes.lastIndexOf("\nxref\n");
    const qsizetype start = bytes.lastIndexOf("\nstartxref\n");
    if (author.isEmpty() || at < 0 || table < at || start < table) {
        return;
    }
    QByteArray utf16 = "\xFE\xFF";
    for (const QChar c : author) {
        utf16.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
    }
    const QByteArray entry = "\n/Author <" + utf16.toHex().toUpper() + ">";
    const qsizetype shift = entry.size();
    // Each entry of the table is "OOOOOOOOOO GGGGG n \n", twenty bytes, after the "0 COUNT" line.
    qsizetype line = bytes.indexOf('\n', table + 6) + 1;
    while (line > 0 && line + 20 <= start && (bytes.at(line + 17) == 'n' || bytes.at(line + 17) == 'f')) {
        bool read = false;
        const qlonglong offset = bytes.mid(line, 10).toLongLong(&read);
        if (read && bytes.at(line + 17) == 'n' && offset > at) {
            bytes.replace(line, 10, QByteArray::number(offset + shift).rightJustified(10, '0'));
        }
        line += 20;
    }
    const qsizetype number = start + 11;  // past "\nstartxref\n"
    qsizetype end = number;
    while (end < bytes.size() && bytes.at(end) >= '0' && bytes.at(end) <= '9') {
        ++end;
    }
    if (end == number) {
        return;
    }
    bytes.replace(number, end - number,
                  QByteArray::number(bytes.mid(number, end - number).toLongLong() + shift));
    bytes.insert(at, entry);
}

bool Draw(const ArchivalPdf& pdf, const QDateTime& created, const PdfSetup& setup, const PdfDrawing& drawing,
          QBuffer& out) {
    QPdfWriter writer(&out);
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Terrovane"));
    writer.setTitle(pdf.title);
    writer.setDocumentXmpMetadata(Xmp(pdf, created));
    setup(writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    drawing(painter, writer);
    return painter.end();
}

}  // namespace

QString ReportAuthor(const ReportFront& front) {
    return Q(front.firm.name.empty() ? front.preparedBy : front.firm.name);
}

bool WriteArchivalPdf(const ArchivalPdf& pdf, const PdfSetup& setup, const PdfDrawing& drawing,
                      const std::string& path, std::string& error) {
    // The writer dates its information dictionary itself, when it finishes; the XMP must say the same
    // second. A document that took a second boundary to draw is drawn again.
    QBuffer out;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QDateTime created = QDateTime::currentDateTime();
        out.close();
        out.setData(QByteArray());
        if (!out.open(QIODevice::WriteOnly) || !Draw(pdf, created, setup, drawing, out)) {
            error = "cannot draw the PDF";
            return false;
        }
        if (InfoDate(out.data()) == created.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1()) {
            break;
        }
    }
    QByteArray bytes = out.data();
    AddInfoAuthor(bytes, pdf.author);
    std::string reason;
    if (!platform::WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), reason)) {
        error = "cannot write " + reason;
        return false;
    }
    return true;
}

}  // namespace terrovane::sitereport
