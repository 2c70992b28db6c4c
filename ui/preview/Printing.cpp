#include "ui/preview/Printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace kmr {
namespace {

void PaintOnSheet(const TplPrev& doc, const PageRecord& page, QPainter& painter,
                  const QPrinter& printer) {
    painter.save();
    painter.resetTransform();
    // Full-page mode: device (0, 0) is the corner of the paper.
    painter.scale(printer.resolution() / 254.0, printer.resolution() / 254.0);
    painter.translate(doc.PrintOffsetX, doc.PrintOffsetY);
    PaintPage(page, painter, QRectF(0, 0, page.size.width(), page.size.height()));
    painter.restore();
}

bool Fail(QString* error, const QString& message) {
    if (error) *error = message;
    return false;
}

}  // namespace

QString NoPagesMessage() {
    return QStringLiteral("Canvasへの描画コードが見つかりません．　　");
}

bool PrintPages(const TplPrev& doc, QPrinter& printer, int from, int to, QString* error) {
    if (!doc.HasPages()) return Fail(error, NoPagesMessage());
    const int last = doc.RecordedPages();
    const int first = std::clamp(std::min(from, to), 1, last);
    const int end = std::clamp(std::max(from, to), first, last);

    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (pdf && printer.outputFileName().isEmpty()) {
        return Fail(error, QStringLiteral("印刷先のPDFファイルが指定されていません。"));
    }
    if (pdf) {
        const QString folder = QFileInfo(printer.outputFileName()).absolutePath();
        if (!QFileInfo(folder).isDir()) {
            return Fail(error, QStringLiteral("フォルダ「%1」がありません。")
                                   .arg(QDir::toNativeSeparators(folder)));
        }
        const QSize s = doc.Page(first).size;
        printer.setPageSize(
            QPageSize(QSizeF(s.width() / 10.0, s.height() / 10.0), QPageSize::Millimeter));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    printer.setFullPage(true);
    printer.setDocName(doc.Title.isEmpty() ? QStringLiteral("印刷プレビュー") : doc.Title);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where =
            pdf ? QDir::toNativeSeparators(printer.outputFileName()) : printer.printerName();
        return Fail(error, QStringLiteral("「%1」に印刷できません。").arg(where));
    }
    bool ok = true;
    for (int n = first; n <= end && ok; ++n) {
        if (n > first) ok = printer.newPage();
        if (ok) PaintOnSheet(doc, doc.Page(n), painter, printer);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
    if (!ok) return Fail(error, QStringLiteral("印刷中にエラーが発生しました。"));
    return true;
}

}  // namespace kmr
