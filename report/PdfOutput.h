// A recorded document as PDF: vector pages of the document's paper size,
// one page unit = one device unit at 254 dpi, with real (searchable) text.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "report/PageDocument.h"

namespace kmr {

// Writes pages from..to (1-based, clamped to the recorded pages) of doc as
// PDF bytes. Empty when the document has no pages.
QByteArray PdfBytes(const TplPrev& doc, int from, int to);

// Writes every page of doc to path. The file appears only when it is
// complete; on failure nothing is written and error holds a message naming
// the file. A data file (by its name or its content, links followed) is
// never replaced.
bool WritePdf(const TplPrev& doc, const QString& path, QString* error);
// The same for a file name as the system's bytes (kept as they are, whatever
// their encoding).
bool WritePdf(const TplPrev& doc, const std::string& fileName, QString* error);

}  // namespace kmr
