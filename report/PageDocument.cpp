#include "report/PageDocument.h"

#include <algorithm>
#include <cmath>

namespace kmr {
namespace {

int RoundHalfAway(double v) {
    return static_cast<int>(std::round(v));
}

QString FontKey(const FontSpec& f) {
    return f.face + QLatin1Char('/') + QString::number(f.height) + QLatin1Char('/') +
           QString::number(f.widthPercent);
}

}  // namespace

PageGeometry GeometryFromDevice(QSize paperPixels, QRect printablePixels, int dpiX, int dpiY) {
    PageGeometry g;
    if (dpiX <= 0 || dpiY <= 0) return g;
    const auto down = [](int px, int dpi) {
        return static_cast<int>(static_cast<long long>(px) * 254 / dpi);
    };
    const auto up = [](int px, int dpi) {
        return static_cast<int>(std::ceil(static_cast<double>(px) * 254.0 / dpi));
    };
    g.width = down(paperPixels.width(), dpiX);
    g.height = down(paperPixels.height(), dpiY);
    g.printable = QRect(up(printablePixels.x(), dpiX), up(printablePixels.y(), dpiY),
                        down(printablePixels.width(), dpiX), down(printablePixels.height(), dpiY));
    return g;
}

// ---------------------------------------------------------------- canvas

RecordingCanvas::RecordingCanvas() {
    font_.face = FontKindFace(fkMincho);
    page_ = &scratch_;
}

void RecordingCanvas::ResetForNewPage() {
    pen_ = PenSpec{};
    brush_ = BrushSpec{};
    penPos_ = QPoint(0, 0);
}

void RecordingCanvas::SetFontSize(double points) {
    font_.height = FontHeightFromPoints(points);
}
void RecordingCanvas::SetFontHeight(int height) {
    font_.height = height;
}
void RecordingCanvas::SetFontName(const QString& face) {
    font_.face = face;
}
void RecordingCanvas::SetFontColor(QColor color) {
    font_.color = color.rgb();
}
void RecordingCanvas::SetPenColor(QColor color) {
    pen_.color = color.rgb();
}
void RecordingCanvas::SetPenWidth(int width) {
    pen_.width = std::max(0, width);
}

void RecordingCanvas::SetBrush(BrushStyleCode style, QColor color) {
    brush_.style = style;
    brush_.color = color.rgb();
}

DrawOp& RecordingCanvas::Add(OpKind kind, std::vector<QPoint> points) {
    DrawOp op;
    op.kind = kind;
    op.points = std::move(points);
    op.pen = pen_;
    op.brush = brush_;
    page_->ops.push_back(std::move(op));
    return page_->ops.back();
}

void RecordingCanvas::MoveTo(int x, int y) {
    penPos_ = QPoint(x, y);
}

void RecordingCanvas::LineTo(int x, int y) {
    Add(OpKind::Line, {penPos_, QPoint(x, y)});
    penPos_ = QPoint(x, y);
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Add(OpKind::Rect, {QPoint(x1, y1), QPoint(x2, y2)});
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Add(OpKind::Ellipse, {QPoint(x1, y1), QPoint(x2, y2)});
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    Add(OpKind::Arc, {QPoint(x1, y1), QPoint(x2, y2), QPoint(xs, ys), QPoint(xe, ye)});
}

void RecordingCanvas::Polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    Add(OpKind::Polygon, points);
}

const QFontMetricsF& RecordingCanvas::Metrics(const FontSpec& font) {
    const QString key = FontKey(font);
    auto it = metrics_.find(key);
    if (it == metrics_.end()) {
        InstallReportFonts();
        it = metrics_.insert(key, std::make_shared<QFontMetricsF>(MakeQFont(font)));
    }
    return **it;
}

TextMetrics RecordingCanvas::Measure(const FontSpec& font, const QString& text) {
    const bool sameFont = lastTexts_ && font.face == lastFont_.face &&
                          font.height == lastFont_.height &&
                          font.widthPercent == lastFont_.widthPercent;
    if (!sameFont) {
        // Taken afresh after every insertion into measured_, which may move
        // its entries.
        lastTexts_ = &measured_[FontKey(font)];
        lastFont_ = font;
    }
    const auto it = lastTexts_->constFind(text);
    if (it != lastTexts_->constEnd()) return *it;
    const TextMetrics m = MeasureText(Metrics(font), text);
    lastTexts_->insert(text, m);
    return m;
}

