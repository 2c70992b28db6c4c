#include "edit/CommonPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "AppPaths.h"
#include "UserDialogs.h"
#include "WindowState.h"
#include "calc/ActingLoads.h"
#include "calc/Validation.h"
#include "dialogs/Dialogs.h"
#include "edit/EditRules.h"
#include "edit/LoadPictures.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"
#include "edit/PageParts.h"

namespace kmr::ui {
namespace {

QGroupBox* Group(QWidget* parent, const QString& title, const QRect& r) {
    auto* g = new QGroupBox(title, parent);
    g->setGeometry(r);
    return g;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& r,
                        const QString& hint) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    b->setToolTip(hint);
    return b;
}

void SetLabelColours(QLabel* label, const QColor& background, const QColor& text) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
}

void SetFrameColour(QFrame* frame, const QColor& background) {
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, background);
    frame->setPalette(pal);
}

}  // namespace

CommonPage::CommonPage(PageContext& context, QWidget* area) : context_(context) {
    BuildLoadGroup(area);
    BuildPageBreakGroup(area);
    BuildSectionGroup(area);
    BuildUnitGroups(area);
}

void CommonPage::BuildLoadGroup(QWidget* area) {
    kmr::ModelHeader& h = context_.State().Model.Header;
    QGroupBox* g = Group(area, QStringLiteral("部材荷重"), QRect(4, 2, 290, 150));
    MakeLabel(g, QStringLiteral("ここで設定する荷重は、全部材に影響します。"), 10, 20);
    MakeLabel(g, QStringLiteral("等分布荷重"), 10, 48);
    commonLoad_ = new NumberField(g, QStringLiteral("MmComm1"), 5, true, 1);
    commonLoad_->setGeometry(76, 44, 56, 21);
    commonLoad_->setToolTip(QStringLiteral("値＜｜1000(t/cm2) or 10000(kN/cm2)｜"));
    context_.BindField(commonLoad_, limits::CommonLoad, true, [&h](double v) { h.CommonLoad = v; });
    unitLabel_[2] = MakeLabel(g, QStringLiteral("(t/m2)"), 136, 48, "LabelTanni2");
    MakeLabel(g, QStringLiteral("荷重高さ"), 10, 76);
    loadHeight_ = new NumberField(g, QStringLiteral("MmComm2"), 5, false, 2);
    loadHeight_->setGeometry(76, 72, 56, 21);
    loadHeight_->setToolTip(QStringLiteral("最大値＜100(m)"));
    context_.BindField(loadHeight_, limits::CommonHeight, true,
                       [&h](double v) { h.CommonLoadHeight = v; });
    MakeLabel(g, QStringLiteral("(m)"), 136, 76);
    notUsed_ = new QCheckBox(QStringLiteral("この荷重を使用しない"), g);
    notUsed_->setObjectName(QStringLiteral("CheckBox1"));
    notUsed_->move(10, 112);
    notUsed_->adjustSize();
    QObject::connect(notUsed_, &QCheckBox::clicked, context_.Connections(),
                     [this](bool on) { CheckBox1Click(on); });
    auto* picture = new QLabel(g);
    picture->setObjectName(QStringLiteral("ImageCommLoad"));
    picture->setPixmap(
        LoadTypePicture(3).scaled(96, 56, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture->setGeometry(186, 42, 96, 56);
}

void CommonPage::BuildPageBreakGroup(QWidget* area) {
    // The group grows by a row for the second section box under the first.
    QGroupBox* g = Group(area, QStringLiteral("改ﾍﾟｰｼﾞﾌﾗｸﾞ"), QRect(4, 156, 290, 100));
    newPage_ = new QCheckBox(QStringLiteral("荷重表を改ﾍﾟｰｼﾞせず作成"), g);
    newPage_->setObjectName(QStringLiteral("Chk_NewPage"));
    newPage_->move(10, 22);
    newPage_->adjustSize();
    QObject::connect(newPage_, &QCheckBox::clicked, context_.Connections(),
                     [this](bool on) { Chk_NewPageClick(on); });
    QPushButton* b = MakeButton(g, "Btn_NewPage", QStringLiteral("ﾌﾗｸﾞ ﾃﾞﾌｫﾙﾄ設定"),
                                QRect(10, 46, 130, 26), QString());
    QObject::connect(b, &QPushButton::clicked, context_.Connections(),
                     [this] { Btn_NewPageClick(); });
    diagrams_ = new QCheckBox(QStringLiteral("応力図を出力"), g);
    diagrams_->setObjectName(QStringLiteral("Chk_Diagrams"));
    diagrams_->setToolTip(QStringLiteral("計算書の応力算定結果の後に応力図を出力します"));
    diagrams_->move(150, 50);
    diagrams_->adjustSize();
    QObject::connect(diagrams_, &QCheckBox::clicked, context_.Connections(),
                     [this](bool on) { Chk_DiagramsClick(on); });
    check_ = new QCheckBox(QStringLiteral("断面検定を出力"), g);
    check_->setObjectName(QStringLiteral("Chk_Check"));
    check_->setToolTip(QStringLiteral("設計データのある梁で、計算書に断面検定を出力します"));
    check_->move(diagrams_->x(), diagrams_->y() + 22);
    check_->adjustSize();
    QObject::connect(check_, &QCheckBox::clicked, context_.Connections(),
                     [this](bool on) { Chk_CheckClick(on); });
}

void CommonPage::BuildSectionGroup(QWidget* area) {
    kmr::ModelHeader& h = context_.State().Model.Header;
    QGroupBox* g =
        Group(area, QStringLiteral("断面２次モーメント・ヤング係数"), QRect(298, 2, 408, 192));
    MakeLabel(g, QStringLiteral("ここで指定する数値は、値が設定されていない部材に用います。"), 10,
              18);
    BuildIoGroup(g);

    QGroupBox* e = Group(g, QStringLiteral("ヤング係数"), QRect(262, 36, 140, 74));
    commonE_ = new NumberField(e, QStringLiteral("MmComm6"), 9, false, 6);
    commonE_->setGeometry(8, 18, 74, 21);
    commonE_->setToolTip(QStringLiteral("最大値＜1E+6(t/cm2) or 1E+7(kN/cm2)"));
    context_.BindField(commonE_, limits::CommonE, true, [&h](double v) { h.CommonE = v; });
    unitLabel_[3] = MakeLabel(e, QStringLiteral("(t/cm2)"), 86, 22, "LabelTanni3");
    QPushButton* allE =
        MakeButton(e, "BtnAllSetE", QStringLiteral("全部材を変更"), QRect(6, 44, 80, 24),
                   QStringLiteral("入力値をすべて変更します"));
    QObject::connect(allE, &QPushButton::clicked, context_.Connections(),
                     [this] { BtnAllSetEClick(); });
    QPushButton* list = MakeButton(e, "BtnYngSel", QStringLiteral("E ﾘｽﾄ"), QRect(88, 44, 46, 24),
                                   QStringLiteral("ヤング係数登録リストを表示します"));
    QObject::connect(list, &QPushButton::clicked, context_.Connections(),
                     [this] { BtnYngSelClick(); });

    QGroupBox* k = Group(g, QStringLiteral("バネ定数"), QRect(262, 112, 140, 74));
    commonSpring_ = new NumberField(k, QStringLiteral("MmComm7"), 5, false, 7);
    commonSpring_->setGeometry(8, 18, 60, 21);
    commonSpring_->setToolTip(QStringLiteral("値＜1000(t/cm) or 10000(kN/cm)"));
    context_.BindField(commonSpring_, limits::CommonSpring, true,
                       [&h](double v) { h.CommonSpring = v; });
    unitLabel_[4] = MakeLabel(k, QStringLiteral("(t/cm)"), 72, 22, "LabelTanni4");
    QPushButton* allK =
        MakeButton(k, "BtnAllSetBane", QStringLiteral("全部材を変更する"), QRect(6, 44, 128, 24),
                   QStringLiteral("入力値をすべて変更します"));
    QObject::connect(allK, &QPushButton::clicked, context_.Connections(),
                     [this] { BtnAllSetBaneClick(); });
}

void CommonPage::BuildIoGroup(QWidget* parent) {
    kmr::ModelHeader& h = context_.State().Model.Header;
    QGroupBox* g = Group(parent, QStringLiteral("断面２次モーメント"), QRect(6, 36, 252, 150));
    ioDirect_ = new QRadioButton(QStringLiteral("直接入力"), g);
    ioDirect_->setObjectName(QStringLiteral("RadioIo1"));
    ioDirect_->setProperty("Tag", 0);
    ioDirect_->move(8, 20);
    ioDirect_->adjustSize();
    commonIo_ = new NumberField(g, QStringLiteral("MmComm3"), 12, false, 3);
    commonIo_->setGeometry(96, 18, 100, 21);
    commonIo_->setToolTip(QStringLiteral("最大値＜1E+10(cm4)"));
    context_.BindField(commonIo_, limits::CommonIo, true, [&h](double v) { h.CommonIo = v; });
    MakeLabel(g, QStringLiteral("(cm4)"), 200, 22);
    ioSize_ = new QRadioButton(QStringLiteral("梁断面サイズ指定"), g);
    ioSize_->setObjectName(QStringLiteral("RadioIo2"));
    ioSize_->setProperty("Tag", 1);
    ioSize_->move(8, 44);
    ioSize_->adjustSize();
    QObject::connect(ioDirect_, &QRadioButton::clicked, context_.Connections(),
                     [this] { RadioIo1Click(0); });
    QObject::connect(ioSize_, &QRadioButton::clicked, context_.Connections(),
                     [this] { RadioIo1Click(1); });

    const auto computed = [this] { ShowComputedIo(false); };
    MakeLabel(g, QStringLiteral("梁幅"), 24, 70);
    commonB_ = new NumberField(g, QStringLiteral("MmComm4"), 5, false, 4);
    commonB_->setGeometry(54, 66, 48, 21);
    context_.BindField(
        commonB_, limits::CommonSize, true, [&h](double v) { h.CommonB = v; }, computed);
    MakeLabel(g, QStringLiteral("(cm)"), 104, 70);
    MakeLabel(g, QStringLiteral("梁せい"), 134, 70);
    commonD_ = new NumberField(g, QStringLiteral("MmComm5"), 5, false, 5);
    commonD_->setGeometry(172, 66, 48, 21);
    context_.BindField(
        commonD_, limits::CommonSize, true, [&h](double v) { h.CommonD = v; }, computed);
    MakeLabel(g, QStringLiteral("(cm)"), 222, 70);
    for (NumberField* f : {commonB_, commonD_}) f->setToolTip(QStringLiteral("最大値＜1000(cm)"));

    MakeLabel(g, QStringLiteral("I o="), 24, 98);
    shape1_ = new QFrame(g);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setFrameShape(QFrame::Box);
    shape1_->setAutoFillBackground(true);
    shape1_->setGeometry(54, 94, 118, 21);
    shape1_->setToolTip(QStringLiteral("Io の最大値：2147483647"));
    labelIo2_ = new QLabel(shape1_);
    labelIo2_->setObjectName(QStringLiteral("LabelIo2"));
    labelIo2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelIo2_->setAutoFillBackground(true);
    labelIo2_->setGeometry(1, 1, 114, 19);
    MakeLabel(g, QStringLiteral("(cm4)"), 176, 98);
    QPushButton* all =
        MakeButton(g, "BtnAllSetIo", QStringLiteral("全部材を変更する"), QRect(118, 120, 128, 24),
                   QStringLiteral("入力値をすべて変更します"));
    QObject::connect(all, &QPushButton::clicked, context_.Connections(),
                     [this] { BtnAllSetIoClick(); });
}

void CommonPage::BuildUnitGroups(QWidget* area) {
    const char* names[2][2] = {{"InputTanni0", "InputTanni1"}, {"OutputTanni0", "OutputTanni1"}};
    const QString titles[2] = {QStringLiteral("入力単位"), QStringLiteral("出力単位")};
    const QString items[2] = {QStringLiteral("従来 ( ｔ )"), QStringLiteral("ＳＩ ( kN )")};
    for (int kind = 0; kind < 2; ++kind) {
        QGroupBox* g = Group(area, titles[kind], QRect(298 + 124 * kind, 198, 118, 70));
        for (int tag = 0; tag < 2; ++tag) {
            auto* r = new QRadioButton(items[tag], g);
            r->setObjectName(QString::fromLatin1(names[kind][tag]));
            r->setProperty("Tag", tag);
            r->move(12, 20 + 24 * tag);
            r->adjustSize();
            (kind == 0 ? input_ : output_)[tag] = r;
            QObject::connect(r, &QRadioButton::clicked, context_.Connections(), [this, kind, tag] {
                if (kind == 1) {
                    OutputTanni0Click(tag);
                } else {
                    InputTanni0Click(tag);
                }
            });
        }
    }
    QPushButton* b =
        MakeButton(area, "Button1", QStringLiteral("単位 デフォルト設定"), QRect(550, 230, 150, 28),
                   QStringLiteral("新規データ作成時の単位のデフォルトを設定します"));
    QObject::connect(b, &QPushButton::clicked, context_.Connections(), [this] { Button1Click(); });
}

void CommonPage::SetCommonLoadUnused(bool unused) {
    context_.State().IsModified = true;
    context_.State().Model.Header.CommonLoadOff = unused ? 1 : 0;
}

// The report's stress-diagram section follows the check box; like the page
// break, the box is part of the window's state, not of the document.
void CommonPage::SetDiagramFlag(bool on) {
    context_.State().DiagramFlag = on;
}

void CommonPage::SetCheckFlag(bool on) {
    context_.State().CheckFlag = on;
}

void CommonPage::SetPageBreakFlag(bool on) {
    context_.State().PageBreakFlag = on;
}

void CommonPage::InputTanni0Click(int tag) {
    context_.Sequences().ChangeInputUnit(tag);
}

void CommonPage::SetOutputUnit(int unit) {
    context_.State().Model.Header.OutputUnit = unit;
}

void CommonPage::ShowUnits() {
    const kmr::ModelHeader& h = context_.State().Model.Header;
    for (QRadioButton* r : {input_[0], input_[1], output_[0], output_[1]}) {
        const QSignalBlocker block(r);
        const bool isInput = r == input_[0] || r == input_[1];
        r->setChecked(r->property("Tag").toInt() == (isInput ? h.InputUnit : h.OutputUnit));
    }
}

void CommonPage::SetUnitLabels(int inputUnit) {
    for (int i = 2; i <= 4; ++i) {
        unitLabel_[i]->setText(UnitLabelText(i, inputUnit));
        FitLabelInParent(unitLabel_[i]);
    }
}

void CommonPage::ShowIoMode() {
    const int mode = context_.State().Model.Header.IoInputMode == 1 ? 1 : 0;
    {
        const QSignalBlocker b1(ioDirect_), b2(ioSize_);
        (mode == 1 ? ioSize_ : ioDirect_)->setChecked(true);
    }
    ApplyIoMode(mode);
}

void CommonPage::ChangeIoInputMode(int mode) {
    context_.State().IsModified = true;
    context_.State().Model.Header.IoInputMode = static_cast<std::uint16_t>(mode);
    ApplyIoMode(mode);
}

void CommonPage::ApplyIoMode(int mode) {
    const QColor face = ButtonFaceColour();
    commonIo_->SetInUse(mode == 0, mode == 0 ? QColor(Qt::white) : face);
    for (NumberField* f : {commonB_, commonD_}) {
        f->SetInUse(mode == 1, mode == 1 ? QColor(Qt::white) : face);
    }
    if (mode == 1) {
        ShowComputedIo(true);
        SetFrameColour(shape1_, Qt::white);
    } else {
        SetLabelColours(labelIo2_, face,
                        QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
        SetFrameColour(shape1_, face);
    }
}

// LabelIo2 shows the computed common Io; red from the limit of the B and D
// handlers, or from 1E+10 when the beam-size mode is chosen.
void CommonPage::ShowComputedIo(bool redFromModeLimit) {
    kmr::ModelHeader& h = context_.State().Model.Header;
    if (!redFromModeLimit) h.CommonIoBD = BeamSizeIo(h.CommonB, h.CommonD);
    const double io = h.CommonIoBD;
    labelIo2_->setText(FixedText(io, 1));
    const double limit = redFromModeLimit ? kLabelIoModeRedLimit : kLabelIoRedLimit;
    const bool sizeMode = h.IoInputMode == 1;
    SetLabelColours(labelIo2_, sizeMode ? QColor(Qt::white) : ButtonFaceColour(),
                    io >= limit ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void CommonPage::ShowCommonFields() {
    const kmr::ModelHeader& h = context_.State().Model.Header;
    commonLoad_->ShowValue(h.CommonLoad);
    loadHeight_->ShowValue(h.CommonLoadHeight);
    commonIo_->ShowValue(h.CommonIo);
    commonB_->ShowValue(h.CommonB);
    commonD_->ShowValue(h.CommonD);
    commonE_->ShowValue(h.CommonE);
    commonSpring_->ShowValue(h.CommonSpring);
}

void CommonPage::ShowFlags() {
    WindowState& s = context_.State();
    {
        const QSignalBlocker block(notUsed_);
        notUsed_->setChecked(!kmr::CommonLoadActs(s.Model.Header));
    }
    labelIo2_->setText(FixedText(s.Model.Header.CommonIoBD, 1));
    s.PageBreakFlag = s.Defaults.PageBreakDefault();
    const QSignalBlocker block(newPage_);
    newPage_->setChecked(s.PageBreakFlag);
    s.DiagramFlag = s.DiagramDefault;
    const QSignalBlocker blockDiagrams(diagrams_);
    diagrams_->setChecked(s.DiagramFlag);
    s.CheckFlag = s.CheckDefault;
    const QSignalBlocker blockCheck(check_);
    check_->setChecked(s.CheckFlag);
}

void CommonPage::MarkCommonLoadOverLimit() {
    commonLoad_->SetRed(true);
}

}  // namespace kmr::ui
