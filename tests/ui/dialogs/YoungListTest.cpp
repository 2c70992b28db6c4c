// The Young's modulus list without widgets: conversion into the input unit,
// registration (checked before stored), Shift-JIS names through the defaults
// file, the starting list.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "DefaultsFile.h"
#include "dialogs/YoungList.h"

namespace kmr::ui {
namespace {

// 1 t = 9.80665 kN; 1 N/mm2 = 0.1 kN/cm2.
TEST(YoungListTest, ConvertsIntoTheInputUnit) {
    const struct {
        double e;
        int unit;
        const char* text;
    } cases[] = {
        {2000, 1, "200.0"},     {2000, 0, "20.4"},      // 200 / 9.80665 = 20.394
        {205000, 1, "20500.0"}, {205000, 0, "2090.4"},  // 20500 / 9.80665 = 2090.42
        {9500, 0, "96.9"},      {0, 1, "0.0"},          // 950 / 9.80665 = 96.87
        {21700, 1, "2170.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(YoungForInputUnit(c.e, c.unit), QString::fromLatin1(c.text))
            << c.e << " unit " << c.unit;
        const double expected = c.unit == 1 ? c.e / 10 : c.e / 10 / 9.80665;
        EXPECT_NEAR(YoungForInputUnit(c.e, c.unit).toDouble(), expected, 0.05 + 1e-9);
    }
}

TEST(YoungListTest, ReadsNumbersAsTheUserTypedThem) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"2000", 2000},   {" 12.5 ", 12.5}, {"0.5", 0.5}, {".5", 0.5},   {"1..2", {}},
        {".", {}},        {"", {}},         {"  ", {}},   {"abc", {}},   {"12a", {}},
        {"２０００", {}}, {"inf", {}},      {"nan", {}},  {"1e999", {}}, {"1,5", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumberText(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

TEST(YoungListTest, ShortestDecimalForms) {
    EXPECT_EQ(ShortestDecimal(2), QLatin1String("2"));
    EXPECT_EQ(ShortestDecimal(0), QLatin1String("0"));
    EXPECT_EQ(ShortestDecimal(0.5), QLatin1String("0.5"));
    EXPECT_EQ(ShortestDecimal(12.25), QLatin1String("12.25"));
    EXPECT_EQ(ShortestDecimal(6.3 - 4.1), QLatin1String("2.2"));  // not 2.1999999999999997
    EXPECT_EQ(ShortestDecimal(0.000001), QLatin1String("0.000001"));
    EXPECT_EQ(ShortestDecimal(205000), QLatin1String("205000"));
}

YoungGridTexts GridOf(const DefaultsBlock& list) {
    return YoungGridOf(list);
}

TEST(YoungListTest, RegistrationStoresNamesAndKeepsTheOldEOfAnEmptiedCell) {
    DefaultsBlock list;
    list.SetYoungNameBytes(1, "SS400");
    list.SetYoungE(1, 205000);
    list.SetYoungE(2, 7000);
    YoungGridTexts g = GridOf(list);
    EXPECT_EQ(g.ETexts[0], QLatin1String("205000"));
    EXPECT_EQ(g.ETexts[2], QString());  // no value shows nothing
    g.Names[1] = QStringLiteral("すぎ");
    g.ETexts[1] = QString();  // emptied: the old E stays
    g.ETexts[2] = QStringLiteral(" 2000 ");
    ASSERT_EQ(RegisterYoungRows(list, g), std::nullopt);
    EXPECT_EQ(YoungNameText(list, 1), QLatin1String("SS400"));
    EXPECT_EQ(list.YoungE(1), 205000);
    EXPECT_EQ(YoungNameText(list, 2), QStringLiteral("すぎ"));
    EXPECT_EQ(list.YoungE(2), 7000);
    EXPECT_EQ(list.YoungE(3), 2000);
}

// An unreadable E cell anywhere stops the whole registration before anything
// is stored: the rows before it keep their old names and values.
TEST(YoungListTest, AnUnreadableCellStoresNothing) {
    for (const char* bad : {"1..2", ".", "12a", "--"}) {
        DefaultsBlock list;
        list.SetYoungNameBytes(1, "old");
        list.SetYoungE(1, 100);
        const auto before = list.Bytes();
        YoungGridTexts g = GridOf(list);
        g.Names[0] = QStringLiteral("new");
        g.ETexts[0] = QStringLiteral("200");
        g.ETexts[6] = QString::fromLatin1(bad);
        g.ETexts[9] = QStringLiteral("x");  // a second bad cell: the first is reported
        EXPECT_EQ(RegisterYoungRows(list, g), 7) << bad;
        EXPECT_EQ(list.Bytes(), before) << bad;
    }
}

TEST(YoungListTest, NamesAreCutToWholeShiftJisCharacters) {
    // 16 full-width characters take 32 bytes: 15 of them fit.
    const QString wide = QString(16, QChar(u'木'));
    EXPECT_EQ(EncodeYoungName(wide).size(), 30u);
    EXPECT_EQ(QString::fromUtf8("木").size(), 1);
    // 29 ASCII + one full-width: the full-width one would end at byte 31.
    EXPECT_EQ(EncodeYoungName(QString(29, u'a') + QStringLiteral("木")), std::string(29, 'a'));
    // More than 30 characters: cut to 30.
    EXPECT_EQ(EncodeYoungName(QString(40, u'b')), std::string(30, 'b'));
    // Characters Shift-JIS lacks become "?".
    EXPECT_EQ(EncodeYoungName(QStringLiteral("E€1")), std::string("E?1"));
    EXPECT_FALSE(FitsShiftJis(QStringLiteral("€")));
    EXPECT_TRUE(FitsShiftJis(QStringLiteral("鋼材ｽｷﾞ")));
    EXPECT_EQ(ShiftJisLength(QStringLiteral("鋼材ｽｷﾞ")), 7);
}

// The bytes of the file are the Shift-JIS of the names (鋼 8D7C, 材 8DDE,
// half-width ｽ BD, ｷ B7, ﾞ DE), and they read back as the same text.
TEST(YoungListTest, NamesRoundTripThroughTheDefaultsFileAsShiftJis) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("PLOVKmr.def"));
    DefaultsBlock list;
    YoungGridTexts g = GridOf(list);
    g.Names[0] = QStringLiteral("鋼材");
    g.Names[4] = QStringLiteral("ｽｷﾞ E70");
    g.Names[19] = QStringLiteral("ひのき（無等級）");
    g.ETexts[0] = QStringLiteral("205000");
    ASSERT_EQ(RegisterYoungRows(list, g), std::nullopt);
    ASSERT_TRUE(WriteDefaultsFile(path, list, nullptr));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 864);
    EXPECT_EQ(bytes.mid(84, 5), QByteArray::fromHex("048d7c8dde"));
    EXPECT_EQ(bytes.mid(84 + 39 * 4, 8), QByteArray::fromHex("07bdb7de20453730"));

