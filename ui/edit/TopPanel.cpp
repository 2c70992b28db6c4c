#include "edit/TopPanel.h"

#include <QComboBox>
#include <QLabel>

#include "WindowState.h"
#include "edit/DiagramView.h"
#include "edit/LoadSlots.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"
#include "edit/PageParts.h"
#include "model/Model.h"

namespace kmr::ui {
namespace {

constexpr int kPitch = 60;

}  // namespace

TopPanel::TopPanel(PageContext& context, QWidget* panel) : context_(context) {
    diagram_ = new DiagramView(panel);
    diagram_->move(3, 3);
    MakeLabel(panel, QStringLiteral("ｽﾊﾟﾝ数"), 8, 6);
    spanCount_ = new QComboBox(panel);
    spanCount_->setObjectName(QStringLiteral("ComboBox1"));
    spanCount_->setToolTip(QStringLiteral("スパン数の設定"));
    spanCount_->setGeometry(6, 22, 50, 21);
    for (int n = 1; n <= kmr::kMaxSpans; ++n) spanCount_->addItem(QString::number(n));
    QObject::connect(spanCount_, &QComboBox::activated, context_.Connections(),
                     [this](int index) { ComboBox1Change(index); });
    MakeLabel(panel, QStringLiteral("ｽﾊﾟﾝ長(m)"), 6, 84);
    MakeLabel(panel, QStringLiteral("支持"), 10, 112);
    MakeLabel(panel, QStringLiteral("バネ"), 10, 128);
    unitLabel_ = MakeLabel(panel, QStringLiteral("(t/cm)"), 2, 145, "LabelTanni1");
    QFont small = unitLabel_->font();
    small.setPixelSize(11);  // "(kN/cm)" stays left of MmBane1
    unitLabel_->setFont(small);
    BuildFields(panel);
}

// The rows are made one after the other, so that Tab walks along a row:
// the span lengths, then the support conditions, then the springs.
void TopPanel::BuildFields(QWidget* panel) {
    kmr::BeamModel& model = context_.State().Model;
    for (int n = 1; n <= kmr::kMaxSpans; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        auto* f = new NumberField(panel, QStringLiteral("MmSpan%1").arg(n), 6, false, n);
        f->setGeometry(70 + kPitch * (n - 1), 80, 50, 21);
        f->setToolTip(QStringLiteral("最大スパン長＜100(m)"));
        f->SetShowsWhole(true);
        context_.BindField(f, limits::Span, false,
                           [&model, i](double v) { model.Members[i].SpanLength = v; });
        span_[i] = f;
    }
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        auto* box = new QComboBox(panel);
        box->setObjectName(QStringLiteral("ComboSiten%1").arg(n));
        box->setProperty("Tag", n);
        box->addItems(SupportConditionItems());
        box->setGeometry(46 + kPitch * (n - 1), 108, 57, 21);
        QObject::connect(box, &QComboBox::activated, context_.Connections(),
                         [this, n](int index) { ComboSiten1Change(n, index); });
        condition_[static_cast<std::size_t>(n)] = box;
    }
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        auto* f = new NumberField(panel, QStringLiteral("MmBane%1").arg(n), 5, false, n);
        f->setGeometry(46 + kPitch * (n - 1), 131, 57, 21);
        f->setToolTip(QStringLiteral("値＜1000(t/cm) or 10000(kN/cm)"));
        f->SetShowsWhole(true);
        context_.BindField(f, limits::Spring, false,
                           [&model, i](double v) { model.Supports[i].SpringConstant = v; });
        spring_[i] = f;
    }
}

void TopPanel::ShowSpanCount() {
    const QSignalBlocker block(spanCount_);
    spanCount_->clear();
    for (int n = 1; n <= kmr::kMaxSpans; ++n) spanCount_->addItem(QString::number(n));
    spanCount_->setCurrentIndex(kmr::UsedSpanCount(context_.State().Model) - 1);
}

void TopPanel::ShowSpanLength(int n) {
    span_[static_cast<std::size_t>(n)]->ShowValue(
        context_.State().Model.Members[static_cast<std::size_t>(n)].SpanLength);
}

void TopPanel::SelectCondition(int n) {
    QComboBox* box = condition_[static_cast<std::size_t>(n)];
    const QSignalBlocker block(box);
    box->setCurrentIndex(context_.State().Model.Supports[static_cast<std::size_t>(n)].Condition);
}

void TopPanel::ShowSupport(int n) {
    const kmr::SupportRecord& s = context_.State().Model.Supports[static_cast<std::size_t>(n)];
    NumberField* f = spring_[static_cast<std::size_t>(n)];
    f->ShowValue(s.SpringConstant);
    const bool spring = s.Condition == kmr::kSupportSpring;
    f->SetInUse(spring, spring ? QColor(Qt::white) : DisabledSpringColour());
}

void TopPanel::ApplyVisibility(int spanCount) {
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        if (n <= kmr::kMaxSpans) span_[i]->setVisible(n <= spanCount);
        condition_[i]->setVisible(n <= spanCount + 1);
        spring_[i]->setVisible(n <= spanCount + 1);
    }
}

void TopPanel::SetUnitLabel(const QString& text) {
    unitLabel_->setText(text);
    unitLabel_->adjustSize();
}

double TopPanel::ReadSpan(int n) const {
    return span_[static_cast<std::size_t>(n)]->Value();
}

double TopPanel::ReadSpring(int n) const {
    return spring_[static_cast<std::size_t>(n)]->Value();
}

int TopPanel::Condition(int n) const {
    return condition_[static_cast<std::size_t>(n)]->currentIndex();
}

void TopPanel::ComboBox1Change(int index) {
    context_.Sequences().ChangeSpanCount(index + 1);
}

void TopPanel::ComboSiten1Change(int n, int index) {
    context_.Sequences().ChangeSupportCondition(n, index);
}

}  // namespace kmr::ui
