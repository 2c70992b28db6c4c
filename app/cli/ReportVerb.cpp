// plovkmr report FILE [-o OUT.pdf] [--page-break | --no-page-break]
// [--diagrams | --no-diagrams] [--check | --no-check]: the
// calculation command's steps without the window, then the whole
// calculation report (計算書) as a PDF of vector pages with searchable text.
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliModel.h"
#include "app/cli/Verbs.h"
#include "calc/CalculatedBeam.h"
#include "model/DataFile.h"
#include "model/DefaultsFile.h"
#include "report/PdfOutput.h"
#include "report/ReportRun.h"
#include "report/UserStores.h"

namespace kmr::cli {
namespace {

// Text measuring needs a QGuiApplication; the report opens no window, so the
// offscreen platform serves unless the caller chose another one. The
// platform's remark about a missing runtime directory is of no concern to a
// command that writes one file, and is kept off the terminal.
class GuiForReport {
  public:
    GuiForReport() {
        if (QCoreApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        previous_ = qInstallMessageHandler(Filter);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiForReport() {
        if (app_) qInstallMessageHandler(previous_);
    }
    GuiForReport(const GuiForReport&) = delete;
    GuiForReport& operator=(const GuiForReport&) = delete;

  private:
    static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) return;
        if (previous_) {
            previous_(type, context, text);
        } else {
            qt_message_output(type, context, text);
        }
    }
    static inline QtMessageHandler previous_ = nullptr;
    static inline int argc_ = 1;
    static inline char name_[] = "plovkmr";
    static inline char* argv_[] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// The data file's path with ".pdf" in place of its extension.
std::string DefaultPdfPath(const std::string& path) {
    return WithoutExtension(path) + ".pdf";
}

// The page-break default the window saved in its defaults file
// "PLOVKmr.def"; false without a usable file. A file that is there but
// cannot be one (a pipe, another size) is not read, and that is said.
bool SavedPageBreakDefault(std::ostream& err) {
    const QString path = DefaultsFilePathToRead();
    DefaultsBlock block;
    if (ReadDefaultsFile(QFile::encodeName(path).toStdString(), block) == DefaultsRead::WrongSize) {
        err << "plovkmr: 既定値ファイル「" << path.toStdString()
            << "」は使えない形式です。読まずに既定値を使います。\n";
    }
    return block.PageBreakDefault();
}

// The defaults of the window's report check boxes from its settings
// ("応力図を出力", "断面検定を出力"); on without usable settings (the reason
// said once).
struct SavedReportFlags {
    bool diagrams = true;
    bool check = true;
};
SavedReportFlags SavedReportDefaults(std::ostream& err) {
    QString problem;
    const std::unique_ptr<QSettings> store = OpenSettings(&problem);
    if (!problem.isEmpty()) err << "plovkmr: " << problem.toStdString() << "\n";
    return {ReadDiagramDefault(*store), ReadCheckDefault(*store)};
}

struct ReportArgs {
    std::string file;
    std::string pdf;
    // --page-break: the input tables start on a new page; --no-page-break:
    // they follow the results (up to six spans). Neither: the saved default.
    std::optional<bool> noPageBreak;
    // --diagrams / --no-diagrams: the diagram section; neither: the saved default.
    std::optional<bool> diagrams;
    // --check / --no-check: the section check of a beam with design data;
    // neither: the saved default.
    std::optional<bool> check;
};

// Parses FILE [-o OUT.pdf] and the switches of the sections;
// prints the problem and returns false on misuse.
bool ParseArgs(const std::vector<std::string>& args, ReportArgs& parsed, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (i + 1 >= args.size()) {
                err << "plovkmr report: -o の後に出力する PDF ファイル名を指定してください。\n";
                return false;
            }
            parsed.pdf = args[++i];
        } else if (a == "--page-break" || a == "--no-page-break") {
            parsed.noPageBreak = a == "--no-page-break";
        } else if (a == "--diagrams" || a == "--no-diagrams") {
            parsed.diagrams = a == "--diagrams";
        } else if (a == "--check" || a == "--no-check") {
            parsed.check = a == "--check";
        } else if (a.size() > 1 && a[0] == '-') {
            err << "plovkmr report: 不明なオプションです: " << a << "\n";
            return false;
        } else if (parsed.file.empty()) {
            parsed.file = a;
        } else {
            err << "plovkmr report: データファイルは 1 つだけ指定してください。\n";
            return false;
        }
    }
    if (parsed.file.empty()) {
        err << "plovkmr report: データファイルを指定してください。\n";
        return false;
    }
    if (parsed.pdf.empty()) parsed.pdf = DefaultPdfPath(parsed.file);
    return true;
}

// The PDF may not replace the data file read, any data file (by its name or
// its content, through any number of links), or anything that is not a
// regular file (a device, a FIFO, a folder). Prints the problem and returns
// false.
bool CheckOutput(const ReportArgs& a, std::ostream& err) {
    namespace fs = std::filesystem;
    const auto refuse = [&](const char* why) {
        err << "plovkmr: 出力先「" << a.pdf << "」" << why << "計算書は作成しません。\n";
        return false;
    };
    std::error_code ec;
    if (fs::equivalent(a.pdf, CommandLineFileName(a.file), ec)) {
        return refuse("は読み込むデータファイルと同じファイルです。");
    }
    if (IsDataFile(a.pdf)) {
        return refuse("はデータファイル（.KMX / .Kmr）です。");
    }
    const fs::file_status status = fs::status(a.pdf, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return refuse("は通常のファイルではありません。");
    }
    if (fs::is_symlink(fs::symlink_status(a.pdf, ec)) && !fs::exists(status)) {
        return refuse("はリンク先のないシンボリックリンクです。");
    }
    return true;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReportArgs a;
    if (!ParseArgs(args, a, err)) return kExitUsage;
    if (!CheckOutput(a, err)) return kExitFileError;

    BeamModel model;
    FileKind kind = FileKind::Version3;
    if (!ReadModelFile(a.file, model, kind, err)) return kExitFileError;
    const CalculatedBeam beam = CalculateBeam(model);
    if (!beam.Passed()) {
        err << "plovkmr: " << a.file << ": 計算できません。計算書は作成しません。\n"
            << RefusalText(beam.Refusal(), "\n") << "\n";
        return kExitRefused;
    }

    GuiForReport gui;
    TplPrev doc;
    ReportOptions options;
    options.documentPath = QFile::decodeName(a.file.c_str());
    options.version = QStringLiteral(KMR_FILE_VERSION);
    options.pageBreakFlag = a.noPageBreak ? *a.noPageBreak : SavedPageBreakDefault(err);
    // The settings are read only when an option leaves a flag to them.
    const SavedReportFlags saved =
        a.diagrams && a.check ? SavedReportFlags{} : SavedReportDefaults(err);
    options.stressDiagrams = a.diagrams.value_or(saved.diagrams);
    options.sectionCheck = a.check.value_or(saved.check);
    ReportRun(doc, model, beam, options);
    QString error;
    if (!WritePdf(doc, a.pdf, &error)) {
        err << "plovkmr: " << error.toStdString() << "\n";
        return kExitFileError;
    }
    out << "計算書 (" << doc.PageCount() << " ページ) を書き出しました: " << a.pdf << "\n";
    return kExitOk;
}

}  // namespace kmr::cli
