// A one-line, right-aligned numeric field of the editor: the user can type
// at most its length and the key filter of FieldText.h applies. Writing a
// text (Show) runs the field's change handler like typing does. Showing a
// model value (ShowValue) only colours the field: the field remembers the
// value, and while its text is the one shown, reading it gives that value
// back whole, so showing never changes the model.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <functional>
#include <optional>

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
    // Run by ShowValue with the value shown (colours the field).
    void SetOnShow(std::function<void(double)> handler) { onShow_ = std::move(handler); }
    // Fields that show a value whole rather than rounded to their length.
    void SetShowsWhole(bool whole) { whole_ = whole; }
    // Writes the text as it is (never cut) and runs the change handler.
    void Show(const QString& text);
    // Show(ValueText(v, Length())): a value the program enters for the user.
    void Write(double v);
    // Writes ValueText(v, Length()) (GeneralText(v, 15) when the field shows
    // values whole) without running the change handler; runs the show
    // handler.
    void ShowValue(double v);
    // The value last shown by ShowValue while the text is still the one it
    // wrote; nullopt once the text changed or after Show.
    std::optional<double> ShownValue() const;
    // ShownValue(), else the value of the text (ReadFieldNumber).
    double Value(bool dashIsZero = false) const;

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
    bool whole_ = false;
    std::optional<double> shownValue_;
    QString shownText_;
    std::function<void()> onChange_;
    std::function<void(double)> onShow_;
};

// The background of controls that are not in use (the button face).
QColor ButtonFaceColour();
// The grey of a spring field whose support is not a spring.
QColor DisabledSpringColour();

}  // namespace kmr::ui
