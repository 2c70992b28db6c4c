// VF_HSPRPS against published tables of rolled H-sections, against strip
// integration of the exact section shape, and on its special paths.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "kmrengine.h"

namespace {

struct Props {
    float A, W, webArea, flangeAreaTerm, Ix, Iy, ix, iy, i, ratio, Zx, Zy, Zpx, Zpy;
};

Props Hsprps(float H, float B, float tw, float tf, float r, float d, int kind, int round,
             float flangeRadiusBefore = 0.0f) {
    Props p;
    p.i = flangeRadiusBefore;
    VF_HSPRPS(&p.A, &p.W, &p.webArea, &p.flangeAreaTerm, &p.Ix, &p.Iy, &p.ix, &p.iy, &p.i, &p.ratio,
              &p.Zx, &p.Zy, &p.Zpx, &p.Zpy, H, B, tw, tf, r, d, kind, round);
    return p;
}

// Rolled H-sections, JIS G 3192 tables (A cm², W kg/m, I cm⁴, i cm, Z cm³).
struct TableRow {
    const char* name;
    float H, B, tw, tf, r;
    float A, W, Ix, Iy, ix, iy, Zx, Zy;
};

const TableRow kRolled[] = {
    {"H-200x100x5.5x8", 200, 100, 5.5f, 8, 8, 26.67f, 20.9f, 1810, 134, 8.23f, 2.24f, 181, 26.7f},
    {"H-250x125x6x9", 250, 125, 6, 9, 12, 37.66f, 29.6f, 4050, 294, 10.4f, 2.79f, 324, 47.0f},
    {"H-300x150x6.5x9", 300, 150, 6.5f, 9, 13, 46.78f, 36.7f, 7210, 508, 12.4f, 3.29f, 481, 67.7f},
    {"H-400x200x8x13", 400, 200, 8, 13, 16, 84.12f, 66.0f, 23700, 1740, 16.8f, 4.54f, 1190, 174},
};

TEST(Section, RolledSectionsMatchThePublishedTables) {
    for (const TableRow& t : kRolled) {
        SCOPED_TRACE(t.name);
        const Props p = Hsprps(t.H, t.B, t.tw, t.tf, t.r, 0, 1, 1);
        EXPECT_FLOAT_EQ(p.A, t.A);
        EXPECT_FLOAT_EQ(p.W, t.W);
        EXPECT_FLOAT_EQ(p.Ix, t.Ix);
        EXPECT_FLOAT_EQ(p.Iy, t.Iy);
        EXPECT_FLOAT_EQ(p.ix, t.ix);
        EXPECT_FLOAT_EQ(p.iy, t.iy);
        EXPECT_FLOAT_EQ(p.Zx, t.Zx);
        EXPECT_FLOAT_EQ(p.Zy, t.Zy);
    }
}

// Section properties by integrating thin strips of the true outline: plates
// plus four fillets, circular or triangular, of size r (mm).
struct Strips {
    double H, B, tw, tf, r;
    bool circular;