int RecordingCanvas::TextWidth(const QString& text) {
    return Measure(font_, text).width;
}

int RecordingCanvas::TextHeight() {
    return Measure(font_, QStringLiteral("Hg")).height;
}

void RecordingCanvas::AddText(int x, int y, const QString& text, const FontSpec& font,
                              const std::optional<QRect>& clip) {
    const TextMetrics m = Measure(font, text);
    DrawOp& op = Add(OpKind::Text, {});
    op.brush = BrushSpec{};  // text is drawn with a clear background
    op.text = text;
    op.font = font;
    op.box = QRect(x, y, m.width, m.height);
    op.ascent = m.ascent;
    op.clip = clip;
}

void RecordingCanvas::TextOut(int x, int y, const QString& text) {
    AddText(x, y, text, font_, std::nullopt);
}

void RecordingCanvas::TextAnchored(int x, int y, const QString& text, TextAlign h, TextAlign v) {
    const int tw = TextWidth(text);
    const int th = TextHeight();
    if (h == TextAlign::Center) x -= (tw + 1) / 2;
    if (h == TextAlign::Right) x -= tw;
    if (v == TextAlign::Middle) y -= (th + 1) / 2;
    if (v == TextAlign::Bottom) y -= th;
    AddText(x, y, text, font_, std::nullopt);
}

void RecordingCanvas::TextInCell(int x1, int y1, int x2, int y2, const QString& text,
                                 TextAlign align) {
    FontSpec font = font_;
    int tw = TextWidth(text);
    const int room = std::abs(x2 - x1);
    if (tw > room && room > 0) {
        font.widthPercent = std::max(1, font.widthPercent * room / tw);
        tw = Measure(font, text).width;
        while (tw > room && font.widthPercent > 1) {
            --font.widthPercent;
            tw = Measure(font, text).width;
        }
    }
    const int th = TextHeight();
    const int y = RoundHalfAway(std::abs(y1 + y2) / 2.0 - th / 2.0);
    int x = x1;
    if (align == TextAlign::Center) x = RoundHalfAway(std::abs(x1 + x2) / 2.0 - tw / 2.0);
    if (align == TextAlign::Right) x = x2 - tw;
    const QRect cell = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    AddText(x, y, text, font, QRect(cell.x(), cell.y(), cell.width() - 1, cell.height() - 1));
}

void RecordingCanvas::TextScaled(int x, int y, const QString& text, int widthPercent,
                                 int escapement) {
    FontSpec temporary = font_;
    temporary.widthPercent = widthPercent;
    temporary.escapement = escapement;
    AddText(x, y, text, temporary, std::nullopt);
}

// ---------------------------------------------------------------- document

TplPrev::TplPrev() {
    InstallReportFonts();
}

void TplPrev::RefreshGeometry() {
    geometry_ = plSetPrinter ? plSetPrinter->Geometry() : PageGeometry{};
    if (geometry_.width <= 0 || geometry_.height <= 0) geometry_ = PageGeometry{};
}

void TplPrev::StartPage() {
    PageRecord page;
    page.size = QSize(geometry_.width, geometry_.height);
    if (ViewClip) page.clip = geometry_.printable;
    pages_.push_back(std::move(page));
    // The vector may have moved its pages: attach to the new last one.
    canvas_.Attach(&pages_.back());
    canvas_.ResetForNewPage();
}

void TplPrev::BeginDoc() {
    RefreshGeometry();
    pages_.clear();
    currentPage_ = 1;
    pageCount_ = 1;
    StartPage();
    canvas_.SetFontSize(10.5);
}

void TplPrev::NewPage() {
    if (pages_.empty()) {
        BeginDoc();
        return;
    }
    StartPage();
    currentPage_ = RecordedPages();
}

void TplPrev::EndDoc() {
    if (pages_.empty()) return;
    pageCount_ = RecordedPages();
    currentPage_ = 1;
    fromPage_ = 1;
    toPage_ = pageCount_;
}

void TplPrev::SetCurrentPage(int page) {
    currentPage_ = std::clamp(page, 1, std::max(1, RecordedPages()));
}

void TplPrev::SetPrintRange(int from, int to) {
    fromPage_ = std::min(from, to);
    toPage_ = std::max(from, to);
}

}  // namespace kmr
