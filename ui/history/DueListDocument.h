#pragma once

#include <QString>
#include <QTextDocument>

#include <memory>
#include <string>
#include <vector>

#include "DueSoon.h"

class QPagedPaintDevice;

namespace terrovane::history {

// The due list as it is printed: a heading with the day it was made and the days it looks ahead, then a
// table of the points, in the running language.
std::unique_ptr<QTextDocument> DueListDocument(const std::vector<archive::DueEntry>& entries, int days,
                                               const std::string& today);

// The document as a PDF that replaces `path` once whole. "" on success, otherwise the reason.
std::string WriteDueListPdf(QTextDocument& document, const QString& path);

// Texts shared by the window and its document.
QString DueText(const archive::DuePoint& point);
QString LastTestText(const archive::DuePoint& point);

}  // namespace terrovane::history
