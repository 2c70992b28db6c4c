#include "report/StressDiagram.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "report/Primitives.h"
#include "report/ReportFonts.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kGuide(150, 150, 150);
const QColor kFill(222, 222, 222);
constexpr int kIntervals = 40;  // points per member besides breaks and extremes
// m: positions whose texts with three decimals are alike (not the same
// position along a member: that is kSamePosition).
constexpr double kPrintsAlike = 0.0005;
constexpr float kLabelGap = 0.04f;  // cm between a point and its label
constexpr float kEndInset = 0.05f;  // cm between a support and an end label

float BandBlock(const StressDiagramFrame& f) {
    return f.labelRoom + f.bandHeight + f.labelRoom;
}

// A value prints as zero: it gets no label.
bool PrintsAsZero(double v) {
    return ByMagnitude(v) == QStringLiteral("0.000");
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= kPrintsAlike;
}

// Where a label stands against its point: centred on it, or starting just
// right of it (a member's left end), or ending just left of it (its right end).
enum class Along { Centre, After, Before };

struct Candidate {
    int priority = 0;  // 0 first
    double beamX = 0;  // m from the beam's left end
    double value = 0;
    QString text;
    Along along = Along::Centre;
};

// The values of one band at its points, and the extents above and below the
// axis as drawn.
double BandValue(StressBand band, const DiagramValues& v) {
    switch (band) {
        case StressBand::Moment:
            return v.M;
        case StressBand::Shear:
            return v.Q;
        case StressBand::Deflection:
            return v.Deflection;
    }
    return 0;
}

// Moments sagging below (the tension side), shear positive above,
// deflection downward below.
int BandSign(StressBand band) {
    return band == StressBand::Shear ? -1 : 1;
}

class Drawer {
  public:
    Drawer(TplPrev& doc, const CalculatedBeam& beam, int first, int last,
           const StressDiagramFrame& frame)
        : doc_(doc), beam_(beam), d_(beam.Diagram()), first_(first), last_(last), f_(frame) {
        for (const MemberDiagram& m : d_.Members) points_.push_back(DiagramPoints(m, kIntervals));
        const double x0 = Start(first_);
        const double x1 = Start(last_) + Member(last_).Length();
        p_.left = f_.left;
        p_.xOrigin = x0;
        p_.xScale = x1 > x0 ? f_.width / (x1 - x0) : 0.0;
        p_.bottom = f_.top + StressDiagramsHeight(f_);
    }

    StressDiagramPlacement Draw() {
        for (int b = 0; b < 3; ++b) Scale(static_cast<StressBand>(b));
        Guides();
        for (int b = 0; b < 3; ++b) Band(static_cast<StressBand>(b));
        Strip();
        return p_;
    }

  private:
    const MemberDiagram& Member(int i) const { return d_.Members[std::size_t(i - 1)]; }
    double Start(int i) const { return d_.MemberStart[std::size_t(i - 1)]; }
    float CurveTop(StressBand b) const {
        return f_.top + static_cast<float>(b) * BandBlock(f_) + f_.labelRoom;
    }

    void Scale(StressBand band) {
        const int sign = BandSign(band);
        double above = 0, below = 0;
        for (const auto& pts : points_) {
            for (const DiagramPoint& pt : pts) {
                const double drawn = sign * BandValue(band, pt.Values);
                below = std::max(below, drawn);
                above = std::max(above, -drawn);
            }
        }
        BandScale& s = p_.bands[std::size_t(band)];
        s.sign = sign;
        const double extent = above + below;
        s.scale = extent > 1e-12 ? f_.bandHeight / extent : 0.0;
        s.axis = CurveTop(band) +
                 (extent > 1e-12 ? static_cast<float>(above * s.scale) : f_.bandHeight / 2);
    }

    // Dotted lines through the bands at every support of the group.
    void Guides() {
        const float y1 = f_.top;
        const float y2 = f_.top + 3 * BandBlock(f_);
        for (int s = first_; s <= last_ + 1; ++s) {
            const float x = p_.X(s <= last_ ? Start(s) : Start(last_) + Member(last_).Length());
            DrawLine(doc_, x, y1, x, y2, 1, kGuide, psDot);
        }
    }

