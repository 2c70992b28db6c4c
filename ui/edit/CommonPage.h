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

class EditorCore;
class NumberField;

class CommonPage {
  public:
    CommonPage(EditorCore& core, QWidget* area);

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

    // The all-members buttons, the list button, the default buttons.
    void BtnAllSetIoClick();
    void BtnAllSetEClick();
    void BtnAllSetBaneClick();
    void BtnYngSelClick();
    void Button1Click();
    void Btn_NewPageClick();

  private:
    void BuildLoadGroup(QWidget* area);
    void BuildSectionGroup(QWidget* area);
    void BuildIoGroup(QWidget* parent);
    void BuildUnitGroups(QWidget* area);
    void BuildPageBreakGroup(QWidget* area);
    void ShowComputedIo(bool redFromModeLimit);
    void RadioIo1Click(int mode);

    EditorCore& core_;
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
};

}  // namespace kmr::ui
