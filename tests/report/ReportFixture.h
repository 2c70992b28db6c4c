// Helpers of the report-section tests: beam models (from the shared
// builders), a report run, and searches through the recorded display lists.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageDocument.h"
#include "report/ReportRun.h"
#include "tests/support/BeamBuilder.h"

namespace kmr::test {

// Every member-load and node-load slot of the model in use.
inline void LoadEverySlot(BeamModel& m) {
    const int n = m.Header.SpanCount;
    for (int i = 1; i <= n; ++i) {
        const double L = m.Members[i].SpanLength;
        SetLoad(m, i, 1, kLoadConcentrated, 2.0, L / 3);
        SetLoad(m, i, 2, kLoadUniform, 1.0, 0.0, L, 0.0, 2.0);
        SetLoad(m, i, 3, kLoadTrapezoid, 1.5, 0.0, L / 4, L / 2, 1.0);
        SetLoad(m, i, 4, kLoadTriangle, 0.8, L / 2, L / 2, 0.0, 1.5);
        SetLoad(m, i, 5, kLoadRightRising, 0.6, 0.0, L, 0.0, 1.0);
    }
    for (int s = 1; s <= n + 1; ++s) {
        for (int j = 1; j <= kLoadSlots; ++j) {
            SetNodeLoad(m, s, j, j % 2 ? kNodeForce : kNodeMoment, 0.5 * j);
        }
    }
}

// One text operation found on a page.
struct Found {
    int page = 0;
    const DrawOp* op = nullptr;
};

inline std::vector<Found> FindTexts(const TplPrev& doc, const QString& text) {
    std::vector<Found> out;
    for (int p = 1; p <= doc.RecordedPages(); ++p) {
        for (const DrawOp& op : doc.Page(p).ops) {
            if (op.kind == OpKind::Text && op.text == text) out.push_back({p, &op});
        }
    }
    return out;
}

// Text operations on one page whose text starts with prefix.
inline std::vector<const DrawOp*> TextsStartingWith(const PageRecord& page, const QString& prefix) {
    std::vector<const DrawOp*> out;
    for (const DrawOp& op : page.ops) {
        if (op.kind == OpKind::Text && op.text.startsWith(prefix)) out.push_back(&op);
    }
    return out;
}

inline std::vector<const DrawOp*> OpsOf(const PageRecord& page, OpKind kind) {
    std::vector<const DrawOp*> out;
    for (const DrawOp& op : page.ops) {
        if (op.kind == kind) out.push_back(&op);
    }
    return out;
}

// The cell rectangle (page units) a table text was clipped to.
inline QRect CellOf(const DrawOp& text) {
    return text.clip.value_or(QRect());
}

// cm -> page units, as expected values: the nearest unit. Tests compare
// with a tolerance of one unit, the truncation of single-precision values.
inline int U(double cm) {
    return static_cast<int>(std::lround(cm * 100.0));
}

// Header and footer texts and the two margin rules; everything else of a
// page must stand between the rules.
inline bool IsFrame(const DrawOp& op) {
    if (op.kind == OpKind::Text) {
        return op.text == ApplicationTitle() || op.text.startsWith(QStringLiteral("Data: ")) ||
               op.text.startsWith(QStringLiteral("- ")) ||
               op.text.startsWith(QStringLiteral("Ver."));
    }
    return op.kind == OpKind::Line && op.points[0].y() == op.points[1].y() &&
           (op.points[0].y() == 200 || op.points[0].y() == 2770) && op.points[0].x() == 220 &&
           op.points[1].x() == 1880;
}

inline void ExpectContentBetweenRules(const TplPrev& doc) {
    for (int p = 1; p <= doc.RecordedPages(); ++p) {
        int frames = 0;
        for (const DrawOp& op : doc.Page(p).ops) {
            if (IsFrame(op)) {
                ++frames;
                continue;
            }
            const int top = op.kind == OpKind::Text ? op.box.top() : op.points[0].y();
            int bottom = top;
            for (const QPoint& pt : op.points) bottom = std::max(bottom, pt.y());
            if (op.kind == OpKind::Text) bottom = op.TextBottom();
            EXPECT_GT(top, 200) << "page " << p << ": " << op.text.toStdString();
            EXPECT_LE(bottom, 2770) << "page " << p << ": " << op.text.toStdString();
        }
        EXPECT_GE(frames, 6) << "page " << p << " has its header and footer";
        EXPECT_NE(doc.Page(p).FindText(QStringLiteral("- %1 -").arg(p)), nullptr)
            << "footer of page " << p;
    }
}

// Table cells are found by their top within half a millimetre: each table
// returns its bottom truncated to the page unit, so the cursor may fall
// behind the layout by a unit per table.
constexpr int kDrift = 5;

// The report of a model after its calculation (which must pass).
struct ReportOf {
    explicit ReportOf(BeamModel model, bool pageBreakFlag = false) : m(std::move(model)) {
        beam = CalculateBeam(m);
        passed = beam.Passed();
        ReportOptions options;
        options.documentPath = QStringLiteral("/data/beam.KMX");
        options.version = QStringLiteral("3.0.6.0");
        options.pageBreakFlag = pageBreakFlag;
        ReportRun(doc, m, beam, options);
    }
    BeamModel m;
    CalculatedBeam beam;
    bool passed = false;
    TplPrev doc;
};

}  // namespace kmr::test