    void Band(StressBand band) {
        const BandScale& s = p_.bands[std::size_t(band)];
        const float top = CurveTop(band);
        DrawText(doc_, BandTitle(band), f_.titleLeft, top, TextAlign::Left, TextAlign::Top,
                 f_.titleSize, fkGothic);
        DrawText(doc_, BandUnit(band, OutputUnitWord(beam_.OutputUnit())), f_.titleLeft, top + 0.4f,
                 TextAlign::Left, TextAlign::Top, f_.titleSize, fkGothic);
        // Moment and shear as areas closed on the axis; the deflection as a
        // line (its points there and back), continuous over the supports.
        const bool area = band != StressBand::Deflection;
        for (int i = first_; i <= last_; ++i) {
            const double x0 = Start(i);
            std::vector<CmPoint> poly;
            if (area) poly.push_back({p_.X(x0), s.axis});
            for (const DiagramPoint& pt : points_[std::size_t(i - 1)]) {
                poly.push_back({p_.X(x0 + pt.X), s.Y(BandValue(band, pt.Values))});
            }
            if (area) {
                poly.push_back({p_.X(x0 + Member(i).Length()), s.axis});
            } else {
                for (std::size_t k = poly.size() - 1; k-- > 1;) poly.push_back(poly[k]);
            }
            DrawPolygon(doc_, poly, 2, kBlack, psSolid, pmCopy, area ? bsSolid : bsClear, kFill);
        }
        DrawLine(doc_, p_.X(Start(first_)), s.axis, p_.X(Start(last_) + Member(last_).Length()),
                 s.axis, 1, kBlack);
        PlaceLabels(band, Candidates(band));
    }

    std::vector<Candidate> Candidates(StressBand band) const {
        std::vector<Candidate> c;
        const auto add = [&](int priority, double beamX, double value, const QString& text,
                             Along along) {
            if (!PrintsAsZero(value)) c.push_back({priority, beamX, value, text, along});
        };
        for (int i = first_; i <= last_; ++i) {
            const MemberDiagram& m = Member(i);
            const double x0 = Start(i), L = m.Length();
            const MemberExtremes& e = beam_.Extremes(i);
            const auto inside = [&](double x) { return !Near(x, 0) && !Near(x, L); };
            const auto along = [&](double x) {
                return Near(x, 0) ? Along::After : Near(x, L) ? Along::Before : Along::Centre;
            };
            if (band == StressBand::Moment) {
                bool midDone = false;
                for (const auto& [v, x] :
                     {std::pair{e.MMax, e.XMMax}, std::pair{e.MMin, e.XMMin}}) {
                    if (!inside(x)) continue;
                    add(0, x0 + x, v, DiagramExtremeLabel(v, x), Along::Centre);
                    midDone = midDone || Near(x, L / 2);
                }
                const double mid = m.At(L / 2).M;
                if (!midDone) add(2, x0 + L / 2, mid, DiagramValueLabel(mid), Along::Centre);
            } else if (band == StressBand::Shear) {
                if (inside(e.XQMax)) {
                    add(0, x0 + e.XQMax, e.QMax, DiagramExtremeLabel(e.QMax, e.XQMax),
                        Along::Centre);
                }
            } else {
                add(0, x0 + e.XDeflectionMax, e.DeflectionMax,
                    DiagramExtremeLabel(e.DeflectionMax, e.XDeflectionMax),
                    along(e.XDeflectionMax));
                if (e.DeflectionMin < 0) {
                    add(0, x0 + e.XDeflectionMin, e.DeflectionMin,
                        DiagramExtremeLabel(e.DeflectionMin, e.XDeflectionMin),
                        along(e.XDeflectionMin));
                }
            }
        }
        if (band != StressBand::Deflection) SupportValues(band, add);
        std::stable_sort(c.begin(), c.end(), [](const Candidate& a, const Candidate& b) {
            return a.priority < b.priority;
        });
        return c;
    }

    // The values of a band at the supports of the group: one centred label
    // where both sides of a support print alike, otherwise each side's value
    // beside the support.
    template <class Add>
    void SupportValues(StressBand band, const Add& add) const {
        for (int s = first_; s <= last_ + 1; ++s) {
            std::optional<double> left, right;
            if (s > first_) {
                const MemberDiagram& m = Member(s - 1);
                left = BandValue(band, m.At(m.Length(), DiagramSide::Left));
            }
            if (s <= last_) right = BandValue(band, Member(s).At(0, DiagramSide::Right));
            const double x = s <= last_ ? Start(s) : Start(last_) + Member(last_).Length();
            if (left && right && ByMagnitude(*left) == ByMagnitude(*right)) {
                add(1, x, *right, DiagramValueLabel(*right), Along::Centre);
                continue;
            }
            if (left) add(1, x, *left, DiagramValueLabel(*left), Along::Before);
            if (right) add(1, x, *right, DiagramValueLabel(*right), Along::After);
        }
    }

