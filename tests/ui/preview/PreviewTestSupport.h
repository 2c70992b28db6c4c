// Shared by the preview tests: scripted answers to the preview's questions,
// a numbered document, and poppler's tools.
#pragma once

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <functional>
#include <vector>

#include "report/PageHeader.h"
#include "report/Primitives.h"
#include "ui/preview/PreviewDialogs.h"

namespace kmr::test {

class ScriptedDialogs : public PreviewDialogs {
  public:
    bool yes = true;
    std::vector<QString> asked;  // every question and warning, in order
    // The print dialog: may change the printer and the range; returns OK.
    std::function<bool(QPrinter&, int&, int&)> printDialog;
    int printDialogs = 0;
    QString pdfFile;

    bool AskYesNo(QWidget*, const QString& text) override {
        asked.push_back(text);
        return yes;
    }
    bool AskOkCancel(QWidget*, const QString& text) override {
        asked.push_back(text);
        return yes;
    }
    void Warn(QWidget*, const QString& text) override { asked.push_back(text); }
    bool RunPrintDialog(QWidget*, QPrinter& printer, int minPage, int maxPage, int& from,
                        int& to) override {
        ++printDialogs;
        lastMin = minPage;
        lastMax = maxPage;
        lastFrom = from;
        lastTo = to;
        return printDialog ? printDialog(printer, from, to) : false;
    }
    QString ChoosePdfFile(QWidget*, const QString&) override { return pdfFile; }
    int lastMin = 0, lastMax = 0, lastFrom = 0, lastTo = 0;
};

// A document of n pages, each with its header, footer and a line of text.
inline void BuildPages(TplPrev& doc, int n) {
    doc.Title = QStringLiteral("PLOV-Kmr");
    doc.BeginDoc();
    ReportState state;
    state.header = {QStringLiteral("PLOV-Kmr /連続梁応力算定"), QString(),
                    QStringLiteral("3.0.6.0")};
    for (int page = 1; page <= n; ++page) {
        if (page > 1) StartNewPage(doc, state, 0.5f, false);
        DrawPageHeader(doc, state);
        DrawTitle(doc, QStringLiteral("●頁 %1 の本文").arg(page), 2.5f, 3.0f, 10, fkGothic);
        DrawRect(doc, 2.5f, 4.0f, 18.5f, 10.0f, 2, Qt::black, psSolid, pmCopy, bsBDiagonal,
                 Qt::black);
    }
    doc.EndDoc();
}

inline QString RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

}  // namespace kmr::test
