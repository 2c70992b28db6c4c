// PLOVKmr: the window program. `PLOVKmr [FILE]` starts the main window and
// opens FILE, as a file manager does on a double click; `PLOVKmr --version`
// and `PLOVKmr --help` answer without opening a window (nor needing a display).
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "AboutBox.h"
#include "AppFonts.h"
#include "AppPaths.h"
#include "MainForm.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("PLOVKmr %s\n", KMR_FILE_VERSION);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf(
            "使い方: PLOVKmr [FILE]\n\n"
            "PLOV-Kmr（連続梁応力算定）のウィンドウを開きます。FILE（.KMX、旧データ .Kmr）を\n"
            "指定すると、そのデータを開きます。ウィンドウなしの計算と計算書は plovkmr で行えます\n"
            "（plovkmr --help）。\n\n"
            "オプション:\n"
            "  -h, --help   この説明を表示します。\n"
            "  --version    バージョンを表示します。\n\n"
            "終了コード:\n"
            "  0  正常に終了しました。\n");
        return 0;
    }
    QApplication app(argc, argv);
    kmr::ui::InitApplicationIdentity();
    QApplication::setWindowIcon(kmr::ui::ProgramIcon());
    kmr::ui::InstallFontSubstitutions();
    kmr::ui::InstallQtTranslation();

    kmr::ui::TMainF window;
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.OpenFromCommandLine(args.at(1));
    return QApplication::exec();
}
