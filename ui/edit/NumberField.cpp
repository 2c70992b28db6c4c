#include "edit/NumberField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>
#include <cmath>

#include "edit/FieldText.h"
#include "model/Model.h"

namespace kmr::ui {
namespace {

// Typing and pasting may not make the text longer than the field's length;
// a longer text shown by the program may still be shortened.
class LengthValidator : public QValidator {
  public:
    LengthValidator(QLineEdit* edit, int length) : QValidator(edit), edit_(edit), length_(length) {}
    State validate(QString& input, int&) const override {
        if (input.size() <= length_ || input.size() < edit_->text().size()) return Acceptable;
        return Invalid;
    }

  private:
    QLineEdit* edit_;
    int length_;
};

}  // namespace

NumberField::NumberField(QWidget* parent, const QString& name, int length, bool signedField,
                         int tag)
    : QLineEdit(parent), length_(length), signed_(signedField), tag_(tag) {
    setObjectName(name);
    setProperty("Tag", tag);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new LengthValidator(this, length));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textChanged, this, [this] { Changed(); });
    SetInUse(true, Qt::white);
    SetRed(false);
}

void NumberField::Show(const QString& text) {
    shownValue_.reset();
    {
        const QSignalBlocker block(this);
        setText(text);
    }
    Changed();
}

void NumberField::Write(double v) {
    Show(ValueText(v, length_));
}

void NumberField::ShowValue(double v) {
    shownText_ = whole_ && std::fabs(static_cast<float>(v)) >= kmr::kEpsilon
                     ? GeneralText(v, 15)
                     : ValueText(v, length_);
    shownValue_ = v;
    {
        const QSignalBlocker block(this);
        setText(shownText_);
    }
    if (onShow_) onShow_(v);
}

std::optional<double> NumberField::ShownValue() const {
    if (shownValue_ && text() == shownText_) return shownValue_;
    return std::nullopt;
}

double NumberField::Value(bool dashIsZero) const {
    if (const std::optional<double> v = ShownValue()) return *v;
    return ReadFieldNumber(text(), dashIsZero);
}

void NumberField::Changed() {
    if (onChange_) onChange_();
}

void NumberField::SetRed(bool red) {
    red_ = red;
    QPalette pal = palette();
    const QColor c = red ? QColor(255, 0, 0) : QColor(0, 0, 0);
    pal.setColor(QPalette::Active, QPalette::Text, c);
    pal.setColor(QPalette::Inactive, QPalette::Text, c);
    setPalette(pal);
}

void NumberField::SetInUse(bool inUse, const QColor& background) {
    setEnabled(inUse);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, background);
    }
    setPalette(pal);
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (!KeyAdmitted(event->key(), event->modifiers(), event->text(), signed_)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QColor ButtonFaceColour() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor DisabledSpringColour() {
    return QColor(221, 221, 221);
}

}  // namespace kmr::ui
