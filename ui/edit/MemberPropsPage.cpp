#include "edit/MemberPropsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "UserDialogs.h"
#include "WindowState.h"
#include "calc/Validation.h"
#include "dialogs/Dialogs.h"
#include "edit/EditRules.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"
#include "edit/PageParts.h"

namespace kmr::ui {
namespace {

const QColor kLightYellow(255, 255, 128);  // colour value 8454143

// "部材[１]" .. "部材[１０]" with full-width digits.
QString MemberCaption(int n) {
    QString digits = QString::number(n);
    for (QChar& c : digits) c = QChar(c.unicode() - u'0' + 0xFF10);
    return QStringLiteral("部材[") + digits + QStringLiteral("]");
}

}  // namespace

MemberPropsPage::MemberPropsPage(PageContext& context, QWidget* area) : context_(context) {
    for (int n = 1; n <= kmr::kMaxSpans; ++n) Build(area, n);
}

void MemberPropsPage::Build(QWidget* area, int n) {
    Fields& f = members_[static_cast<std::size_t>(n)];
    kmr::MemberRecord& r = context_.State().Model.Members[static_cast<std::size_t>(n)];
    f.box = new QGroupBox(MemberCaption(n), area);
    f.box->setObjectName(QStringLiteral("BuzaiSeino%1").arg(n));
    f.box->setGeometry(2 + 140 * ((n - 1) % 5), n <= 5 ? 4 : 147, 136, 140);

    MakeLabel(f.box, QStringLiteral("Io"), 6, 20);
    f.io = new NumberField(f.box, QStringLiteral("MmGirIo%1").arg(n), 12, false, n);
    f.io->setGeometry(22, 16, 76, 21);
    f.io->setToolTip(QStringLiteral("大値＜1E+12(cm4)"));
    context_.BindField(f.io, limits::MemberIo, false, [&r](double v) { r.Io = v; });
    MakeLabel(f.box, QStringLiteral("(cm4)"), 100, 20);

    MakeLabel(f.box, QStringLiteral("B(cm)"), 8, 40);
    f.b = new NumberField(f.box, QStringLiteral("MmGirB%1").arg(n), 10, false, n);
    f.b->setGeometry(6, 54, 58, 20);
    context_.BindField(f.b, limits::MemberSize, false, [&r](double v) { r.B = v; });
    MakeLabel(f.box, QStringLiteral("D(cm)"), 72, 40);
    f.d = new NumberField(f.box, QStringLiteral("MmGirD%1").arg(n), 10, false, n);
    f.d->setGeometry(70, 54, 58, 20);
    context_.BindField(f.d, limits::MemberSize, false, [&r](double v) { r.D = v; });
    for (NumberField* x : {f.b, f.d}) {
        x->SetInUse(true, kLightYellow);
        x->setToolTip(QStringLiteral("最大値＜1000(cm)"));
    }

    auto* calc = new QPushButton(QStringLiteral("Io計算"), f.box);
    calc->setObjectName(QStringLiteral("CalSeinoBtn%1").arg(n));
    calc->setProperty("Tag", n);
    calc->setToolTip(QStringLiteral("梁幅・梁せいから Io (=1/12･B･D^3) を算定します"));
    calc->setGeometry(6, 77, 58, 22);
    QObject::connect(calc, &QPushButton::clicked, context_.Connections(),
                     [this, n] { CalSeinoBtn1Click(n); });
    auto* list = new QPushButton(QStringLiteral("E ﾘｽﾄ"), f.box);
    list->setObjectName(QStringLiteral("BtnYngSel%1").arg(n));
    list->setProperty("Tag", n);
    list->setToolTip(QStringLiteral("ヤング係数登録リストを表示します"));
    list->setGeometry(70, 77, 58, 22);
    QObject::connect(list, &QPushButton::clicked, context_.Connections(),
                     [this, n] { BtnYngSelClick(n); });

    MakeLabel(f.box, QStringLiteral("ﾔﾝｸﾞ係数"), 8, 102);
    f.e = new NumberField(f.box, QStringLiteral("MmGirE%1").arg(n), 9, false, n);
    f.e->setGeometry(6, 116, 76, 20);
    f.e->setToolTip(QStringLiteral("最大値＜1E+6(t/cm2) or 1E+7(kN/cm2)"));
    context_.BindField(f.e, limits::MemberE, false, [&r](double v) { r.E = v; });
    f.unit = new QLabel(UnitLabelText(4 + n, 0), f.box);
    f.unit->setObjectName(QStringLiteral("LabelTanni%1").arg(4 + n));
    f.unit->move(86, 119);
    f.unit->adjustSize();
}

void MemberPropsPage::ShowMemberProperties(int n) {
    const Fields& f = members_[static_cast<std::size_t>(n)];
    const kmr::MemberRecord& r = context_.State().Model.Members[static_cast<std::size_t>(n)];
    f.io->ShowValue(r.Io);
    f.b->ShowValue(r.B);
    f.d->ShowValue(r.D);
    f.e->ShowValue(r.E);
}

void MemberPropsPage::ApplyVisibility(int spanCount) {
    for (int n = 1; n <= kmr::kMaxSpans; ++n) {
        members_[static_cast<std::size_t>(n)].box->setVisible(n <= spanCount);
    }
}

void MemberPropsPage::SetUnitLabels(int inputUnit) {
    for (int n = 1; n <= kmr::kMaxSpans; ++n) {
        QLabel* l = members_[static_cast<std::size_t>(n)].unit;
        l->setText(UnitLabelText(4 + n, inputUnit));
        FitLabelInParent(l);
    }
}

void MemberPropsPage::ComputeIoFromBeamSize(int n) {
    const Fields& f = members_[static_cast<std::size_t>(n)];
    context_.Run([&] {
        if (!context_.Validate(kmr::kValidateBeamSize)) return;
        if (static_cast<float>(f.io->Value()) > kmr::kEpsilon &&
            context_.Dialogs().Message(MsgKind::Confirmation, msg::ReplaceIoQuestion(),
                                       Button::Yes | Button::Cancel) != Button::Yes) {
            return;
        }
        const double io = BeamSizeIo(f.b->Value(), f.d->Value());
        f.io->Show(FixedText(io, 1));
    });
}

void MemberPropsPage::PickMemberEFromList(int n) {
    WindowState& s = context_.State();
    const std::optional<QString> text = PickYoungModulusText(context_.Window(), context_.Dialogs(),
                                                             s.Defaults, s.Model.Header.InputUnit);
    if (text) members_[static_cast<std::size_t>(n)].e->Show(*text);
}

}  // namespace kmr::ui
