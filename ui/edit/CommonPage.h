// The page "共通データ": the common distributed load, the Io input mode with
// the common Io or beam size, the common Young's modulus and spring constant
// with their all-members buttons, the input and output unit groups with the
// default-units button, and the page-break flag with its default button.
#pragma once

class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;
class QWidget;

namespace kmr::ui {

class PageContext;
class NumberField;

class CommonPage {
  public:
    CommonPage(PageContext& context, QWidget* area);

    // InputTanni i and OutputTanni o checked for the model's systems.
    void ShowUnits();
    void SetUnitLabels(int inputUnit);
    // RadioIo1 or RadioIo2 checked for the model's mode, the mode applied.
    void ShowIoMode();
    void ApplyIoMode(int mode);
    // MmComm1..7 written from the model (each through its change handler).
    void ShowCommonFields();
    // CheckBox1, LabelIo2 and Chk_NewPage (with PageBreakFlag) from the
    // model and the page-break default.
    void ShowFlags();
    void MarkCommonLoadOverLimit();

    // The common Io (or the Io of the beam size), B and D given to every
    // member in use, after the checks and a question.
    void ApplyCommonIoToAllMembers();
    // The common E given to every member in use, after a question.
    void ApplyCommonEToAllMembers();
    // The common spring constant given to every support in use.
    void ApplyCommonSpringToAllSupports();
    // The common E picked from the Young's modulus list.
    void PickCommonEFromList();
    // The current unit systems become the defaults of new data.
    void MakeUnitsTheDefault();
    // The page-break flag (and the current unit systems) become the
    // defaults, written to the defaults file.
    void MakePageBreakFlagTheDefault();
    void SetCommonLoadUnused(bool unused);
    void SetPageBreakFlag(bool on);
    void SetDiagramFlag(bool on);
    void SetCheckFlag(bool on);
    void ChangeIoInputMode(int mode);
    void SetOutputUnit(int unit);

    // The handlers the controls call, under the controls' names.
    void BtnAllSetIoClick() { ApplyCommonIoToAllMembers(); }
    void BtnAllSetEClick() { ApplyCommonEToAllMembers(); }
    void BtnAllSetBaneClick() { ApplyCommonSpringToAllSupports(); }
    void BtnYngSelClick() { PickCommonEFromList(); }
    void Button1Click() { MakeUnitsTheDefault(); }
    void Btn_NewPageClick() { MakePageBreakFlagTheDefault(); }
    void CheckBox1Click(bool checked) { SetCommonLoadUnused(checked); }
    void Chk_NewPageClick(bool checked) { SetPageBreakFlag(checked); }
    void Chk_DiagramsClick(bool checked) { SetDiagramFlag(checked); }
    void Chk_CheckClick(bool checked) { SetCheckFlag(checked); }
    void RadioIo1Click(int tag) { ChangeIoInputMode(tag); }
    void InputTanni0Click(int tag);
    void OutputTanni0Click(int tag) { SetOutputUnit(tag); }

  private:
    void BuildLoadGroup(QWidget* area);
    void BuildSectionGroup(QWidget* area);
    void BuildIoGroup(QWidget* parent);
    void BuildUnitGroups(QWidget* area);
    void BuildPageBreakGroup(QWidget* area);
    void ShowComputedIo(bool redFromModeLimit);

    PageContext& context_;
    NumberField* commonLoad_ = nullptr;    // MmComm1, the common distributed load
    NumberField* loadHeight_ = nullptr;    // MmComm2, its height
    NumberField* commonIo_ = nullptr;      // MmComm3
    NumberField* commonB_ = nullptr;       // MmComm4, beam width
    NumberField* commonD_ = nullptr;       // MmComm5, beam depth
    NumberField* commonE_ = nullptr;       // MmComm6
    NumberField* commonSpring_ = nullptr;  // MmComm7
    QCheckBox* notUsed_ = nullptr;
    QRadioButton* ioDirect_ = nullptr;
    QRadioButton* ioSize_ = nullptr;
    QLabel* labelIo2_ = nullptr;
    QFrame* shape1_ = nullptr;
    QLabel* unitLabel_[5] = {};  // LabelTanni2..4
    QRadioButton* input_[2] = {};
    QRadioButton* output_[2] = {};
    QCheckBox* newPage_ = nullptr;
    QCheckBox* diagrams_ = nullptr;  // Chk_Diagrams "応力図を出力"
    QCheckBox* check_ = nullptr;     // Chk_Check "断面検定を出力"
};

}  // namespace kmr::ui
