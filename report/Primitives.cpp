#include "report/Primitives.h"

#include <cmath>

namespace kmr {
namespace {

// Pen and brush straight onto the page canvas, as the shape primitives do.
void SetPen(RecordingCanvas& c, int width, QColor color, PenStyleCode style, PenModeCode mode) {
    c.SetPenWidth(width);
    c.SetPenColor(color);
    c.SetPenStyle(style);
    c.SetPenMode(mode);
}

void SetTextFont(RecordingCanvas& c, double fontSize, int fontKind) {
    c.SetFontSize(fontSize);
    c.SetFontName(FontKindFace(fontKind));
}

QPoint Truncated(float x, float y) {
    return QPoint(ToUnits(x), ToUnits(y));
}

QPoint OnCircle(float cx, float cy, float r, float deg, bool roundUp) {
    const double a = static_cast<double>(deg) * M_PI / 180.0;
    const float x = static_cast<float>(cx + r * std::cos(a));
    const float y = static_cast<float>(cy - r * std::sin(a));
    return roundUp ? QPoint(ToUnitsUp(x), ToUnitsUp(y)) : Truncated(x, y);
}

// One cell: outline, then its text (or sub-rows of "|" pieces).
void DrawCell(RecordingCanvas& c, QRect cell, float rowHeight, const QString& text,
              TextAlign align) {
    c.Rectangle(cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height());
    const int x1 = cell.left();
    const int x2 = cell.left() + cell.width();
    if (!text.contains(QLatin1Char('|'))) {
        c.TextInCell(x1, cell.top(), x2, cell.top() + cell.height(), text, align);
        return;
    }
    const std::vector<QString> pieces = SplitCellText(text);
    const int n = static_cast<int>(pieces.size());
    const int subHeight = ToUnits(rowHeight / n);
    for (int k = 0; k < n; ++k) {
        const int top = cell.top() + ToUnits(k * rowHeight / n);
        c.TextInCell(x1, top, x2, top + subHeight, pieces[static_cast<std::size_t>(k)], align);
    }
}

}  // namespace

int ToUnits(float cm) {
    return static_cast<int>(std::trunc(static_cast<double>(cm) * 100.0));
}

int ToUnitsUp(float cm) {
    return static_cast<int>(std::ceil(static_cast<double>(cm) * 100.0));
}

std::vector<float> ParseColumnSpec(const QString& spec) {
    std::vector<float> widths;
    QString number;
    const auto flush = [&] {
        if (number.isEmpty()) return;
        bool ok = false;
        const float v = number.toFloat(&ok);
        widths.push_back(ok ? v : 0.0f);
        number.clear();
    };
    for (const QChar ch : spec) {
        if ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('.') ||
            ch == QLatin1Char('-')) {
            number.append(ch);
        } else {
            flush();
        }
    }
    flush();
    return widths;
}

TableGrid::TableGrid(int columns, int rows)
    : text(static_cast<std::size_t>(std::max(0, columns)),
           std::vector<QString>(static_cast<std::size_t>(std::max(0, rows)))),
      align(static_cast<std::size_t>(std::max(0, columns)),
            std::vector<TextAlign>(static_cast<std::size_t>(std::max(0, rows)), TextAlign::Left)) {}

void TableGrid::Set(int column, int row, const QString& s, TextAlign alignment) {
    if (column < 0 || row < 0) return;
    const auto c = static_cast<std::size_t>(column);
    const auto r = static_cast<std::size_t>(row);
    if (text.size() <= c) text.resize(c + 1);
    if (align.size() < text.size()) align.resize(text.size());
    for (auto& col : text) {
        if (col.size() <= r) col.resize(r + 1);
    }
    for (std::size_t i = 0; i < align.size(); ++i) align[i].resize(text[i].size(), TextAlign::Left);
    text[c][r] = s;
    align[c][r] = alignment;
}

QString TableGrid::At(int column, int row) const {
    if (column < 0 || row < 0 || static_cast<std::size_t>(column) >= text.size()) return {};
    const auto& col = text[static_cast<std::size_t>(column)];
    return static_cast<std::size_t>(row) < col.size() ? col[static_cast<std::size_t>(row)]
                                                      : QString();
}

TextAlign TableGrid::AlignAt(int column, int row) const {
    if (column < 0 || row < 0 || static_cast<std::size_t>(column) >= align.size()) {
        return TextAlign::Left;
    }
    const auto& col = align[static_cast<std::size_t>(column)];
    return static_cast<std::size_t>(row) < col.size() ? col[static_cast<std::size_t>(row)]
                                                      : TextAlign::Left;
}

