// The questions and dialogs of the preview window, behind an interface so
// that tests answer them directly.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace kmr {

class PreviewDialogs {
  public:
    virtual ~PreviewDialogs() = default;
    // Yes / No question; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // OK / Cancel question; true for OK.
    virtual bool AskOkCancel(QWidget* parent, const QString& text) = 0;
    // A message with an exclamation icon.
    virtual void Warn(QWidget* parent, const QString& text) = 0;
    // The print dialog on printer, pages minPage..maxPage offered, from..to
    // preset. On OK the printer holds the choices and from..to the range
    // (all pages when the user chose all). False when cancelled.
    virtual bool RunPrintDialog(QWidget* parent, QPrinter& printer, int minPage, int maxPage,
                                int& from, int& to) = 0;
    // A PDF file to print into when there is no printer; empty when cancelled.
    virtual QString ChoosePdfFile(QWidget* parent, const QString& suggested) = 0;
};

// The real dialogs: message boxes captioned "印刷プレビュー制御コンポーネント",
// QPrintDialog, and a file dialog.
class MessageBoxDialogs : public PreviewDialogs {
  public:
    bool AskYesNo(QWidget* parent, const QString& text) override;
    bool AskOkCancel(QWidget* parent, const QString& text) override;
    void Warn(QWidget* parent, const QString& text) override;
    bool RunPrintDialog(QWidget* parent, QPrinter& printer, int minPage, int maxPage, int& from,
                        int& to) override;
    QString ChoosePdfFile(QWidget* parent, const QString& suggested) override;
};

}  // namespace kmr