    void PlaceLabels(StressBand band, const std::vector<Candidate>& candidates) {
        const BandScale& s = p_.bands[std::size_t(band)];
        RecordingCanvas& canvas = doc_.PageCanvas();
        canvas.SetFontSize(f_.labelSize);
        canvas.SetFontName(FontKindFace(fkPGothic));
        const float th = static_cast<float>(canvas.TextHeight()) / 100.0f;
        const float lo = f_.left, hi = f_.left + f_.width;
        std::vector<QRectF> placed;
        for (const Candidate& c : candidates) {
            canvas.SetFontSize(f_.labelSize);
            canvas.SetFontName(FontKindFace(fkPGothic));
            const float tw = static_cast<float>(canvas.TextWidth(c.text)) / 100.0f;
            const float px = p_.X(c.beamX);
            const float py = s.Y(c.value);
            float x = c.along == Along::After    ? px + kEndInset
                      : c.along == Along::Before ? px - kEndInset - tw
                                                 : px - tw / 2;
            x = std::max(lo, std::min(x, hi - tw));
            const bool below = py >= s.axis;
            const float y = below ? py + kLabelGap : py - kLabelGap - th;
            const QRectF r(x, y, tw, th);
            const bool overlaps = std::any_of(placed.begin(), placed.end(),
                                              [&](const QRectF& o) { return o.intersects(r); });
            if (overlaps) continue;
            placed.push_back(r);
            DrawText(doc_, c.text, x, y, TextAlign::Left, TextAlign::Top, f_.labelSize, fkPGothic);
        }
    }

    // Support ticks and letters, and the span lengths between them.
    void Strip() {
        const float y = f_.top + 3 * BandBlock(f_);
        DrawLine(doc_, p_.X(Start(first_)), y, p_.X(Start(last_) + Member(last_).Length()), y, 1,
                 kBlack);
        for (int s = first_; s <= last_ + 1; ++s) {
            const float x = p_.X(s <= last_ ? Start(s) : Start(last_) + Member(last_).Length());
            DrawLine(doc_, x, y - 0.1f, x, y + 0.1f, 1, kBlack);
            DrawText(doc_, QString(QLatin1Char(SupportLetter(s))), x, y + 0.15f, TextAlign::Center,
                     TextAlign::Top, f_.titleSize, fkGothic);
        }
        for (int i = first_; i <= last_; ++i) {
            const double L = Member(i).Length();
            DrawText(doc_, Fixed(L, 3), p_.X(Start(i) + L / 2), y + 0.15f, TextAlign::Center,
                     TextAlign::Top, f_.titleSize, fkPGothic);
        }
    }

    TplPrev& doc_;
    const CalculatedBeam& beam_;
    const BeamDiagram& d_;
    int first_, last_;
    StressDiagramFrame f_;
    std::vector<std::vector<DiagramPoint>> points_;
    StressDiagramPlacement p_;
};

}  // namespace

float StressDiagramsHeight(const StressDiagramFrame& frame) {
    return 3 * BandBlock(frame) + frame.axisStrip;
}

QString DiagramValueLabel(double value) {
    return ByMagnitude(value);
}

QString DiagramExtremeLabel(double value, double x) {
    return ByMagnitude(value) + QStringLiteral(" (x=") + Fixed(x, 3) + QLatin1Char(')');
}

QString BandTitle(StressBand band) {
    switch (band) {
        case StressBand::Moment:
            return QStringLiteral("Ｍ図");
        case StressBand::Shear:
            return QStringLiteral("Ｑ図");
        case StressBand::Deflection:
            return QStringLiteral("δ図");
    }
    return QString();
}

QString BandUnit(StressBand band, const QString& forceUnit) {
    switch (band) {
        case StressBand::Moment:
            return QLatin1Char('(') + forceUnit + QStringLiteral("m)");
        case StressBand::Shear:
            return QLatin1Char('(') + forceUnit + QLatin1Char(')');
        case StressBand::Deflection:
            return QStringLiteral("(cm)");
    }
    return QString();
}

QString SignConventionText() {
    return QStringLiteral(
        "材端Ｍ: 時計回り正 / 応力図: 下端引張側に描画 / 変位: 下向き正 / 反力: 上向き正");
}

StressDiagramPlacement DrawStressDiagrams(TplPrev& doc, const CalculatedBeam& beam, int first,
                                          int last, const StressDiagramFrame& frame) {
    const int n = beam.SpanCount();
    first = std::max(1, first);
    last = std::min(n, last);
    if (first > last) {
        StressDiagramPlacement none;
        none.left = frame.left;
        none.bottom = frame.top + StressDiagramsHeight(frame);
        return none;
    }
    return Drawer(doc, beam, first, last, frame).Draw();
}

}  // namespace kmr
