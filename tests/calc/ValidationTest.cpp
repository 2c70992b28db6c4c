#include "calc/CalculatedBeam.h"
#include "calc/Validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;

const std::string kBreak = "\r\n\r\n        ";

// A two-span model that passes every mode.
BeamModel Valid() {
    return MakeBeam({6.0, 6.0}, {S, S, S});
}

struct Case {
    const char* name;
    ValidationMode mode;
    std::function<void(BeamModel&)> edit;
    int code;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ValidationCases : public ::testing::TestWithParam<Case> {};

TEST_P(ValidationCases, SettlesOnTheExpectedCode) {
    BeamModel m = Valid();
    GetParam().edit(m);
    EXPECT_EQ(ValidateModel(m, GetParam().mode).code, GetParam().code);
}

// Which check wins when several offences meet: the checks that run
// regardless overwrite an earlier code, the others run only while it is 0.
const Case kOrderCases[] = {
    {"UnstableThenCommonLoad", kValidateCalculation,
     [](BeamModel& m) {
         m.Supports[3].Condition = R;
         m.Supports[1].Condition = R;
         m.Header.CommonLoad = 1001.0;
     },
     kCommonLoadOverLimit},
    {"CommonLoadHidesCommonHeight", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.CommonLoad = -1001.0;
         m.Header.CommonLoadHeight = 200.0;
     },
     kCommonLoadOverLimit},
    {"UnstableInModeOneThenSpanZero", kValidateLoadDiagram,
     [](BeamModel& m) {
         m.Supports[1].Condition = R;
         m.Supports[3].Condition = R;
         m.Members[1].SpanLength = 0.0;
     },
     kNoSpanLength},
    {"CommonLoadThenSpanZero", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.CommonLoad = 5000.0;
         m.Members[1].SpanLength = 0.0;
     },
     kNoSpanLength},
    {"SpanZeroThenLoadValue", kValidateCalculation,
     [](BeamModel& m) {
         m.Members[1].SpanLength = 0.0;
         SetLoad(m, 1, 4, kLoadUniform, 1001.0, 0.0, 1.0);
     },
     kLoadValueOverLimit},
    {"HeightInEarlierSlotEndsSlotLoop", kValidateCalculation,
     [](BeamModel& m) {
         SetLoad(m, 1, 1, kLoadUniform, 1.0, 0.0, 1.0, 0.0, -200.0);
         SetLoad(m, 1, 2, kLoadUniform, 1001.0, 0.0, 1.0);
     },
     kLoadHeightOverLimit},
    {"SpanZeroHidesIo", kValidateCalculation,
     [](BeamModel& m) {
         m.Members[1].SpanLength = 0.0;
         m.Members[1].Io = 0.0;
     },
     kNoSpanLength},
    {"IoHidesE", kValidateCalculation,
     [](BeamModel& m) {
         m.Members[1].Io = 0.0;
         m.Members[1].E = 0.0;
     },
     kNoIo},
    {"EHidesExtent", kValidateCalculation,
     [](BeamModel& m) {
         m.Members[1].E = 0.0;
         SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 7.0);
     },
     kNoE},
    {"MemberHidesSpring", kValidateCalculation,
     [](BeamModel& m) {
         m.Supports[2].Condition = K;
         m.Members[2].Io = 2e11;
     },
     kIoOverLimit},
    {"FirstOffendingMemberEndsLoop", kValidateCalculation,
     [](BeamModel& m) {
         SetLoad(m, 1, 1, kLoadUniform, 2000.0, 0.0, 1.0);
         m.Members[2].SpanLength = 0.0;
     },
     kLoadValueOverLimit},
    {"CommonIoHidesCommonE", kValidateCommon,
     [](BeamModel& m) {
         m.Header.CommonIo = 2e11;
         m.Header.CommonE = 2e6;
     },
     kCommonIoOverLimit},
    {"CommonHeightHidesBeamSize", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.CommonLoadHeight = 101.0;
         m.Header.IoInputMode = 1;
         m.Header.CommonB = 2000.0;
     },
     kCommonLoadHeightOverLimit},
    {"UnstableHidesCommonData", kValidateCalculation,
     [](BeamModel& m) {
         m.Supports[1].Condition = H;
         m.Supports[3].Condition = H;
         m.Header.CommonE = 2e6;
     },
     kUnstable},
};
INSTANTIATE_TEST_SUITE_P(Order, ValidationCases, ::testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Limits, ε and the single-precision constants, and which mode runs what.
const Case kLimitCases[] = {
    {"SpanAtLimitPasses", kValidateCalculation,
     [](BeamModel& m) { m.Members[2].SpanLength = 100.0; }, 0},
    {"SpanOverLimit", kValidateCalculation, [](BeamModel& m) { m.Members[2].SpanLength = 100.001; },
     kSpanOverLimit},
    {"SpanBelowEpsilon", kValidateCalculation, [](BeamModel& m) { m.Members[2].SpanLength = 9e-7; },
     kNoSpanLength},
    {"SpanAtEpsilonPasses", kValidateLoadDiagram,
     [](BeamModel& m) { m.Members[2].SpanLength = 1e-6f; }, 0},
    {"IoSingleLimitPasses", kValidateCalculation,
     [](BeamModel& m) { m.Members[1].Io = 99999997952.0; }, 0},
    {"IoTenToElevenOffends", kValidateCalculation, [](BeamModel& m) { m.Members[1].Io = 1e11; },
     kIoOverLimit},
    {"ELimitTon", kValidateCalculation, [](BeamModel& m) { m.Members[1].E = 1e6 + 1; },
     kEOverLimit},
    {"ELimitKiloNewton", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.InputUnit = 1;
         m.Members[1].E = 1e7;
     },
     0},
    {"LoadValueKiloNewtonPasses", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.InputUnit = 1;
         SetLoad(m, 1, 1, kLoadConcentrated, 5000.0, 3.0);
     },
     0},
    {"SpringKiloNewtonOverLimit", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.InputUnit = 1;
         m.Supports[2].Condition = K;
         m.Supports[2].SpringConstant = 10001.0;
     },
     kSpringOverLimit},
    {"SpringTonAtLimitPasses", kValidateCalculation,
     [](BeamModel& m) {
         m.Supports[2].Condition = K;
         m.Supports[2].SpringConstant = 1000.0;
     },
     0},
    {"SpringUnset", kValidateCalculation, [](BeamModel& m) { m.Supports[2].Condition = K; },
     kNoSpringConstant},
    {"SpringUnsetIgnoredOutsideModeZero", kValidateLoadDiagram,
     [](BeamModel& m) { m.Supports[2].Condition = K; }, 0},
    {"CommonHeightNegativePasses", kValidateCalculation,
     [](BeamModel& m) { m.Header.CommonLoadHeight = -2.0; }, 0},
    {"CommonHeightNegativeByMagnitude", kValidateCalculation,
     [](BeamModel& m) { m.Header.CommonLoadHeight = -200.0; }, kCommonLoadHeightOverLimit},
    {"CommonHeightHugeNegative", kValidateLoadDiagram,
     [](BeamModel& m) { m.Header.CommonLoadHeight = -1e38; }, kCommonLoadHeightOverLimit},
    {"NegativeCommonLoadPasses", kValidateCalculation,
     [](BeamModel& m) { SetCommonLoad(m, -999.0, 2.0); }, 0},
    {"SmallNegativeDistancePasses", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadUniform, 1.0, -0.5, 3.0); }, 0},
    {"NegativeDistanceBeyondSpan", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 2, 2, kLoadConcentrated, 1.0, -6.001); }, kLoadBeyondSpan},
    {"HugeNegativeDistance", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 2, 2, kLoadUniform, 1.0, -1e30, 1.0); }, kLoadBeyondSpan},
    {"HugeNegativeLength1", kValidateLoadDiagram,
     [](BeamModel& m) { SetLoad(m, 1, 3, kLoadTriangle, 1.0, 1e30, -1e30); }, kLoadBeyondSpan},
    {"HugeNegativeLength2", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 3, kLoadTrapezoid, 1.0, 0.0, 1.0, -1e30); }, kLoadBeyondSpan},
    {"NodeLoadOverLimit", kValidateCalculation,
     [](BeamModel& m) { SetNodeLoad(m, 3, 5, kNodeForce, 1e38); }, kNodeLoadOverLimit},
    {"NodeMomentOverLimit", kValidateCalculation,
     [](BeamModel& m) { SetNodeLoad(m, 1, 1, kNodeMoment, -1000.5); }, kNodeLoadOverLimit},
    {"NodeLoadKiloNewtonPasses", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.InputUnit = kUnitKiloNewton;
         SetNodeLoad(m, 2, 1, kNodeForce, 9999.0);
     },
     0},
    {"EmptyNodeSlotIgnored", kValidateCalculation,
     [](BeamModel& m) { SetNodeLoad(m, 2, 1, kNodeNone, 1e38); }, 0},
    {"NodeLoadsOnlyInModeZero", kValidateLoadDiagram,
     [](BeamModel& m) { SetNodeLoad(m, 2, 1, kNodeForce, 1e38); }, 0},
    {"NodeLoadBeyondCountIgnored", kValidateCalculation,
     [](BeamModel& m) { SetNodeLoad(m, 4, 1, kNodeForce, 1e38); }, 0},
    {"MemberHeightNegativeOffends", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadUniform, 1.0, 0.0, 1.0, 0.0, -200.0); },
     kLoadHeightOverLimit},
    {"EmptySlotValueStillChecked", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 2, 5, kLoadNone, 1001.0, 0.0); }, kLoadValueOverLimit},
    {"UnselectedSlotValueStillChecked", kValidateLoadDiagram,
     [](BeamModel& m) { SetLoad(m, 2, 5, -1, -1001.0, 0.0); }, kLoadValueOverLimit},
    {"EmptySlotExtentIgnored", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 2, 5, kLoadNone, 1.0, 50.0); }, 0},
    {"ConcentratedAtSpanEndPasses", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 6.0); }, 0},
    {"ConcentratedBeyondSpan", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 6.001); }, kLoadBeyondSpan},
    {"TrapezoidEndingAtSpanPasses", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadTrapezoid, 1.0, 1.0, 2.0, 1.0); }, 0},
    {"TrapezoidBeyondSpan", kValidateLoadDiagram,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadTrapezoid, 1.0, 1.1, 2.0, 1.0); }, kLoadBeyondSpan},
    {"TriangleIgnoresLength2", kValidateCalculation,
     [](BeamModel& m) { SetLoad(m, 1, 1, kLoadTriangle, 1.0, 1.0, 5.0, 40.0); }, 0},
    {"LoadEndingAtAnOddSpanEndPasses", kValidateCalculation,
     [](BeamModel& m) {
         // 95.3 is 3e-6 away from its nearest single real.
         m.Members[1].SpanLength = 95.3;
         SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 95.3);
         SetLoad(m, 1, 2, kLoadUniform, 1.0, 45.3, 50.0);
     },
     0},
    {"ModeThreeIgnoresSpans", kValidateCommon,
     [](BeamModel& m) {
         m.Members[1].SpanLength = 0.0;
         m.Members[2].SpanLength = 0.0;
         m.Header.CommonLoad = 5000.0;
     },
     0},
    {"ModeThreeChecksCommonE", kValidateCommon, [](BeamModel& m) { m.Header.CommonE = 1.5e6; },
     kCommonEOverLimit},
    {"ModeThreeIgnoresCommonSpring", kValidateCommon,
     [](BeamModel& m) { m.Header.CommonSpring = 5000.0; }, 0},
    {"CommonSpringOverLimit", kValidateLoadDiagram,
     [](BeamModel& m) { m.Header.CommonSpring = 1001.0; }, kCommonSpringOverLimit},
    {"CommonIoFollowsInputMode", kValidateCalculation,
     [](BeamModel& m) {
         m.Header.IoInputMode = 1;
         m.Header.CommonIo = 5e11;
     },
     0},
    {"CommonIoBDOverLimit", kValidateCommon,
     [](BeamModel& m) {
         m.Header.IoInputMode = 1;
         m.Header.CommonIoBD = 5e11;
     },
     kCommonIoOverLimit},
    {"CommonBeamSizeOnlyInSizeMode", kValidateCalculation,
     [](BeamModel& m) { m.Header.CommonD = 1001.0; }, 0},
    {"CommonBeamSize", kValidateBeamSize,
     [](BeamModel& m) {
         m.Header.IoInputMode = 1;
         m.Header.CommonD = 1001.0;
     },
     kCommonBeamSizeOverLimit},
    {"MemberBeamSizeInModeTwo", kValidateBeamSize, [](BeamModel& m) { m.Members[2].B = 1000.5; },
     kBeamSizeOverLimit},
    {"MemberBeamSizeNotInModeZero", kValidateCalculation,
     [](BeamModel& m) { m.Members[2].D = 1000.5; }, 0},
    {"ModeTwoIgnoresSpanAndLoads", kValidateBeamSize,
     [](BeamModel& m) {
         m.Members[1].SpanLength = 0.0;
         SetLoad(m, 1, 1, kLoadUniform, 5000.0, 0.0, 9.0);
     },
     0},
    {"ModeOneIgnoresUnsetSections", kValidateLoadDiagram,
     [](BeamModel& m) {
         m.Members[1].Io = 0.0;
         m.Members[2].E = 0.0;
     },
     0},
    {"NotANumberOffends", kValidateCalculation,
     [](BeamModel& m) { m.Members[2].Io = std::numeric_limits<double>::quiet_NaN(); },
     kIoOverLimit},
    {"NotANumberDistanceOffends", kValidateCalculation,
     [](BeamModel& m) {
         SetLoad(m, 2, 1, kLoadConcentrated, 1.0, std::numeric_limits<double>::quiet_NaN());
     },
     kLoadBeyondSpan},
    {"SpansBeyondCountIgnored", kValidateCalculation,
     [](BeamModel& m) { m.Members[3].SpanLength = 500.0; }, 0},
};
INSTANTIATE_TEST_SUITE_P(Limits, ValidationCases, ::testing::ValuesIn(kLimitCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The restraint count: weight + n + c - 2(n + 1) < 0 is unstable.
TEST(StabilityCount, FollowsTheCountRule) {
    struct Row {
        std::vector<double> spans;
        std::vector<int> supports;
        bool unstable;
    };
    const Row rows[] = {
        {{6}, {S, R}, true},         // 2 + 1 - 4
        {{6}, {F, R}, false},        // cantilever: 3 + 1 - 4
        {{6}, {H, S}, true},         //
        {{6, 6}, {S, R, S}, false},  // 4 + 2 + 1 - 6
        {{6, 6}, {S, H, S}, false},  // 4 + 2 + 0 - 6: count passes a mechanism
        {{6, 6}, {S, H, R}, true},   //
        {{6, 6}, {R, F, R}, false},  // 3 + 2 + 1 - 6
        {{6, 6, 6}, {K, K, K, K}, false},
        {{6, 6, 6}, {R, S, S, R}, false},
        {{6, 6, 6}, {R, S, R, S}, false},
        {{6, 6, 6}, {R, H, H, F}, true},  // 3 + 3 + 0 - 8
        // A condition outside the table counts as free.
        {{6}, {F, std::numeric_limits<int>::max()}, false},
        {{6}, {S, std::numeric_limits<int>::min()}, true},
        {{6, 6}, {S, 6, S}, false},
    };
    for (const Row& row : rows) {
        const BeamModel m = MakeBeam(row.spans, row.supports);
        EXPECT_EQ(FailsStabilityCount(m), row.unstable) << "supports " << row.supports.size();
        EXPECT_EQ(ValidateModel(m, kValidateCommon).code, row.unstable ? kUnstable : 0);
    }
}

TEST(ValidationMessage, MemberMessageNamesTheMember) {
    BeamModel m = Valid();
    m.Members[2].SpanLength = 101.0;
    const ValidationResult r = ValidateModel(m, kValidateCalculation);
    EXPECT_EQ(r.code, kSpanOverLimit);
    EXPECT_EQ(test::MessageText(r), "スパン長が制限値を超えています。" + kBreak + "部材名 [2]");
}

TEST(ValidationMessage, ExtentMessageAddsTheSlotLine) {
    BeamModel m = Valid();
    SetLoad(m, 2, 3, kLoadConcentrated, 1.0, 6.001);
    const ValidationResult r = ValidateModel(m, kValidateCalculation);
    EXPECT_EQ(r.code, kLoadBeyondSpan);
    EXPECT_EQ(test::MessageText(r), "長さ(距離)データがスパン長を超えています。" + kBreak +
                                        "部材名 [2]\r\n        荷重 No. 3");
}

TEST(ValidationMessage, SupportMessageNamesTheSupport) {
    BeamModel m = MakeBeam({6, 6, 6}, {S, K, S, K});
    m.Supports[2].SpringConstant = 10.0;
    const ValidationResult r = ValidateModel(m, kValidateCalculation);
    EXPECT_EQ(r.code, kNoSpringConstant);
    EXPECT_EQ(test::MessageText(r), "バネ定数が入力されていません。" + kBreak + "支点名 [D]");
}

TEST(ValidationMessage, NodeLoadMessageNamesTheSupport) {
    BeamModel m = Valid();
    SetNodeLoad(m, 3, 2, kNodeForce, 2000.0);
    const ValidationResult r = ValidateModel(m, kValidateCalculation);
    EXPECT_EQ(test::MessageText(r), "荷重値が制限値を超えています。" + kBreak + "支点名 [C]");
}

TEST(ValidationMessage, CommonAndStabilityMessagesAreTheTextAlone) {
    BeamModel m = Valid();
    m.Header.CommonLoadHeight = 100.5;
    EXPECT_EQ(test::MessageText(ValidateModel(m, kValidateLoadDiagram)),
              "荷重高さ(共通データ)が制限値を超えています。");
    BeamModel u = MakeBeam({6}, {S, R});
    EXPECT_EQ(test::MessageText(ValidateModel(u, kValidateCalculation)),
              "支持設定に誤りがあります。 (不安定)");
    EXPECT_TRUE(ValidateModel(Valid(), kValidateCalculation).lines.empty());
}

TEST(ValidationMessage, CommonLoadOverLimitTurnsItsFieldRed) {
    BeamModel m = Valid();
    m.Header.CommonLoad = 1000.5;
    for (ValidationMode mode : {kValidateCalculation, kValidateLoadDiagram, kValidateBeamSize}) {
        const ValidationResult r = ValidateModel(m, mode);
        EXPECT_EQ(r.code, kCommonLoadOverLimit);
        EXPECT_EQ(r.field, ValidationField::CommonLoad);
        EXPECT_EQ(test::MessageText(r), "荷重値(共通データ)が制限値を超えています。");
    }
    EXPECT_EQ(ValidateModel(m, kValidateCommon).field, ValidationField::None);
    m.Header.InputUnit = 1;
    EXPECT_EQ(ValidateModel(m, kValidateCalculation).field, ValidationField::None);
}

TEST(ValidationMessage, EveryCodeHasItsText) {
    for (int code : {1,   2,   3,   4,   5,   6,   7,   8,   9,   101, 102, 103,
                     105, 106, 111, 112, 113, 202, 203, 205, 206, 211, 221}) {
        EXPECT_FALSE(ValidationText(ValidationCode(code)).empty()) << code;
    }
    EXPECT_TRUE(ValidationText(ValidationCode(10)).empty());
    EXPECT_EQ(ValidationText(kNoResult), "計算結果が求まりません。入力データを確認してください。");
}

// A unit field that is neither t (0) nor kN (1) is refused, naming the field;
// the factor between the systems cannot be guessed.
TEST(CheckUnits, RefusesAUnitFieldOutsideTAndKN) {
    for (bool input : {true, false}) {
        for (int v : {0, 1, 2, -1, 99}) {
            BeamModel m = Valid();
            (input ? m.Header.InputUnit : m.Header.OutputUnit) = v;
            const CalculatedBeam beam = CalculateBeam(m);
            const std::string field = input ? "InputUnit" : "OutputUnit";
            SCOPED_TRACE(field + " " + std::to_string(v));
            if (v == 0 || v == 1) {
                EXPECT_TRUE(beam.Passed());
                continue;
            }
            EXPECT_EQ(beam.Refusal().code, input ? kUnknownInputUnit : kUnknownOutputUnit);
            EXPECT_EQ(beam.Refusal().field,
                      input ? ValidationField::InputUnit : ValidationField::OutputUnit);
            EXPECT_NE(test::MessageText(beam.Refusal()).find(field + " = " + std::to_string(v)),
                      std::string::npos);
        }
    }
}

}  // namespace
}  // namespace kmr
