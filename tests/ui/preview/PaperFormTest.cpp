// The preview window, driven headless through its tool bar and menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include "PreviewTestSupport.h"
#include "ui/preview/PaperForm.h"
#include "ui/preview/Printing.h"

namespace kmr {
namespace {

class PaperFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.PrinterName.clear();  // no printer: PDF on A4
        settings.OutputFileName.clear();
        doc.plSetPrinter = &settings;
        test::BuildPages(doc, 5);
        doc.ZoomType = ztPageWidth;
        paper = std::make_unique<TPaper>(doc, settings);
        paper->SetDialogs(&dialogs);
        paper->plvPath = dir.filePath(QStringLiteral("PLOVKmr.plv"));
    }
    void Open() {
        paper->Bind();
        paper->show();
        QApplication::processEvents();
    }
    QToolButton* Button(const char* name) const {
        return paper->findChild<QToolButton*>(QString::fromLatin1(name) + "Button");
    }
    void Press(const char* name) {
        QToolButton* b = Button(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    QString Status() const {
        return paper->findChild<QLabel*>(QStringLiteral("PagePanel"))->text();
    }
    QScrollArea* Scroll() const {
        return paper->findChild<QScrollArea*>(QStringLiteral("PageScroll"));
    }

    QTemporaryDir dir;
    TplSetPrinter settings;
    TplPrev doc;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TPaper> paper;
};

TEST_F(PaperFormTest, OpensOnPageOneAtPageWidth) {
    Open();
    EXPECT_EQ(Status(), QStringLiteral("Page  1/5"));
    EXPECT_EQ(paper->windowTitle(), QStringLiteral("PLOV-Kmr"));
    EXPECT_FALSE(Button("FirstPage")->isEnabled());
    EXPECT_FALSE(Button("PrevPage")->isEnabled());
    EXPECT_TRUE(Button("NextPage")->isEnabled());
    EXPECT_TRUE(Button("LastPage")->isEnabled());
    EXPECT_TRUE(Button("Print")->isEnabled());
    const QRect image = paper->ImageRect();
    EXPECT_EQ(image.topLeft(), QPoint(15, 15));
    EXPECT_EQ(image.width(), Scroll()->viewport()->width() - 30);
    EXPECT_EQ(image.height(), static_cast<int>(image.width() * 2970.0 / 2100.0));
    EXPECT_TRUE(Scroll()->verticalScrollBar()->isVisible()) << "a page-width A4 is taller";
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
    } tools[] = {
        {"Print", "印刷 (&P)", "印刷"},
        {"FirstPage", "先頭頁", "先頭頁"},
        {"PrevPage", "前頁", "前頁"},
        {"NextPage", "次頁", "次頁"},
        {"LastPage", "最終頁", "最終頁"},
        {"ZoomOut", "縮小", "縮小"},
        {"ZoomIn", "拡大", "拡大"},
        {"WholePage", "全体", "全体表示"},
        {"PageWidth", "頁幅", "横幅基準表示"},
        {"Close", "閉じる(&X)", "閉じる"},
    };
    for (const auto& t : tools) {
        auto* a = paper->findChild<QAction*>(QString::fromLatin1(t.name));
        ASSERT_NE(a, nullptr) << t.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(t.caption));
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(t.hint));
    }
}

TEST_F(PaperFormTest, NavigationStopsAtBothEnds) {
    Open();
    Press("NextPage");
    EXPECT_EQ(Status(), QStringLiteral("Page  2/5"));
    EXPECT_TRUE(Button("PrevPage")->isEnabled());
    Press("LastPage");
    EXPECT_EQ(paper->CurrentPage(), 5);
    EXPECT_FALSE(Button("NextPage")->isEnabled());
    EXPECT_FALSE(Button("LastPage")->isEnabled());
    paper->GoToPage(6);  // beyond the end: nothing
    EXPECT_EQ(Status(), QStringLiteral("Page  5/5"));
    Press("PrevPage");
    EXPECT_EQ(paper->CurrentPage(), 4);
    Press("FirstPage");
    EXPECT_EQ(Status(), QStringLiteral("Page  1/5"));
}