    DefaultsBlock back;
    ASSERT_EQ(ReadDefaultsFile(path, back), DefaultsRead::Read);
    for (int i : {1, 5, 20}) EXPECT_EQ(YoungNameText(back, i), g.Names[i - 1]) << i;
    EXPECT_EQ(YoungNameText(back, 2), QString());
    EXPECT_EQ(back.YoungE(1), 205000);
}

TEST(YoungListTest, StartingListFitsAndHoldsSensibleValues) {
    DefaultsBlock list;
    list.SetYoungNameBytes(20, "junk");
    SeedYoungList(list);
    const auto& seeds = StartingYoungList();
    for (int i = 1; i <= int(seeds.size()); ++i) {
        EXPECT_EQ(YoungNameText(list, i), QString::fromUtf8(seeds[i - 1].NameUtf8)) << i;
        EXPECT_EQ(list.YoungE(i), seeds[i - 1].E);
        EXPECT_TRUE(FitsShiftJis(QString::fromUtf8(seeds[i - 1].NameUtf8))) << i;
    }
    for (int i = int(seeds.size()) + 1; i <= 20; ++i) {
        EXPECT_EQ(YoungNameText(list, i), QString());
        EXPECT_EQ(list.YoungE(i), 0);
    }
    // Concrete against 3.35e4·(γ/24)²·(Fc/60)^(1/3), γ = 23 kN/m3.
    for (const auto& s : seeds) {
        const QString name = QString::fromUtf8(s.NameUtf8);
        if (!name.startsWith(QStringLiteral("コンクリート"))) continue;
        const double fc = name.mid(name.indexOf(QStringLiteral("Fc")) + 2, 2).toDouble();
        const double e = 3.35e4 * std::pow(23.0 / 24.0, 2) * std::cbrt(fc / 60.0);
        EXPECT_NEAR(s.E, e, 50.0) << fc;
    }
    // Glued laminated timber carries its E in its grade name (E95 → 9500).
    for (const auto& s : seeds) {
        const QString name = QString::fromUtf8(s.NameUtf8);
        if (!name.startsWith(QStringLiteral("集成材 E"))) continue;
        EXPECT_EQ(s.E, name.mid(5, name.indexOf(u'-') - 5).toDouble() * 100) << s.E;
    }
}

}  // namespace
}  // namespace kmr::ui
