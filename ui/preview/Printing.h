// Printing recorded pages on a QPrinter (a printer or a PDF file).
#pragma once

#include <QString>

#include "report/PageDocument.h"

class QPrinter;

namespace kmr {

// Shown when a document without recorded pages is to be printed.
QString NoPagesMessage();

// Prints pages from..to (1-based; the ends may come in either order and are
// clamped to the recorded pages). The pages are replayed at the printer's
// resolution from the paper corner, so page coordinates land at their place
// on the sheet whatever the non-printable margins; PrintOffsetX/Y shift them
// and drawing is clipped to the printable area. A PDF printer gets the
// document's paper size. Returns false with a message when nothing could be
// printed; the job is ended in every case.
bool PrintPages(const TplPrev& doc, QPrinter& printer, int from, int to, QString* error);

}  // namespace kmr
