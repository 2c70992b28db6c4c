#include "LdLxLyForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "AppFonts.h"
#include "DigitKeyFilter.h"
#include "SlabPicture.h"
#include "UserDialogs.h"
#include "YoungList.h"

namespace kmr::ui {
namespace {

QFont Gothic13() {
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(13);
    return f;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& r) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    return l;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setGeometry(x, 184, 75, 22);
    return b;
}

}  // namespace

TLdLxLyF::TLdLxLyF(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("LdLxLyF"));
    setWindowTitle(QStringLiteral("全スパン荷重入力"));
    setFont(PGothicFont(12));
    setFixedSize(217, 210);
    picture_ = MakeLabel(this, "Image1", QString(), QRect(5, 4, 206, 111));
    label1_ = MakeLabel(this, "Label1", QString(), QRect(5, 117, 206, 18));
    label1_->setFont(Gothic13());
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setAutoFillBackground(true);
    label1_->setStyleSheet(QStringLiteral("background-color: white;"));
    MakeLabel(this, "Label3", QStringLiteral("スパン長 (m)"), QRect(12, 139, 100, 18));
    spanL_ = MakeLabel(this, "LblSpanL", QString(), QRect(118, 139, 90, 18));
    spanL_->setFont(Gothic13());
    spanL_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spanL_->setStyleSheet(QStringLiteral("background-color: #C0DCC0; padding-right: 3px;"));
    label2_ = MakeLabel(this, "Label2", QString(), QRect(12, 161, 104, 20));
    lxly_ = new QLineEdit(this);
    lxly_->setObjectName(QStringLiteral("MmLxLy"));
    lxly_->setGeometry(118, 161, 90, 20);
    lxly_->setFont(Gothic13());
    lxly_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lxly_->setMaxLength(7);
    lxly_->installEventFilter(new DigitKeyFilter(lxly_));
    QPushButton* ok = MakeButton(this, "BtnOK", QStringLiteral("O K"), 30);
    QPushButton* cancel = MakeButton(this, "BtnCancel", QStringLiteral("ｷｬﾝｾﾙ"), 112);
    connect(ok, &QPushButton::clicked, this, &TLdLxLyF::BtnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Prepare(kTrapezoidLoad, QString());
}

void TLdLxLyF::Prepare(int loadType, const QString& spanText) {
    loadType_ = loadType;
    result_.reset();
    lxly_->clear();
    picture_->setPixmap(DrawSlabPicture(loadType));
    label1_->setText(SlabTitle(loadType));
    label2_->setText(SlabDimension(loadType));
    spanL_->setText(spanText);
    lxly_->setFocus();
}

void TLdLxLyF::ComputeLoadFields() {
    const std::optional<double> span = ParseNumberText(spanL_->text());
    if (!span) {
        dialogs_.Message(MsgKind::Error, NotANumberMessage(spanL_->text()), int(Button::OK));
        return;
    }
    double v = 0;
    if (!lxly_->text().trimmed().isEmpty()) {
        const std::optional<double> typed = ParseNumberText(lxly_->text());
        if (!typed) {
            dialogs_.Message(MsgKind::Error, NotANumberMessage(lxly_->text()), int(Button::OK));
            lxly_->setFocus();
            return;
        }
        v = *typed;
    }
    const auto outcome = ComputeSlabLoad(loadType_, *span, v);
    if (const auto* refusal = std::get_if<SlabRefusal>(&outcome)) {
        dialogs_.Message(MsgKind::Error, refusal->Message, int(Button::OK));
        lxly_->setFocus();
        return;
    }
    result_ = std::get<SlabLoadFields>(outcome);
    accept();
}

}  // namespace kmr::ui