TEST_F(PaperFormTest, ZoomOutStopsAtOneHundredPixels) {
    Open();
    const double a = 2970.0 / 2100.0;
    paper->SetImageWidth(101);
    EXPECT_TRUE(Button("ZoomOut")->isEnabled());
    Press("ZoomOut");
    EXPECT_EQ(paper->ImageRect().width(), 90);
    EXPECT_EQ(paper->ImageRect().height(), static_cast<int>(90 * a));
    EXPECT_EQ(paper->ImageRect().topLeft(), QPoint(15, 15)) << "same corner";
    EXPECT_EQ(doc.ZoomType, ztOther);
    EXPECT_FALSE(Button("ZoomOut")->isEnabled());
    paper->SetImageWidth(100);
    EXPECT_FALSE(Button("ZoomOut")->isEnabled());
    paper->ZoomOut();
    EXPECT_EQ(paper->ImageRect().width(), 100);
    Press("ZoomIn");
    EXPECT_EQ(paper->ImageRect().width(), 111);  // 100 * 100 / 90
    paper->SetImageWidth(980);
    Press("ZoomOut");
    EXPECT_EQ(paper->ImageRect().width(), 882);  // 980 * 90 / 100
    Press("ZoomIn");
    EXPECT_EQ(paper->ImageRect().width(), 980);  // 882 * 100 / 90, in integers
    // Twice the screen width is the end of enlarging.
    const QSize screen = paper->screen()->size();
    paper->SetImageWidth(2 * screen.width());
    EXPECT_FALSE(Button("ZoomIn")->isEnabled());
    paper->ZoomIn();
    EXPECT_EQ(paper->ImageRect().width(), 2 * screen.width());
}

TEST_F(PaperFormTest, WholePageFitsTheBoxAndFollowsResizing) {
    Open();
    Press("WholePage");
    EXPECT_EQ(doc.ZoomType, ztWholePage);
    const QSize box = Scroll()->viewport()->size();
    QRect image = paper->ImageRect();
    EXPECT_EQ(image.top(), 15);
    EXPECT_EQ(image.height(), box.height() - 30);
    EXPECT_LE(std::abs(image.left() - (box.width() - image.right() - 1)), 1) << "centred";
    EXPECT_FALSE(Scroll()->verticalScrollBar()->isVisible());
    paper->resize(paper->width(), paper->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(paper->ImageRect().height(), Scroll()->viewport()->height() - 30);
    paper->resize(10, 10);
    EXPECT_GE(paper->width(), 200);
    EXPECT_GE(paper->height(), 250);
}

TEST_F(PaperFormTest, WheelScrollsByAFifthOfTheDelta) {
    Open();
    QScrollBar* bar = Scroll()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    QWheelEvent down(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Scroll()->viewport(), &down);
    EXPECT_EQ(bar->value(), 24);
}

TEST_F(PaperFormTest, PrintingARangeLeavesThePreviewOnItsPage) {
    if (!test::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    Open();
    paper->GoToPage(4);
    const QString out = dir.filePath(QStringLiteral("range.pdf"));
    dialogs.printDialog = [&](QPrinter& printer, int& from, int& to) {
        printer.setOutputFileName(out);
        from = 2;
        to = 3;
        return true;
    };
    Press("Print");
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(dialogs.lastMin, 1);
    EXPECT_EQ(dialogs.lastMax, 5);
    EXPECT_EQ(dialogs.lastFrom, 4) << "from = to = the current page";
    EXPECT_EQ(dialogs.lastTo, 4);
    EXPECT_EQ(paper->CurrentPage(), 4);
    EXPECT_EQ(Status(), QStringLiteral("Page  4/5"));
    EXPECT_TRUE(Button("Print")->isEnabled());
    const QString info = test::RunTool(QStringLiteral("pdfinfo"), {out});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("A4"))) << info.toStdString();
    const QString text = test::RunTool(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("●頁 2 の本文")));
    EXPECT_TRUE(text.contains(QStringLiteral("●頁 3 の本文")));
    EXPECT_FALSE(text.contains(QStringLiteral("●頁 4 の本文")));
}

