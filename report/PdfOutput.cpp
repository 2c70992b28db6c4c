#include "report/PdfOutput.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "model/DataFile.h"
#include "model/FileSystem.h"

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
    return WritePdf(doc, QFile::encodeName(path).toStdString(), error);
}

bool WritePdf(const TplPrev& doc, const std::string& fileName, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QString shown = QDir::toNativeSeparators(QFile::decodeName(fileName.c_str()));
    if (!doc.HasPages()) {
        return fail(
            QStringLiteral("印刷するページがありません。PDFファイル「%1」は作成しませんでした。")
                .arg(shown));
    }
    if (IsDataFile(fileName)) {
        return fail(
            QStringLiteral("「%1」はデータファイルです。PDFファイルで置き換えません。").arg(shown));
    }
    const QByteArray bytes = PdfBytes(doc, 1, doc.RecordedPages());
    if (bytes.isEmpty()) {
        return fail(QStringLiteral("PDFファイル「%1」を書き込めません。").arg(shown));
    }
    const int failure =
        files::WriteWholeFile(fileName, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (failure != 0) {
        const QString reason = failure == files::kNotRegularFile
                                   ? QStringLiteral("通常のファイルではありません")
                                   : QString::fromLocal8Bit(std::strerror(failure));
        return fail(QStringLiteral("PDFファイル「%1」を作成できません：%2").arg(shown, reason));
    }
    return true;
}

}  // namespace kmr
