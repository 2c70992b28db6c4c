// What the pages of the editor (TopPanel, CommonPage, MemberLoadPage,
// NodeLoadPage, MemberPropsPage) are given: the window state, the dialogs,
// handler bodies run with their errors shown, the validation, the binding of
// numeric fields, the stock load pictures, and the sequences that span
// several pages, which the editor runs (EditSequences).
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>

#include "calc/Validation.h"
#include "edit/FieldText.h"

class QLabel;
class QWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;
class NumberField;

// The sequences a page asks of the editor because they touch other pages,
// the top panel or the diagram.
class EditSequences {
  public:
    // The span count chosen: everything gathered first (an error keeps the
    // box at the model's count), then the tab rows rebuilt, the current
    // member and support kept within the count, the diagram redrawn.
    virtual void ChangeSpanCount(int count) = 0;
    // Support n (1..11) given condition: its spring field and the diagram.
    virtual void ChangeSupportCondition(int n, int condition) = 0;
    // Another input unit system: labels, common controls and member
    // properties shown again; the same system changes nothing.
    virtual void ChangeInputUnit(int unit) = 0;
    // Another member (1..10) or support (1..11) on the load pages: the loads
    // shown are gathered first (an error keeps the tab where it was).
    virtual void ChangeCurrentMember(int member) = 0;
    virtual void ChangeCurrentSupport(int support) = 0;
    // After a member-load type change or the full-span button: the current
    // slots gathered and the diagram redrawn, the changed flag kept.
    virtual void GatherAndRedraw() = 0;
    // The spring constant of support n shown again.
    virtual void ShowSupport(int n) = 0;
    // The text of the span-length field of a member.
    virtual QString SpanText(int member) const = 0;
    // MmComm1 red: the validation found the common load over its limit.
    virtual void MarkCommonLoadOverLimit() = 0;

  protected:
    ~EditSequences() = default;
};

class PageContext {
  public:
    // The hidden images ImageSv0..7 of the stock load pictures are made in
    // pictureHolder.
    PageContext(WindowState& state, UserDialogs& dialogs, QWidget* window, EditSequences& sequences,
                QWidget* pictureHolder);
    PageContext(const PageContext&) = delete;
    PageContext& operator=(const PageContext&) = delete;

    WindowState& State() const { return state_; }
    UserDialogs& Dialogs() const { return dialogs_; }
    // The main window: the parent of the modal dialogs.
    QWidget* Window() const { return window_; }
    EditSequences& Sequences() const { return sequences_; }
    // The context of every connection of the controls: they end with it.
    QObject* Connections() { return &connections_; }
    int InputUnit() const;

    // Runs a handler body; an error it throws is shown in an error box.
    bool Run(const std::function<void()>& body) const;
    void ShowError(const QString& text) const;
    // Validation in a mode; its message is shown; true when it passed.
    bool Validate(kmr::ValidationMode mode) const;

    // A numeric field that edits one model value: on every change the text
    // is read, the field coloured by its limit, the document marked changed
    // when the field is black, and the value stored; `after` runs last.
    // Showing a model value only colours the field (BindShow).
    void BindField(NumberField* field, const FieldLimit& limit, bool dashIsZero,
                   std::function<void(double)> store, std::function<void()> after = {});
    // A load field: marks the document changed and colours it; the value
    // reaches the model when the slots are gathered.
    void BindLoadField(NumberField* field, const FieldLimit& limit);
    // Showing a model value in a field only colours it by its limit.
    void BindShow(NumberField* field, const FieldLimit& limit);

    // The stock picture of a load type, held by the hidden images ImageSv0..7
    // (member loads 0..6, node loads 7).
    QPixmap LoadPicture(int index) const;

  private:
    QObject connections_;
    WindowState& state_;
    UserDialogs& dialogs_;
    QWidget* window_;
    EditSequences& sequences_;
    std::array<QLabel*, 8> pictures_{};
};

}  // namespace kmr::ui
