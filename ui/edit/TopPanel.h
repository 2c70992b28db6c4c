// The controls of Panel1, laid over the load diagram drwPaper: the span
// count ComboBox1, the span lengths MmSpan1..10, the support conditions
// ComboSiten1..11 and the spring constants MmBane1..11 with the unit label
// LabelTanni1. The fields sit on the 60-pixel pitch of the diagram's spans.
#pragma once

#include <QString>
#include <array>

class QComboBox;
class QLabel;
class QWidget;

namespace kmr::ui {

class PageContext;
class NumberField;
class DiagramView;

class TopPanel {
  public:
    TopPanel(PageContext& context, QWidget* panel);

    DiagramView* Diagram() const { return diagram_; }

    // ComboBox1 refilled with "1".."10" and the model's span count selected,
    // without running its handler.
    void ShowSpanCount();
    void ShowSpanLength(int n);
    // The condition selected in ComboSiten n (without its handler).
    void SelectCondition(int n);
    // Spring constant n shown; the field in use (white) only for a spring.
    void ShowSupport(int n);
    void ApplyVisibility(int spanCount);
    void SetUnitLabel(const QString& text);

    // Values of the controls for the gather (NumberField::Value; throw
    // InputError).
    double ReadSpan(int n) const;
    double ReadSpring(int n) const;
    int Condition(int n) const;
    NumberField* SpanField(int n) const { return span_[static_cast<std::size_t>(n)]; }

    // The handlers the boxes call, under the boxes' names.
    void ComboBox1Change(int index);
    void ComboSiten1Change(int n, int index);

  private:
    void BuildFields(QWidget* panel);

    PageContext& context_;
    DiagramView* diagram_ = nullptr;
    QComboBox* spanCount_ = nullptr;
    QLabel* unitLabel_ = nullptr;
    std::array<NumberField*, 11> span_{};     // 1..10
    std::array<QComboBox*, 12> condition_{};  // 1..11
    std::array<NumberField*, 12> spring_{};   // 1..11
};

}  // namespace kmr::ui
