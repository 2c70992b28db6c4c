#include "edit/PageParts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QProxyStyle>
#include <QTabBar>

#include "edit/LoadPictures.h"
#include "edit/LoadSlots.h"

namespace kmr::ui {
namespace {

constexpr int kSlotPitch = 136;
constexpr int kSlotWidth = 130;
// The right border of a group box, and the smallest font a fitted label
// takes.
constexpr int kFrameRoom = 3;
constexpr int kSmallestLabelPixels = 9;

// Tabs with less room beside their text: eleven support tabs ("支点[A]" ..
// "支点[K]") fit the row's 700 pixels, so no tab hides behind scroll arrows.
class NarrowTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

void UseNarrowTabs(QTabBar* tabs) {
    auto* style = new NarrowTabStyle;
    style->setParent(tabs);
    tabs->setStyle(style);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, const char* name) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    return l;
}

void FitLabelInParent(QLabel* label) {
    label->setFont(QFont());  // the parent's font again
    label->adjustSize();
    const QWidget* parent = label->parentWidget();
    if (!parent) return;
    const int room = parent->width() - kFrameRoom - label->x();
    QFont font = label->font();
    int pixels = QFontInfo(font).pixelSize();
    while (label->width() > room && pixels > kSmallestLabelPixels) {
        font.setPixelSize(--pixels);
        label->setFont(font);
        label->adjustSize();
    }
}

LoadTabRow::LoadTabRow(QWidget* area, const QString& tabsName, const QString& headerName,
                       QObject* context, std::function<void(int)> onChange) {
    tabs_ = new QTabBar(area);
    tabs_->setObjectName(tabsName);
    tabs_->setGeometry(4, 2, 700, 24);
    tabs_->setExpanding(false);
    auto* style = new NarrowTabStyle;
    style->setParent(tabs_);
    tabs_->setStyle(style);
    QObject::connect(tabs_, &QTabBar::currentChanged, context, std::move(onChange));
    header_ = MakeLabel(area, QString(), 12, 32);
    header_->setObjectName(headerName);
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    header_->setFixedWidth(70);
}

void LoadTabRow::Build(int kind, int spanCount) {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const QString& t : LoadTabTexts(kind, spanCount)) tabs_->addTab(t);
}

void LoadTabRow::Select(int number) {
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(number - 1);
    }
    header_->setText(Text(number - 1));
}

QString LoadTabRow::Text(int index) const {
    return tabs_->tabText(index);
}

QGroupBox* MakeSlotBox(QWidget* area, const QString& title, const QString& prefix, int j,
                       int height) {
    auto* box = new QGroupBox(QStringLiteral("%1 - No.%2").arg(title).arg(j), area);
    box->setObjectName(prefix + QString::number(j));
    box->setGeometry(14 + kSlotPitch * (j - 1), 50, kSlotWidth, height);
    return box;
}

QComboBox* MakeSlotTypeBox(QGroupBox* box, const QString& prefix, int j, const QStringList& items,
                           int none, QObject* context, std::function<void(int)> onActivated) {
    auto* type = new QComboBox(box);
    type->setObjectName(prefix + QString::number(j));
    type->setProperty("Tag", j);
    type->addItems(items);
    type->setCurrentIndex(none);
    type->setGeometry(6, 18, 70, 22);
    QObject::connect(type, &QComboBox::activated, context, std::move(onActivated));
    return type;
}

void ShowSlotType(QComboBox* type, int code, bool known) {
    const QSignalBlocker block(type);
    type->setCurrentIndex(known ? code : -1);
}

QLabel* MakeSlotPicture(QGroupBox* box, const QString& prefix, int j, int y) {
    auto* picture = new QLabel(box);
    picture->setObjectName(prefix + QString::number(j));
    picture->setGeometry(5, y, kLoadPictureWidth, kLoadPictureHeight);
    return picture;
}

void ShowSlotPicture(QLabel* picture, const QPixmap& pixmap, int index) {
    picture->setPixmap(pixmap);
    picture->setProperty("Picture", index);
}

}  // namespace kmr::ui
