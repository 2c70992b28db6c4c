// plovkmr calc output: the text tables and the one-line JSON.
#include "app/cli/ResultOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/support/BeamBuilder.h"

namespace kmr::cli {
namespace {

using namespace kmr::test;

// The number after the n-th (0-based) occurrence of "key": in a document.
double JsonNumber(const std::string& json, const std::string& key, int n = 0) {
    std::size_t pos = 0;
    for (int i = 0; i <= n; ++i) {
        pos = json.find("\"" + key + "\":", pos);
        if (pos == std::string::npos) return -1e300;
        pos += key.size() + 3;
    }
    return std::strtod(json.c_str() + pos, nullptr);
}

template <typename Write, typename... Args>
std::string Written(Write write, const Args&... args) {
    std::ostringstream out;
    write(out, args...);
    return out.str();
}

// One simple span of 6 m under 1 t/m: 4.5 t m at mid-span, 3 t reactions.
BeamModel SimpleSpan(int inputUnit, int outputUnit, double w) {
    BeamModel m = MakeBeam({6.0}, {S, K});
    m.Supports[2].SpringConstant = 1e3;
    m.Header.InputUnit = inputUnit;
    m.Header.OutputUnit = outputUnit;
    SetCommonLoad(m, w);
    return m;
}

TEST(ResultJson, ForcesInTheOutputUnit) {
    const struct {
        int in, out;
        double w, factor;
    } rows[] = {{0, 0, 1.0, 1.0}, {0, 1, 1.0, 9.80665}, {1, 0, 9.80665, 1.0}, {1, 1, 2.0, 2.0}};
    for (const auto& row : rows) {
        const BeamModel m = SimpleSpan(row.in, row.out, row.w);
        CalcResults r;
        RunCalculation(m, r);
        const std::string json = Written(WriteResultsJson, "a.KMX", m, BeamFromResults(m, r));
        SCOPED_TRACE(json);
        EXPECT_NEAR(JsonNumber(json, "MCenter"), 4.5 * row.factor, 1e-4 * row.factor);
        EXPECT_NEAR(JsonNumber(json, "QRight"), -3.0 * row.factor, 1e-4 * row.factor);
        EXPECT_NEAR(JsonNumber(json, "reaction", 1), 3.0 * row.factor, 1e-4 * row.factor);
        const double toOut = row.in == row.out ? 1.0 : row.in == 0 ? 9.80665 : 0.1019716;
        EXPECT_NEAR(JsonNumber(json, "E"), 2100.0 * toOut, 1e-3);
        EXPECT_NEAR(JsonNumber(json, "spring", 1), 1e3 * toOut, 1e-3);
        // Deflections are not converted: reaction / spring constant, both in
        // the input unit (3w / 1000 cm).
        EXPECT_NEAR(JsonNumber(json, "deflection", 1), 3.0 * row.w / 1e3, 1e-7);
    }
}

TEST(ResultJson, DocumentShape) {
    BeamModel m = SimpleSpan(0, 1, 1.0);
    CalcResults r;
    RunCalculation(m, r);
    const std::string json = Written(WriteResultsJson, "dir/\"b\".KMX", m, BeamFromResults(m, r));
    EXPECT_EQ(json.rfind("{\"file\":\"dir/\\\"b\\\".KMX\",\"inputUnit\":\"t\",\"outputUnit\":"
                         "\"kN\",\"spanCount\":1,\"members\":[{\"name\":\"1\",\"span\":6,",
                         0),
              0u);
    EXPECT_NE(json.find("\"supports\":[{\"name\":\"A\",\"condition\":1,\"spring\":null,"),
              std::string::npos);
    EXPECT_NE(json.find("{\"name\":\"B\",\"condition\":3,\"spring\":9806.65,"), std::string::npos);
    EXPECT_EQ(json.find('\n'), json.size() - 1);
    // The extremes follow the end forces of each member, in this order; the
    // equilibrium closes the document.
    std::size_t at = json.find("\"QRight\":");
    for (const char* key : {"MMax", "xMMax", "MMin", "xMMin", "QMax", "xQMax", "deflectionMax",
                            "xDeflectionMax", "deflectionMin", "xDeflectionMin"}) {
        const std::size_t next = json.find(std::string(",\"") + key + "\":", at);
        EXPECT_LT(at, next) << key;
        at = next;
    }
    EXPECT_LT(at, json.find("}],\"supports\":"));
    EXPECT_NE(json.find("],\"equilibrium\":{\"loads\":"), std::string::npos);
    EXPECT_NEAR(JsonNumber(json, "loads"), 6 * 9.80665, 1e-9);
    EXPECT_NEAR(JsonNumber(json, "reactions"), 6 * 9.80665, 1e-4);
    EXPECT_NEAR(JsonNumber(json, "xMMax"), 3.0, 1e-6);
}

TEST(ResultJson, Refusal) {
    ValidationResult v;
    v.code = kNoSpanLength;
    v.lines = {"スパン長が入力されていません。", "", "        部材名 [1]"};
    EXPECT_EQ(Written(WriteRefusalJson, "x.KMX", v),
              "{\"file\":\"x.KMX\",\"error\":{\"code\":1,\"message\":\"スパン長が入力されていませ"
              "ん。\\r\\n\\r\\n        部材名 [1]\"}}\n");
}

TEST(ResultText, ReportLabelsUnitsAndFormats) {
    BeamModel m = SimpleSpan(0, 1, 1.0);
    CalcResults r;
    RunCalculation(m, r);
    const std::string text = Written(WriteResultsText, "a.KMX", m, BeamFromResults(m, r));
    for (const char* part : {"入力単位: t   出力単位: kN   スパン数: 1",
                             "●応力算定結果",
                             "スパン長 (m)",
                             "Ｉo (cm4)",
                             "Ｅ (kN/cm2)",
                             "中央Ｍ (kNm)",
                             "せん断Ｑ 右 (kN)",
                             "反  力 (kN)",
                             "ﾊﾞﾈ定数 (kN/cm)",
                             "[ 1 ]",
                             "[ B ]",
                             "単 純",
                             "バ ネ",
                             "6.000",
                             "100000.0",
                             "20594.0",
                             "44.130",
                             "-29.420",
                             "9806.650",
                             "●スパン内最大値",
                             "最大Ｍ (kNm)",
                             "最大Ｑ (kN)",
                             "最大たわみ (cm)"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
}

}  // namespace
}  // namespace kmr::cli
