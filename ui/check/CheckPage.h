// The page "断面検定": one row per member in use with its design data (the
// section from the built-in list, searchable by typing, or its plates; the
// steel; the bracing n and lb; the deflection limit and factor) and the
// live result of the check (σb/fb, τ/fs, deflection "1/n", 判定), coloured
// and marked. It calculates a copy of the model as the results page does;
// the document changes only when design data is edited here (EditDocument)
// or an Io is set from a section.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "calc/DesignCheck.h"
#include "check/DesignRows.h"
#include "results/FollowChanges.h"
#include "results/ResultsPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;

class CheckPage : public QWidget {
  public:
    // ioShown: run after an Io was set, to show the members' Io again.
    CheckPage(WindowState& state, UserDialogs& dialogs, LiveModelSource source,
              std::function<void()> ioShown, QWidget* parent = nullptr);
    ~CheckPage() override;

    // The update, now (Recalculate).
    void UpdateNow() { Recalculate(); }
    // The page follows every field text, combo box and check or radio
    // button under root, as the results page does: a change asks for an
    // update at the end of the event-loop turn, run while the page is
    // visible (and when it is shown).
    void Follow(QWidget* root);
    // The document's model changed without a control's signal.
    void ModelChanged() { update_.Request(); }
    // The page's update: the rows follow the document's span count and
    // design data, and the check is calculated from the live model.
    void Recalculate();

    // The check shown (Done false when there is none) and the message in
    // its place.
    const kmr::BeamCheck& Check() const { return check_; }
    QString MessageText() const;
    // The check table as tab-separated rows (as "コピー" puts it on the
    // clipboard): a header line, then one line per member checked.
    QString CheckText() const;

    // The handlers of the buttons and boxes.
    void BtnCopyCheckClick() { CopyCheckTable(); }
    void BtnSetIoClick(int member) { SetIoFromSection(member); }
    void BtnSetIoAllClick() { SetIoFromAllSections(); }
    void CheckMethodChange(int index) { ChangeMethod(index); }

    void CopyCheckTable();
    // The member's Io becomes its section's Ix, after a question.
    void SetIoFromSection(int member);
    void SetIoFromAllSections();
    // The formula of fb: 0 the notification, 1 AIJ 2005.
    void ChangeMethod(int index);
    // The texts of a member's row read and stored, or refused with a
    // message naming the member and the field (the row shown again).
    void CommitRow(int member);
    // The plate fields show (and edit) this member's plates.
    void ShowPlatesOf(int member);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct RowWidgets {
        QComboBox* section = nullptr;
        QComboBox* steel = nullptr;
        QLineEdit* bracing = nullptr;
        QLineEdit* lb = nullptr;
        QLineEdit* limit = nullptr;
        QLineEdit* factor = nullptr;
        QPushButton* setIo = nullptr;
    };
    void BuildTop();
    void BuildTable();
    void BuildPlates();
    void MakeRow(int member);
    void SyncRows(const kmr::BeamModel& document);
    void ShowRow(int member);
    void ShowPlates();
    void ShowResults(const QString& problem);
    void ShowResultCells(int member, const kmr::MemberCheck* c);
    DesignRowText RowTexts(int member) const;
    bool StoreDesign(const kmr::DesignData& data);
    bool AskYes(const QString& text);
    std::vector<int> MembersWithSection() const;

    WindowState& state_;
    UserDialogs& dialogs_;
    LiveModelSource source_;
    std::function<void()> ioShown_;
    CoalescedUpdate update_{this, [this] {
                                if (isVisible()) UpdateNow();
                            }};
    QComboBox* method_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* setIoAll_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::array<RowWidgets, 11> rows_{};  // 1..10
    int rowCount_ = 0;
    QLabel* plateLabel_ = nullptr;
    std::array<QLineEdit*, 5> plates_{};  // H, B, tw, tf, r
    QComboBox* fabrication_ = nullptr;
    int plateMember_ = 1;

    // The design data the rows show (the document's) and its check.
    kmr::DesignData shown_;
    bool filling_ = false;     // rows being shown: their signals are not edits
    bool committing_ = false;  // a row being read and stored
    kmr::BeamModel model_;
    kmr::ForceUnit outputUnit_ = kmr::kUnitTon;
    kmr::BeamCheck check_;
};

}  // namespace kmr::ui