TEST_F(PaperFormTest, DialogChoicesApplyToOneJobOnly) {
    const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    settings.OutputFileName = saved;
    Open();
    dialogs.printDialog = [&](QPrinter& printer, int&, int&) {
        EXPECT_EQ(printer.outputFileName(), saved);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        printer.setOutputFileName(chosen);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(3);
        return true;
    };
    Press("Print");
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_FALSE(QFile::exists(saved));
    EXPECT_TRUE(QFile::exists(paper->plvPath)) << "settings saved before the dialog";
    // The next dialog starts from the saved settings again.
    dialogs.printDialog = [&](QPrinter& printer, int&, int&) {
        EXPECT_EQ(printer.outputFileName(), saved);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(printer.copyCount(), 1);
        return false;
    };
    Press("Print");
    EXPECT_EQ(dialogs.printDialogs, 2);
    EXPECT_EQ(settings.OutputFileName, saved);
}

// Without a printer the print dialog proposes a PDF named after the data
// file in the data file's folder, or in a folder that exists; a file in a
// missing folder is named as such, not as unwritable.
TEST_F(PaperFormTest, PrintingToAFileProposesTheDataFilesName) {
    QDir(dir.path()).mkdir(QStringLiteral("梁"));
    const QString home = QDir::homePath();
    const struct {
        QString data;
        QString proposed;
    } cases[] = {
        {dir.filePath(QStringLiteral("梁/三径間 床梁.KMX")),
         dir.filePath(QStringLiteral("梁/三径間 床梁.pdf"))},
        {dir.filePath(QStringLiteral("梁/old.v1.Kmr")),
         dir.filePath(QStringLiteral("梁/old.v1.pdf"))},
        {dir.filePath(QStringLiteral("梁/新規データ")),
         dir.filePath(QStringLiteral("梁/新規データ.pdf"))},
    };
    Open();
    for (const auto& c : cases) {
        paper->documentPath = c.data;
        QString shown;
        dialogs.printDialog = [&](QPrinter& printer, int&, int&) {
            shown = printer.outputFileName();
            return false;
        };
        Press("Print");
        EXPECT_EQ(shown, c.proposed);
    }
    const QString missing = SuggestedPdfPath(dir.filePath(QStringLiteral("無い/b.KMX")), QString());
    EXPECT_TRUE(missing.endsWith(QStringLiteral("/b.pdf")));
    EXPECT_TRUE(QFileInfo(QFileInfo(missing).absolutePath()).isDir()) << missing.toStdString();
    EXPECT_TRUE(SuggestedPdfPath(QString(), QStringLiteral("PLOV-Kmr /連続梁応力算定"))
                    .endsWith(QStringLiteral("/PLOV-Kmr _連続梁応力算定.pdf")));

    settings.OutputFileName = dir.filePath(QStringLiteral("無い/out.pdf"));
    dialogs.printDialog = [](QPrinter&, int&, int&) { return true; };
    dialogs.asked.clear();
    Press("Print");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].contains(QStringLiteral("フォルダ")))
        << dialogs.asked[0].toStdString();
    EXPECT_TRUE(dialogs.asked[0].contains(QStringLiteral("無い")));
}

