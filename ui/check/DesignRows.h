// The rows of the page "断面検定" as plain texts: the design data of one
// member shown as the texts of its row, and the texts read back into design
// data or refused with a Japanese message naming the member and the field.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "calc/SectionCheck.h"
#include "model/DesignData.h"

namespace kmr::ui {

// The section box's item for a section given by its plates.
QString PlatesItem();
// The section box's items: none (""), the built-in list, PlatesItem().
QStringList SectionItems();
// The steel box's items: the grades; a design with F given directly adds
// "F=<value>".
QStringList SteelItems();
QString SteelDefault();  // "SN400B", for a section newly chosen

struct DesignRowText {
    QString Section;  // "", a designation or PlatesItem()
    QString Steel;    // a grade or "F=325"
    QString Bracing = QStringLiteral("1");
    QString Lb;  // empty: L / n
    QString Limit = QStringLiteral("300");
    QString Factor = QStringLiteral("1");
    QString H, B, Tw, Tf, R;  // mm, the plates
    bool Welded = false;
};

// The texts of member's design; nullptr: the empty row.
DesignRowText RowText(const MemberDesign* design);

struct RowReading {
    std::optional<MemberDesign> Design;  // nullopt: the member has no design data
    QString Error;                       // not empty: refused
};
// A member keeps design data when it has a section or a deflection limit or
// factor other than the defaults.
RowReading ReadRow(int member, const DesignRowText& text);

// The design data with member's entry replaced (or removed for nullopt).
DesignData WithMember(const DesignData& data, int member, const std::optional<MemberDesign>& d);
// The block a beam keeps for data: none when it is empty, so that a beam
// without design data is written as before.
DesignBlock BlockOf(const DesignData& data);

// The mark of a ratio for the page: the ratio and "○" within the limit,
// "×" over it.
QString MarkedRatio(double ratio);
bool WithinLimit(double ratio);

}  // namespace kmr::ui
