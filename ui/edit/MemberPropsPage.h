// The page "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数": ten group boxes BuzaiSeino1..10,
// one per member, with Io, B, D and E, the Io computation button
// CalSeinoBtn n and an "E ﾘｽﾄ" button.
#pragma once

#include <array>

class QGroupBox;
class QLabel;
class QWidget;

namespace kmr::ui {

class PageContext;
class NumberField;

class MemberPropsPage {
  public:
    MemberPropsPage(PageContext& context, QWidget* area);

    // Io, B, D, E of member n written into its fields.
    void ShowMemberProperties(int n);
    void ApplyVisibility(int spanCount);
    void SetUnitLabels(int inputUnit);

    // Io = B·D³/12 of member n into MmGirIo n (asked first when it holds
    // a value).
    void ComputeIoFromBeamSize(int n);
    // E of member n picked from the Young's modulus list.
    void PickMemberEFromList(int n);

    // The handlers the buttons of member n call, under the buttons' names.
    void CalSeinoBtn1Click(int n) { ComputeIoFromBeamSize(n); }
    void BtnYngSelClick(int n) { PickMemberEFromList(n); }

  private:
    struct Fields {
        QGroupBox* box = nullptr;
        NumberField* io = nullptr;
        NumberField* b = nullptr;
        NumberField* d = nullptr;
        NumberField* e = nullptr;
        QLabel* unit = nullptr;  // LabelTanni(4 + n)
    };
    void Build(QWidget* area, int n);

    PageContext& context_;
    std::array<Fields, 11> members_{};  // 1..10
};

}  // namespace kmr::ui
