// TMainF: the "編集" menu and what undo, redo, the recovery copy and a
// dropped file ask of the window. The history itself is in EditHistory.
#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <algorithm>

#include "DocumentFiles.h"
#include "EditHistory.h"
#include "Editor.h"
#include "MainForm.h"
#include "Messages.h"
#include "Recovery.h"
#include "model/DataFile.h"

namespace kmr::ui {

void TMainF::BuildEditMenu(QMenu* menu) {
    menu->setObjectName(QStringLiteral("Edit1"));
    QAction* undo = menu->addAction(QString());
    undo->setObjectName(QStringLiteral("EditUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = menu->addAction(QString());
    redo->setObjectName(QStringLiteral("EditRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    history_ = std::make_unique<EditHistory>(*this, undo, redo);
}

std::optional<DocumentImage> TMainF::DocumentImageNow() {
    const std::optional<kmr::BeamModel> live = LiveModel(nullptr);
    if (!live) return std::nullopt;
    return kmr::EncodeDataFile(*live);
}

ViewPlace TMainF::CurrentPlace() const {
    return {state_.ActivePage, state_.CurrentMember, state_.CurrentSupport};
}

void TMainF::ShowImage(const DocumentImage& image, const ViewPlace& place) {
    if (place.Page <= kMemberPropsPage && pageControl_->currentIndex() != place.Page) {
        pageControl_->setCurrentIndex(place.Page);
    }
    RunCommand([&] {
        kmr::LoadDataImage(kmr::FileKind::Version3, state_.DocumentPath.toStdString(), image,
                           state_.Model);
        const int spans = kmr::UsedSpanCount(state_.Model);
        state_.CurrentMember = std::clamp(place.Member, 1, spans);
        state_.CurrentSupport = std::clamp(place.Support, 1, spans + 1);
        editor_->ShowDocument();
    });
    LivePagesFollowModel();
}

void TMainF::AdoptRecovered(const RecoveryCopy& copy) {
    state_.DocumentPath = copy.DocumentPath;
    state_.IsUntitled = copy.Untitled;
    UpdateCaption();
    ShowImage(copy.Image, {state_.ActivePage, 1, 1});
    state_.IsModified = true;
    if (!copy.Untitled && KindOfPath(copy.DocumentPath) == kmr::FileKind::Version3) {
        EnableOverwrite();
    }
    history_->Restart(false);
}

void TMainF::OpenDroppedFile(const QString& path) {
    if (state_.IsModified && !AskYes(msg::OpenChangedQuestion(state_.DocumentPath))) return;
    OpenPath(path);
}

}  // namespace kmr::ui
