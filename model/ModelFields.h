// The fields of the model's records, written once: in file order, each with
// its name and, for the reals the program uses, the words that name it to the
// user. The byte image of the data file, the JSON dump and the check of a read
// model for values that are not numbers all walk the records through these.
//
// A visitor v is called
//   v(key, field, words)   for every field: key its name (as in Model.h),
//                          field a reference to it, words the Japanese words
//                          for a real the program uses, nullptr for the
//                          reserved reals, the names and the codes;
//   v.BeginSlots(key, words) / v.EndSlots()   around the five load slots of a
//                          record: key "Loads" or "NodeLoads", words "荷重" or
//                          "節点荷重";
//   v.BeginSlot(j) / v.EndSlot()   around slot j (0-based).
// Const and non-const records are walked alike.
#pragma once

#include "model/Model.h"

namespace kmr {

template <class Visitor, class Header>
void VisitHeaderFields(Visitor& v, Header& h) {
    v("ProductId", h.ProductId, nullptr);
    v("ProgramVersion", h.ProgramVersion, nullptr);
    v("MaxSpans", h.MaxSpans, nullptr);
    v("SpanCount", h.SpanCount, nullptr);
    v("CommonLoad", h.CommonLoad, "共通荷重");
    v("CommonLoadHeight", h.CommonLoadHeight, "共通荷重の荷重高さ");
    v("CommonLoadOff", h.CommonLoadOff, nullptr);
    v("CommonE", h.CommonE, "共通ヤング係数");
    v("IoInputMode", h.IoInputMode, nullptr);
    v("CommonIo", h.CommonIo, "共通 Io");
    v("CommonIoBD", h.CommonIoBD, "共通 Io (B・D から)");
    v("CommonB", h.CommonB, "共通 B");
    v("CommonD", h.CommonD, "共通 D");
    v("CommonSpring", h.CommonSpring, "共通バネ定数");
    v("InputUnit", h.InputUnit, nullptr);
    v("OutputUnit", h.OutputUnit, nullptr);
    v("DefaultInputUnit", h.DefaultInputUnit, nullptr);
    v("DefaultOutputUnit", h.DefaultOutputUnit, nullptr);
}

// Reserved1 and Reserved2 are never read by the program: no words.
template <class Visitor, class Member>
void VisitMemberFields(Visitor& v, Member& m) {
    v("Name", m.Name, nullptr);
    v("SpanLength", m.SpanLength, "スパン長");
    v("Io", m.Io, "Io");
    v("Reserved1", m.Reserved1, nullptr);
    v("Reserved2", m.Reserved2, nullptr);
    v("E", m.E, "ヤング係数");
    v("B", m.B, "B");
    v("D", m.D, "D");
    v.BeginSlots("Loads", "荷重");
    for (int j = 0; j < kLoadSlots; ++j) {
        auto& load = m.Loads[static_cast<std::size_t>(j)];
        v.BeginSlot(j);
        v("LoadType", load.LoadType, nullptr);
        v("Distance", load.Distance, "L");
        v("Length1", load.Length1, "L1");
        v("Length2", load.Length2, "L2");
        v("Height", load.Height, "H");
        v("Value", load.Value, "WP");
        v.EndSlot();
    }
    v.EndSlots();
}

// A node load's value is named by its slot alone (empty words).
template <class Visitor, class Support>
void VisitSupportFields(Visitor& v, Support& s) {
    v("Name", s.Name, nullptr);
    v("Condition", s.Condition, nullptr);
    v.BeginSlots("NodeLoads", "節点荷重");
    for (int j = 0; j < kLoadSlots; ++j) {
        auto& load = s.NodeLoads[static_cast<std::size_t>(j)];
        v.BeginSlot(j);
        v("LoadType", load.LoadType, nullptr);
        v("Value", load.Value, "");
        v.EndSlot();
    }
    v.EndSlots();
    v("SpringConstant", s.SpringConstant, "バネ定数");
}

}  // namespace kmr
