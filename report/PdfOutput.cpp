#include "report/PdfOutput.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace kmr {
namespace {

QPageLayout LayoutOf(const PageRecord& page) {
    const QPageSize size(QSizeF(page.size.width() / 10.0, page.size.height() / 10.0),
                         QPageSize::Millimeter);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Renders the pages into the device; false when the painter cannot start.
bool Render(const TplPrev& doc, int from, int to, QIODevice& out) {
    QPdfWriter writer(&out);
    writer.setResolution(254);
    writer.setTitle(doc.Title);
    writer.setCreator(QStringLiteral("PLOV-Kmr"));
    writer.setPageLayout(LayoutOf(doc.Page(from)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    for (int n = from; n <= to; ++n) {
        const PageRecord& page = doc.Page(n);
        if (n > from) {
            writer.setPageLayout(LayoutOf(page));
            writer.newPage();
        }
        PaintPage(page, painter, QRectF(0, 0, page.size.width(), page.size.height()));
    }
    return painter.end();
}

}  // namespace

QByteArray PdfBytes(const TplPrev& doc, int from, int to) {
    if (!doc.HasPages()) return {};
    from = std::clamp(from, 1, doc.RecordedPages());
    to = std::clamp(to, from, doc.RecordedPages());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!Render(doc, from, to, buffer)) return {};
    buffer.close();
    return bytes;
}

bool WritePdf(const TplPrev& doc, const QString& path, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QString shown = QDir::toNativeSeparators(path);
    if (!doc.HasPages()) {
        return fail(
            QStringLiteral("印刷するページがありません。PDFファイル「%1」は作成しませんでした。")
                .arg(shown));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(
            QStringLiteral("PDFファイル「%1」を作成できません：%2").arg(shown, file.errorString()));
    }
    if (!Render(doc, 1, doc.RecordedPages(), file)) {
        file.cancelWriting();
        return fail(QStringLiteral("PDFファイル「%1」を書き込めません。").arg(shown));
    }
    if (!file.commit()) {
        return fail(
            QStringLiteral("PDFファイル「%1」を書き込めません：%2").arg(shown, file.errorString()));
    }
    return true;
}

}  // namespace kmr