void ClearTable(TableGrid& grid) {
    for (auto& col : grid.text) {
        for (auto& s : col) s.clear();
    }
    for (auto& col : grid.align) {
        for (auto& a : col) a = TextAlign::Left;
    }
}

std::vector<QString> SplitCellText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('|'));
    std::vector<QString> pieces(parts.begin(), parts.end());
    if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.pop_back();
    return pieces;
}

float DrawTable(TplPrev& doc, const QString& columnSpec, const TableGrid& grid, float x0, float y0,
                float rowHeight, int fontSize, int fontKind, int penWidth, QColor penColor) {
    RecordingCanvas& c = doc.PageCanvas();
    const std::vector<float> widths = ParseColumnSpec(columnSpec);
    const int h = ToUnits(rowHeight);
    int y = ToUnits(y0);
    for (int r = 0; r < grid.Rows(); ++r) {
        int x = ToUnits(x0);
        for (int col = 0; col < grid.Columns(); ++col) {
            const auto k = static_cast<std::size_t>(col);
            const int w = k < widths.size() ? ToUnits(widths[k]) : 0;
            SetTextFont(c, fontSize, fontKind);
            SetPen(c, penWidth, penColor, psSolid, pmCopy);
            c.SetBrush(bsClear);
            DrawCell(c, QRect(x, y, w, h), rowHeight, grid.At(col, r), grid.AlignAt(col, r));
            x += w;
        }
        y += h;
    }
    return static_cast<float>(y) / 100.0f;
}

void DrawTitle(TplPrev& doc, const QString& text, float x, float y, double fontSize, int fontKind,
               int widthPercent) {
    RecordingCanvas& c = doc.PageCanvas();
    SetTextFont(c, fontSize, fontKind);
    c.TextScaled(ToUnits(x), ToUnits(y), text, widthPercent, 0);
}

void DrawText(TplPrev& doc, const QString& text, float x, float y, TextAlign h, TextAlign v,
              double fontSize, int fontKind) {
    RecordingCanvas& c = doc.PageCanvas();
    SetTextFont(c, fontSize, fontKind);
    c.TextAnchored(ToUnits(x), ToUnits(y), text, h, v);
}

void DrawLine(TplPrev& doc, float x1, float y1, float x2, float y2, int penWidth, QColor penColor,
              PenStyleCode penStyle, PenModeCode penMode) {
    RecordingCanvas& c = doc.PageCanvas();
    SetPen(c, penWidth, penColor, penStyle, penMode);
    c.MoveTo(ToUnits(x1), ToUnits(y1));
    c.LineTo(ToUnits(x2), ToUnits(y2));
}

void DrawRect(TplPrev& doc, float x1, float y1, float x2, float y2, int penWidth, QColor penColor,
              PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
              QColor brushColor) {
    RecordingCanvas& c = doc.PageCanvas();
    SetPen(c, penWidth, penColor, penStyle, penMode);
    c.SetBrush(brushStyle, brushColor);
    c.Rectangle(ToUnits(x1), ToUnits(y1), ToUnitsUp(x2), ToUnitsUp(y2));
}

void DrawCircle(TplPrev& doc, float cx, float cy, float radius, int penWidth, QColor penColor,
                PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
                QColor brushColor) {
    RecordingCanvas& c = doc.PageCanvas();
    SetPen(c, penWidth, penColor, penStyle, penMode);
    c.SetBrush(brushStyle, brushColor);
    c.Ellipse(ToUnits(cx - radius), ToUnits(cy - radius), ToUnitsUp(cx + radius),
              ToUnitsUp(cy + radius));
}

void DrawArc(TplPrev& doc, float cx, float cy, float radius, float startDeg, float endDeg,
             int penWidth, QColor penColor, PenStyleCode penStyle, PenModeCode penMode) {
    RecordingCanvas& c = doc.PageCanvas();
    SetPen(c, penWidth, penColor, penStyle, penMode);
    const QPoint s = OnCircle(cx, cy, radius, startDeg, false);
    const QPoint e = OnCircle(cx, cy, radius, endDeg, true);
    c.Arc(ToUnits(cx - radius), ToUnits(cy - radius), ToUnitsUp(cx + radius),
          ToUnitsUp(cy + radius), s.x(), s.y(), e.x(), e.y());
}

void DrawPolygon(TplPrev& doc, const std::vector<CmPoint>& points, int penWidth, QColor penColor,
                 PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
                 QColor brushColor) {
    RecordingCanvas& c = doc.PageCanvas();
    SetPen(c, penWidth, penColor, penStyle, penMode);
    c.SetBrush(brushStyle, brushColor);
    std::vector<QPoint> units;
    units.reserve(points.size());
    for (const CmPoint& p : points) units.push_back(Truncated(p.x, p.y));
    c.Polygon(units);
}

}  // namespace kmr
