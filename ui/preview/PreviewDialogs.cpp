#include "ui/preview/PreviewDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace kmr {
namespace {
QString Caption() {
    return QStringLiteral("印刷プレビュー制御コンポーネント");
}
}  // namespace

bool MessageBoxDialogs::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxDialogs::AskOkCancel(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Caption(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

void MessageBoxDialogs::Warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Caption(), text);
}

bool MessageBoxDialogs::RunPrintDialog(QWidget* parent, QPrinter& printer, int minPage, int maxPage,
                                       int& from, int& to) {
    printer.setFromTo(from, to);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(minPage, maxPage);
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage();
        to = printer.toPage();
    } else {
        from = minPage;
        to = maxPage;
    }
    return true;
}

QString MessageBoxDialogs::ChoosePdfFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDFファイルに印刷"), suggested,
                                        QStringLiteral("PDF (*.pdf)"));
}

}  // namespace kmr