    double FilletWidth(double s) const {  // at distance s from where the fillet starts
        if (r <= 0) return 0;
        return circular ? r - std::sqrt(std::max(0.0, r * r - s * s)) : s;
    }
    static double Integrate(const std::function<double(double)>& f, double a, double b) {
        const int n = 20000;  // Simpson
        const double h = (b - a) / n;
        double s = f(a) + f(b);
        for (int i = 1; i < n; ++i) s += f(a + i * h) * (i % 2 ? 4 : 2);
        return s * h / 3;
    }
    // 2 ∫ b(y) g(y) dy over the half-section, piece by piece: web, fillets, flange.
    double AlongY(const std::function<double(double)>& g) const {
        const double k1 = H / 2 - tf - r, k2 = H / 2 - tf;
        const double web = Integrate([&](double y) { return tw * g(y); }, 0, k1);
        const double fillets =
            Integrate([&](double y) { return (tw + 2 * FilletWidth(y - k1)) * g(y); }, k1, k2);
        const double flange = Integrate([&](double y) { return B * g(y); }, k2, H / 2);
        return 2 * (web + fillets + flange);
    }
    // 2 ∫ c(x) g(x) dx, c the height of the section at x: depth over the web,
    // the flange plates of total thickness plates and their fillets elsewhere.
    double AlongX(const std::function<double(double)>& g, double depth, double plates,
                  int filletsPerSide) const {
        const double k1 = tw / 2, k2 = tw / 2 + r;
        const double web = Integrate([&](double x) { return depth * g(x); }, 0, k1);
        const double fillets = Integrate(
            [&](double x) { return (plates + filletsPerSide * FilletWidth(k2 - x)) * g(x); }, k1,
            k2);
        const double flange = Integrate([&](double x) { return plates * g(x); }, k2, B / 2);
        return 2 * (web + fillets + flange);
    }
    double Area() const {
        return AlongY([](double) { return 1.0; }) * 0.01;
    }
    double Ix() const {
        return AlongY([](double y) { return y * y; }) * 1e-4;
    }
    double Iy() const {
        return AlongX([](double x) { return x * x; }, H, 2 * tf, 2) * 1e-4;
    }
    double Zpx() const {
        return AlongY([](double y) { return y; }) * 1e-3;
    }
    double Zpy() const {
        return AlongX([](double x) { return x; }, H, 2 * tf, 2) * 1e-3;
    }
    // Compression zone: one flange, its two fillets and the web down to H/6.
    double FlangeRadius() const {
        const double area = AlongX([](double) { return 1.0; }, H / 6, tf, 1);
        const double inertia = AlongX([](double x) { return x * x; }, H / 6, tf, 1);
        return std::sqrt(inertia / area) * 0.1;
    }
};

void ExpectNearRel(double got, double want, double rel, const std::string& what) {
    EXPECT_NEAR(got, want, rel * std::fabs(want)) << what;
}

// Compares every property with strip integration of the outline; rel is the
// relative tolerance.
void ExpectMatchesStrips(const Props& p, const Strips& s, double rel) {
    const double area = s.Area(), ix = s.Ix(), iy = s.Iy();
    ExpectNearRel(p.A, area, rel, "A");
    ExpectNearRel(p.W, area * 0.785, rel, "W");
    ExpectNearRel(p.Ix, ix, rel, "Ix");
    ExpectNearRel(p.Iy, iy, rel, "Iy");
    ExpectNearRel(p.ix, std::sqrt(ix / area), rel, "ix");
    ExpectNearRel(p.iy, std::sqrt(iy / area), rel, "iy");
    ExpectNearRel(p.Zx, ix / (s.H / 20), rel, "Zx");
    ExpectNearRel(p.Zy, iy / (s.B / 20), rel, "Zy");
    ExpectNearRel(p.webArea, (s.H - 2 * s.tf) * s.tw * 0.01, 1e-6, "webArea");
    ExpectNearRel(p.Zpx, s.Zpx(), rel, "Zpx");
    ExpectNearRel(p.Zpy, s.Zpy(), rel, "Zpy");
    ExpectNearRel(p.i, s.FlangeRadius(), rel, "flange radius");
    ExpectNearRel(p.ratio, 10 * s.H * p.i / (s.B * s.tf), 1e-6, "flange ratio");
}

// Circular fillets enter through rounded constants; triangles and rectangles
// are exact up to single precision.
TEST(Section, AllKindsMatchStripIntegrationOfTheirShape) {
    for (const TableRow& t : kRolled) {
        for (int kind : {1, 2, 3}) {
            SCOPED_TRACE(std::string(t.name) + " kind " + std::to_string(kind));
            const float r = kind == 2 ? 6.0f : t.r;
            const Props p = Hsprps(t.H, t.B, t.tw, t.tf, r, 0, kind, 0);
            const Strips s{t.H, t.B, t.tw, t.tf, kind == 3 ? 0.0 : r, kind == 1};
            ExpectMatchesStrips(p, s, kind == 1 ? 2e-5 : 1e-6);
        }
    }
}

// Welded sections with weld legs large against the plates, so that the weld
// terms of the plastic moduli and of the flange zone carry weight.
TEST(Section, WeldedSectionsMatchStripIntegrationOfTheirShape) {
    struct Welded {
        float H, B, tw, tf, leg;
    };
    const Welded cases[] = {
        {400, 200, 9, 16, 6},   {400, 200, 9, 16, 15},    {600, 150, 6, 9, 20},
        {300, 300, 12, 12, 25}, {900, 250, 4.5f, 14, 18},
    };
    for (const Welded& w : cases) {
        SCOPED_TRACE("H=" + std::to_string(w.H) + " leg=" + std::to_string(w.leg));
        const Props p = Hsprps(w.H, w.B, w.tw, w.tf, w.leg, 0, 2, 0);
        ExpectMatchesStrips(p, Strips{w.H, w.B, w.tw, w.tf, w.leg, false}, 1e-6);
    }
}

TEST(Section, PlainSectionWorkedValues) {
    const Props p = Hsprps(200, 100, 5.5f, 8, 0, 0, 3, 0);
    EXPECT_FLOAT_EQ(p.A, 26.12f);
    EXPECT_FLOAT_EQ(p.W, 20.5042f);
    const double Ix = (100.0 * 200 * 200 * 200 - 184.0 * 184 * 184 * 94.5) * 0.0001 / 12;
    ExpectNearRel(p.Ix, Ix, 1e-6, "Ix");
    ExpectNearRel(p.Zx, 20 * Ix / 200, 1e-6, "Zx");
    ExpectNearRel(p.flangeAreaTerm, 0.02 * 100 * 8 / 1.5, 1e-6, "flange area term");
    const Props q = Hsprps(200, 100, 5.5f, 8, 0, 0, 3, 1);
    EXPECT_FLOAT_EQ(q.A, 26.12f);
    EXPECT_FLOAT_EQ(q.W, 20.5f);
}

TEST(Section, RolledWithoutFilletIsThePlainSection) {
    const Props rolled = Hsprps(300, 150, 6.5f, 9, 0, 0, 1, 0);
    const Props plain = Hsprps(300, 150, 6.5f, 9, 0, 0, 3, 0);
    EXPECT_FLOAT_EQ(rolled.A, plain.A);
    EXPECT_FLOAT_EQ(rolled.Ix, plain.Ix);
    EXPECT_FLOAT_EQ(rolled.Iy, plain.Iy);
    EXPECT_FLOAT_EQ(rolled.Zpx, plain.Zpx);
}

// A web opening of height d removes a tw x d rectangle from the moduli only.
TEST(Section, WebOpeningReducesTheModuliOnly) {
    const float H = 300, B = 150, tw = 6.5f, tf = 9, r = 13, d = 50;
    for (int kind : {1, 2, 3}) {
        SCOPED_TRACE(kind);
        const Props full = Hsprps(H, B, tw, tf, r, 0, kind, 0);
        const Props cut = Hsprps(H, B, tw, tf, r, d, kind, 0);
        EXPECT_EQ(cut.A, full.A);
        EXPECT_EQ(cut.W, full.W);
        EXPECT_EQ(cut.Ix, full.Ix);
        EXPECT_EQ(cut.Iy, full.Iy);
        EXPECT_EQ(cut.ix, full.ix);
        EXPECT_EQ(cut.iy, full.iy);
        ExpectNearRel(cut.webArea, full.webArea - tw * d * 0.01, 1e-6, "webArea");
        ExpectNearRel(cut.Zx, (full.Ix - tw * d * d * d / 12 * 1e-4) / (H / 20), 1e-6, "Zx");
        ExpectNearRel(cut.Zy, (full.Iy - d * tw * tw * tw / 12 * 1e-4) / (B / 20), 1e-6, "Zy");
        ExpectNearRel(cut.Zpx, full.Zpx - tw * d * d / 4 * 1e-3, 1e-6, "Zpx");
        ExpectNearRel(cut.Zpy, full.Zpy - d * tw * tw / 4 * 1e-3, 1e-6, "Zpy");
    }
}

// A flange thicker than a sixth of the depth leaves no web in the compression
// zone: the radius stays as the caller had it and one line goes to stderr.
TEST(Section, EmptyFlangeZoneReportsADataError) {
    for (int kind : {2, 3}) {
        SCOPED_TRACE(kind);
        testing::internal::CaptureStderr();
        const Props p = Hsprps(50, 100, 5, 10, 4, 0, kind, 0, 7.0f);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.rfind("［DRZJBN］: DATA Error : H=5 B=10 tw=0.5 tf=1", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
        EXPECT_EQ(p.i, 7.0f);
        EXPECT_FLOAT_EQ(p.ratio, 50 * 7.0f * 10 / 100 / 10);
        EXPECT_GT(p.A, 0.0f);
    }
    testing::internal::CaptureStderr();
    Hsprps(400, 200, 8, 13, 16, 0, 3, 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Non-positive or non-finite dimensions: every output 0, nothing printed, no
// trap under the sanitizers.
TEST(Section, UnusableDimensionsGiveZeros) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Bad {
        float H, B, tw, tf, r, d;
        int kind;
    };
    const Bad cases[] = {
        {0, 100, 5.5f, 8, 8, 0, 1},    {200, -100, 5.5f, 8, 8, 0, 2},
        {200, 100, 0, 8, 8, 0, 3},     {200, 100, 5.5f, 0, 8, 0, 1},
        {nan, 100, 5.5f, 8, 8, 0, 1},  {200, inf, 5.5f, 8, 8, 0, 3},
        {200, 100, 5.5f, 8, -1, 0, 1}, {200, 100, 5.5f, 8, nan, 0, 2},
        {200, 100, 5.5f, 8, 8, -5, 1}, {200, 100, 5.5f, 8, 8, nan, 3},
    };
    for (const Bad& b : cases) {
        for (int round : {0, 1}) {
            testing::internal::CaptureStderr();
            const Props p = Hsprps(b.H, b.B, b.tw, b.tf, b.r, b.d, b.kind, round, 9.0f);
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
            const float* v = &p.A;
            for (int k = 0; k < 14; ++k) EXPECT_EQ(v[k], 0.0f) << "output " << k + 1;
        }
    }
    // A plain section does not use its fillet size.
    EXPECT_GT(Hsprps(200, 100, 5.5f, 8, nan, 0, 3, 1).A, 0.0f);
}

}  // namespace
