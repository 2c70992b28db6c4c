// The report's drawing primitives. Positions and lengths are in cm from the
// top-left corner of the paper (single precision, as the report computes
// them); each primitive converts to page units (0.1 mm) by x 100 with
// truncation, except where noted, and records onto the current page of the
// document.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "report/DisplayList.h"
#include "report/PageDocument.h"

namespace kmr {

// cm -> page units: trunc(cm * 100), and the rounded-up variant used by the
// far corners of rectangles and circles.
int ToUnits(float cm);
int ToUnitsUp(float cm);

// The widths (cm) of a column spec such as "2.5|1.5|1.5|3.0": the numbers in
// order; any character other than a digit, "." or "-" separates numbers.
// A number that cannot be read counts as 0.
std::vector<float> ParseColumnSpec(const QString& spec);

// Cell grid of DrawTable, indexed [column][row], with the alignment of each
// cell (Left, Center or Right). A text containing "|" is printed as
// sub-rows (the pieces between the bars), each in its share of the row.
struct TableGrid {
    std::vector<std::vector<QString>> text;
    std::vector<std::vector<TextAlign>> align;

    TableGrid() = default;
    TableGrid(int columns, int rows);
    int Columns() const { return static_cast<int>(text.size()); }
    // The rows of the last column.
    int Rows() const { return text.empty() ? 0 : static_cast<int>(text.back().size()); }
    // Grows the grid as needed.
    void Set(int column, int row, const QString& s, TextAlign alignment = TextAlign::Left);
    QString At(int column, int row) const;
    TextAlign AlignAt(int column, int row) const;
};

// Empties every text and aligns every cell Left; keeps the shape.
void ClearTable(TableGrid& grid);

// The pieces of a cell text split at "|": a trailing empty piece is dropped,
// empty pieces between separators are kept.
std::vector<QString> SplitCellText(const QString& text);

// Bordered table from (x0, y0); every row is rowHeight high, column c is the
// c-th width of the spec wide. Returns the y (cm) just below the table.
float DrawTable(TplPrev& doc, const QString& columnSpec, const TableGrid& grid, float x0, float y0,
                float rowHeight, int fontSize, int fontKind, int penWidth, QColor penColor);

// One line of text with its top-left corner at (x, y); widthPercent scales
// the character width (the report passes 100).
void DrawTitle(TplPrev& doc, const QString& text, float x, float y, double fontSize, int fontKind,
               int widthPercent = 100);

// Anchored text: (x, y) is the point of the text that h (Left, Center,
// Right) and v (Top, Middle, Bottom) name.
void DrawText(TplPrev& doc, const QString& text, float x, float y, TextAlign h, TextAlign v,
              double fontSize, int fontKind);

void DrawLine(TplPrev& doc, float x1, float y1, float x2, float y2, int penWidth, QColor penColor,
              PenStyleCode penStyle = psSolid, PenModeCode penMode = pmCopy);

// First corner truncated, second corner rounded up.
void DrawRect(TplPrev& doc, float x1, float y1, float x2, float y2, int penWidth, QColor penColor,
              PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
              QColor brushColor);

// Bounding box: left and top truncated, right and bottom rounded up.
void DrawCircle(TplPrev& doc, float cx, float cy, float radius, int penWidth, QColor penColor,
                PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
                QColor brushColor);

// Arc counter-clockwise on the page from startDeg to endDeg (degrees from +x,
// y up). Start point truncated, end point rounded up.
void DrawArc(TplPrev& doc, float cx, float cy, float radius, float startDeg, float endDeg,
             int penWidth, QColor penColor, PenStyleCode penStyle = psSolid,
             PenModeCode penMode = pmCopy);

struct CmPoint {
    float x = 0;
    float y = 0;
};

// Closed, filled polygon.
void DrawPolygon(TplPrev& doc, const std::vector<CmPoint>& points, int penWidth, QColor penColor,
                 PenStyleCode penStyle, PenModeCode penMode, BrushStyleCode brushStyle,
                 QColor brushColor);

}  // namespace kmr
