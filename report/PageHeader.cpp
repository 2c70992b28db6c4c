#include "report/PageHeader.h"

#include "report/Primitives.h"

namespace kmr {

void DrawPageFrame(TplPrev& doc, int which, const QString& left, const QString& centre,
                   const QString& right, float leftMargin, float rightMargin, float topMargin,
                   float bottomMargin) {
    RecordingCanvas& c = doc.PageCanvas();
    const int W = doc.Geometry().width;
    const int H = doc.Geometry().height;
    const int L = ToUnits(leftMargin);
    const int R = ToUnits(rightMargin);
    const int T = ToUnits(topMargin);
    const int B = ToUnits(bottomMargin);

    c.SetFontSize(10);
    c.SetFontName(FontKindFace(fkGothic));
    c.SetPen(PenSpec{});  // black, solid, width 1
    c.SetBrush(bsClear);
    const int y = which == 0 ? T - 40 : H - B + 15;
    if (!left.isEmpty()) c.TextAnchored(L + 30, y, left, TextAlign::Left, TextAlign::Top);
    if (!centre.isEmpty()) c.TextAnchored(W / 2, y, centre, TextAlign::Center, TextAlign::Top);
    if (!right.isEmpty()) c.TextAnchored(W - R - 30, y, right, TextAlign::Right, TextAlign::Top);
    c.MoveTo(L, T);
    c.LineTo(W - R, T);
    c.MoveTo(L, H - B);
    c.LineTo(W - R, H - B);
}

QString DataFileText(const QString& documentPath) {
    // Either separator: paths of files written on other systems keep theirs.
    const qsizetype cut = std::max(documentPath.lastIndexOf(QLatin1Char('/')),
                                   documentPath.lastIndexOf(QLatin1Char('\\')));
    QString name = documentPath.mid(cut + 1);
    if (name.isEmpty()) name = QStringLiteral("新規データ");
    return QStringLiteral("Data: ") + name;
}

QString PageNumberText(int pageNo) {
    return QStringLiteral("- ") + QString::number(pageNo) + QStringLiteral(" -");
}

QString FitDataFileText(const QString& documentPath, int room,
                        const std::function<int(const QString&)>& width) {
    const QString prefix = QStringLiteral("Data: ");
    const QString whole = DataFileText(documentPath);
    if (width(whole) <= room) return whole;
    const QString name = whole.mid(prefix.size());
    const QChar ellipsis(0x2026);
    for (qsizetype keep = name.size() - 1; keep > 0; --keep) {
        const QString text = prefix + name.left((keep + 1) / 2) + ellipsis + name.right(keep / 2);
        if (width(text) <= room) return text;
    }
    return prefix + ellipsis;
}

void DrawPageHeader(TplPrev& doc, const DrawGeometry& g, const PageHeaderInfo& info, int pageNo) {
    // The file name fits between the title (and a gap of 5 mm) and the
    // right end of the header line, in the frame's font.
    RecordingCanvas& c = doc.PageCanvas();
    c.SetFontSize(10);
    c.SetFontName(FontKindFace(fkGothic));
    const int start = ToUnits(g.leftMargin) + 30;
    const int titleEnd = info.title.isEmpty() ? start : start + c.TextWidth(info.title) + 50;
    const int end = doc.Geometry().width - ToUnits(g.rightMargin) - 30;
    const QString data = FitDataFileText(info.documentPath, end - titleEnd,
                                         [&c](const QString& t) { return c.TextWidth(t); });
    DrawPageFrame(doc, 0, info.title, QString(), data, g.leftMargin, g.rightMargin, g.topMargin,
                  g.bottomMargin);
    DrawPageFrame(doc, 1, QString(), PageNumberText(pageNo), QStringLiteral("Ver.") + info.version,
                  g.leftMargin, g.rightMargin, g.topMargin, g.bottomMargin);
}

bool PageFits(const ReportState& state, float need) {
    return PageFits(state.geometry, state.cursor, need);
}

void DrawPageHeader(TplPrev& doc, const ReportState& state) {
    DrawPageHeader(doc, state.geometry, state.header, state.PageNo);
}

void StartNewPage(TplPrev& doc, ReportState& state, float gap, bool drawHeader) {
    state.PageNo += 1;
    doc.NewPage();
    state.cursor = state.geometry.topMargin + gap;
    if (drawHeader) DrawPageHeader(doc, state);
}

}  // namespace kmr
