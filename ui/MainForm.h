// The main window TMainF: the program's only document window. It holds the
// beam model for the life of the process, carries the menus, the tool bar
// and the page control, and runs the document commands.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "UndoHistory.h"
#include "WindowState.h"
#include "calc/CalculatedBeam.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace kmr {
class TPaper;
class TplPrev;
class TplSetPrinter;
}  // namespace kmr

namespace kmr::ui {

class Editor;
class EditHistory;
class FileDropFilter;
class HelpWindow;
struct RecoveryCopy;
class ResultsPage;
class CheckPage;
class UserDialogs;

class TMainF : public QMainWindow {
    Q_OBJECT

  public:
    // dialogs: the question/answer interface; null means the real dialogs.
    explicit TMainF(UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TMainF() override;

    WindowState& State() { return state_; }
    const WindowState& State() const { return state_; }
    Editor& Edit() { return *editor_; }
    UserDialogs& Dialogs() { return *dialogs_; }
    // The last calculated beam, the report document ("Paper") and the preview
    // window that shows it.
    const kmr::CalculatedBeam& Beam() const { return beam_; }
    kmr::TplPrev& PaperDocument() { return *paper_; }
    kmr::TPaper& PreviewWindow() { return *paperForm_; }

    // The commands of the menus, the tool bar and the buttons.
    void StartNewDocument();
    void OpenDocumentFromDialog();
    // Overwrites the document's file; an untitled document or one read from
    // a version-1 file is saved as.
    void SaveDocument();
    // Save as; true when the file was written.
    bool SaveDocumentAs();
    void OpenRecentFile(int n);
    void CalculateAndShowReport();
    void RedrawLoadDiagram();
    void ShowHelpContents();
    void ShowAboutBox();
    void EditYoungModulusList();

    // The handlers the controls call, under the controls' names.
    void NewDataClick() { StartNewDocument(); }
    void MenuFileOpenClick() { OpenDocumentFromDialog(); }
    void FileOverWriteExecute() { SaveDocument(); }
    bool FileSaveAs() { return SaveDocumentAs(); }
    void UseFileClick(int n) { OpenRecentFile(n); }
    void BitBtn1Click() { CalculateAndShowReport(); }
    void BitBtn2Click() { RedrawLoadDiagram(); }
    void HelpContents() { ShowHelpContents(); }
    void AboutClick() { ShowAboutBox(); }
    void YoungRegistrationClick() { EditYoungModulusList(); }
    void PageControl1Change(int index) { SwitchToPage(index); }

    // Opens a file named on the command line (as a file manager does).
    void OpenFromCommandLine(const QString& path);

    // A copy of the model with the load slots on screen gathered into it, for
    // the results page; the document's model stays as it is. nullopt with
    // the reason when a slot's text is not a number.
    std::optional<kmr::BeamModel> LiveModel(QString* reason) const;

    // Undo, redo and the recovery copy of the document ("編集" menu).
    EditHistory& History() { return *history_; }
    // The document as it stands, the load slots on screen included, as its
    // file image; nullopt while a slot's text is not a number.
    std::optional<DocumentImage> DocumentImageNow();
    ViewPlace CurrentPlace() const;
    // Shows a state of the document's history, on the page and at the member
    // and support where its change was made.
    void ShowImage(const DocumentImage& image, const ViewPlace& place);
    // A recovery copy becomes the document: changed, unsaved, at its path.
    void AdoptRecovered(const RecoveryCopy& copy);
    // A file dropped onto the window opens as "開く" opens it.
    void OpenDroppedFile(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildEditMenu(QMenu* menu);
    void BuildToolBar(QWidget* parent);
    void BuildPages(QWidget* parent);
    void BuildStatusBar(QWidget* page);
    void StartUp();
    // The whole document shown in the controls (start, new data, a read);
    // the results page follows.
    void ShowDocument();
    // The live pages update from a model that changed without a control's
    // signal.
    void LivePagesFollowModel();

    void UpdateCaption();
    void UpdateRecentMenu();
    void EnableOverwrite();
    bool AskYes(const QString& text);
    // Runs a command body; an error it throws is shown in an error box and
    // the command stops.
    bool RunCommand(const std::function<void()>& body);
    void ShowError(const QString& text);

    // PageControl1 turned to a page (a MainPage).
    void SwitchToPage(int page);
    void OpenPath(const QString& path);
    bool Load(const QString& path);
    void ReportUnreadableDesign();
    bool WriteDocument(const QString& path);
    QString ProposedSaveAsPath() const;
    QString AskSaveAsTarget();
    void ResetToNewDocument();
    bool CloseQuery();
    void WriteAtClose();
    bool Validate(kmr::ValidationMode mode);
    void ShowReport();
    void SetUpPreview();

    WindowState state_;
    std::unique_ptr<UserDialogs> ownedDialogs_;
    UserDialogs* dialogs_ = nullptr;
    std::unique_ptr<Editor> editor_;
    kmr::CalculatedBeam beam_;
    ResultsPage* resultsPage_ = nullptr;
    CheckPage* checkPage_ = nullptr;
    std::unique_ptr<kmr::TplSetPrinter> printer_;
    std::unique_ptr<kmr::TplPrev> paper_;
    kmr::TPaper* paperForm_ = nullptr;
    HelpWindow* help_ = nullptr;

    QTabWidget* pageControl_ = nullptr;
    QAction* newData_ = nullptr;
    QAction* menuFileOpen_ = nullptr;
    QAction* menuFileOverwrite_ = nullptr;
    QAction* menuFileSaveAs_ = nullptr;
    QAction* fileOpen1_ = nullptr;
    QAction* fileSaveAs1_ = nullptr;
    QAction* fileExit1_ = nullptr;
    QAction* fileOverWrite_ = nullptr;
    QAction* helpContents1_ = nullptr;
    QAction* useFile0_ = nullptr;
    std::array<QAction*, 11> useFile_{};  // 1..10
    QToolButton* toolButton3_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusVersion_ = nullptr;
    // Last: they watch the window's events and go before its controls.
    std::unique_ptr<EditHistory> history_;
    std::unique_ptr<FileDropFilter> drop_;
};

}  // namespace kmr::ui
