#pragma once

#include <QString>

#include <functional>
#include <string>

#include "ReportFront.h"

class QPainter;
class QPdfWriter;

namespace terrovane::sitereport {

// What a PDF kept for years says of itself: PDF/A-1b with its fonts embedded, its title, author and
// subject in the XMP metadata a reader's archive indexes.
struct ArchivalPdf {
    QString title;
    QString author;
    QString subject;
};

// The firm that issues the report, else who prepared it; empty when neither is known.
QString ReportAuthor(const ReportFront& front);

// Sets the writer's paper, then draws with the painter active on it; the PDF replaces `path` only once it is
// complete. False with `error` set.
using PdfSetup = std::function<void(QPdfWriter&)>;
using PdfDrawing = std::function<void(QPainter&, QPdfWriter&)>;
bool WriteArchivalPdf(const ArchivalPdf& pdf, const PdfSetup& setup, const PdfDrawing& drawing,
                      const std::string& path, std::string& error);

}  // namespace terrovane::sitereport
