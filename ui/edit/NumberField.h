// A one-line, right-aligned numeric field of the editor: the user can type
// at most its length, the key filter of FieldText.h applies, and showing a
// text runs the field's change handler (also when the text is the same), so
// that the model holds the value of the shown text afterwards.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <functional>

namespace kmr::ui {

class NumberField : public QLineEdit {
  public:
    // tag: the member, support, slot or item number the handler works on.
    NumberField(QWidget* parent, const QString& name, int length, bool signedField, int tag = 0);

    int Length() const { return length_; }
    bool Signed() const { return signed_; }
    int Tag() const { return tag_; }

    // The change handler: run when the text changes by typing and after
    // every Show.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Writes the text as it is (never cut) and runs the change handler.
    void Show(const QString& text);
    // Show(ValueText(v, Length())).
    void ShowValue(double v);

    // Font colour red (255) or black (0).
    void SetRed(bool red);
    bool IsRed() const { return red_; }
    // Enabled or disabled, with the background colour of either state.
    void SetInUse(bool inUse, const QColor& background);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Changed();

    int length_;
    bool signed_;
    int tag_;
    bool red_ = false;
    std::function<void()> onChange_;
};

// The background of controls that are not in use (the button face).
QColor ButtonFaceColour();
// The grey of a spring field whose support is not a spring.
QColor DisabledSpringColour();

}  // namespace kmr::ui
