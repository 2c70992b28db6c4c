#include "report/DrawGeometry.h"

namespace kmr {

namespace {
constexpr int kMaxSpansOnPaper = 10;
}

void SetDrawGeometry(DrawGeometry& g, int mode, int screenImageWidth) {
    if (mode == 1) {
        g.mode = 1;
        g.leftMargin = 2.2f;
        g.rightMargin = 2.2f;
        g.topMargin = 2.0f;
        g.bottomMargin = 2.0f;
        g.paperWidth = 21.0f;
        g.paperHeight = 29.7f;
        g.diagramX = 0.0f;
        g.diagramY = 0.0f;
        g.bandHeight = 0.2f;
        // Every span takes the same width: the paper less both margins and
        // 0.9 cm, shared by the largest number of spans.
        g.spanWidth = (g.paperWidth - g.leftMargin - g.rightMargin - 0.9f) / kMaxSpansOnPaper;
        g.scale = 1.0f;
        return;
    }
    g.mode = 0;
    g.leftMargin = 0.0f;
    g.rightMargin = 0.0f;
    g.topMargin = 0.0f;
    g.bottomMargin = 0.0f;
    g.paperWidth = 14.3f;
    g.diagramX = 1.3f;
    g.diagramY = 0.75f;
    g.bandHeight = 0.16f;
    g.spanWidth = 1.23f;
    g.scale = static_cast<float>(screenImageWidth) / (14.3f * 100.0f);
}

DrawGeometry ReportGeometry() {
    DrawGeometry g;
    SetDrawGeometry(g, 1);
    return g;
}

bool PageFits(const DrawGeometry& g, float cursor, float need) {
    // Evaluated in double from the single-precision values.
    return static_cast<double>(g.paperHeight) - static_cast<double>(g.bottomMargin) >=
           static_cast<double>(cursor) + static_cast<double>(need);
}

}  // namespace kmr