TEST_F(PaperFormTest, PrintThisPageAsksAndPrintsTheDisplayedPage) {
    if (!test::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    Open();
    paper->GoToPage(3);
    dialogs.pdfFile = dir.filePath(QStringLiteral("one.pdf"));
    dialogs.yes = false;
    paper->PagePopup()->findChild<QAction*>(QStringLiteral("PrintThisPageItem"))->trigger();
    EXPECT_FALSE(QFile::exists(dialogs.pdfFile)) << "cancelled";
    dialogs.yes = true;
    paper->PagePopup()->findChild<QAction*>(QStringLiteral("PrintThisPageItem"))->trigger();
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0], QStringLiteral("現在表示されているページを印刷します..."));
    const QString text = test::RunTool(QStringLiteral("pdftotext"), {dialogs.pdfFile, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("●頁 3 の本文")));
    EXPECT_TRUE(test::RunTool(QStringLiteral("pdfinfo"), {dialogs.pdfFile})
                    .contains(QStringLiteral("Pages:           1")));
    EXPECT_EQ(paper->CurrentPage(), 3);
}

TEST_F(PaperFormTest, PopupMenuItems) {
    QStringList captions;
    for (QAction* a : paper->PagePopup()->actions()) {
        if (!a->isSeparator()) captions << a->text();
    }
    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("現在の頁をコピー"), QStringLiteral("このページのみ印刷"),
                           QStringLiteral("キャンセル")}));
}

TEST_F(PaperFormTest, CopyPutsImageAndVectorsOnTheClipboard) {
    Open();
    paper->PagePopup()->findChild<QAction*>(QStringLiteral("CopyPageItem"))->trigger();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasImage());
    const QImage image = qvariant_cast<QImage>(mime->imageData());
    EXPECT_EQ(image.size(), QSize(2100 * 150 / 254, 2970 * 150 / 254));
    EXPECT_TRUE(mime->data(QStringLiteral("application/pdf")).startsWith("%PDF"));
}

TEST_F(PaperFormTest, ClosingAsksAndRemembersThePlacement) {
    Open();
    paper->move(40, 30);
    paper->resize(640, 480);
    QApplication::processEvents();
    dialogs.yes = false;
    paper->close();
    EXPECT_TRUE(paper->isVisible()) << "No keeps the window";
    EXPECT_EQ(paper->placement.WindWid, 0);
    dialogs.yes = true;
    Press("Close");
    EXPECT_FALSE(paper->isVisible());
    EXPECT_EQ(dialogs.asked.back(), QStringLiteral("印刷プレビューを閉じますか..."));
    EXPECT_EQ(paper->placement.PVMaxFlag, 0);
    EXPECT_EQ(paper->placement.WindWid, 640);
    EXPECT_EQ(paper->placement.WindHei, 480);
    EXPECT_EQ(paper->placement.WindLeft, paper->pos().x());

    // Shown again, the normal window takes the remembered bounds.
    paper->placement.WindWid = 700;
    paper->placement.WindHei = 520;
    Open();
    EXPECT_EQ(paper->size(), QSize(700, 520));
    EXPECT_EQ(Status(), QStringLiteral("Page  1/5"));
    paper->showMaximized();
    QApplication::processEvents();
    paper->close();
    EXPECT_EQ(paper->placement.PVMaxFlag, 1);
    EXPECT_EQ(paper->placement.WindWid, 700) << "bounds of the normal window are kept";
}

TEST_F(PaperFormTest, EmptyDocumentPrintsNothing) {
    TplPrev empty;
    TPaper window(empty, settings);
    window.SetDialogs(&dialogs);
    window.Bind();
    window.Print();
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0], NoPagesMessage());
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("PagePanel"))->text(),
              QStringLiteral("Page  0/0"));
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("Print"))->isEnabled());
}

TEST_F(PaperFormTest, AlreadyVisibleWindowIsNotOpenedAgain) {
    Open();
    paper->ShowPreview();  // returns at once with the message
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0],
              QStringLiteral("表示中のフォームをモーダル表示で開くことはできません(矛盾)．　　"));
}

}  // namespace
}  // namespace kmr
