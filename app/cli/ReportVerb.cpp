// plovkmr report FILE [-o OUT.pdf] [--page-break | --no-page-break]
// [--diagrams | --no-diagrams]: the
// calculation command's steps without the window, then the whole
// calculation report (計算書) as a PDF of vector pages with searchable text.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliModel.h"
#include "app/cli/Verbs.h"
#include "calc/CalculatedBeam.h"
#include "report/PdfOutput.h"
#include "report/ReportRun.h"

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
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + ".pdf";
}

// The page-break default the window saved in its defaults file
// "PLOVKmr.def" (the same per-user folder, or PLOVKMR_HOME): a 32-bit flag at
// the start of the 864-byte file, 1 when the load tables follow the results
// without a page break. false without such a file.
bool SavedPageBreakDefault() {
    QString dir = qEnvironmentVariable("PLOVKMR_HOME");
    if (dir.isEmpty()) {
        QCoreApplication::setOrganizationName(QStringLiteral("Korvale"));
        QCoreApplication::setApplicationName(QStringLiteral("PLOV-Kmr"));
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QFile f(QDir(dir).filePath(QStringLiteral("PLOVKmr.def")));
    // Only a regular file: a pipe in its place would block the report.
    if (!QFileInfo(f.fileName()).isFile() || !f.open(QIODevice::ReadOnly) || f.size() != 864)
        return false;
    const QByteArray head = f.read(4);
    return head.size() == 4 && head != QByteArray(4, '\0');
}

// The default of the window's "応力図を出力", the value "DiagramFlag" of the
// settings (PLOVKMR_HOME/PLOV-Kmr.ini when that is set): on unless it is "0".
bool SavedDiagramsDefault() {
    const QString dir = qEnvironmentVariable("PLOVKMR_HOME");
    const std::unique_ptr<QSettings> store =
        dir.isEmpty()
            ? std::make_unique<QSettings>(QStringLiteral("Korvale"), QStringLiteral("PLOV-Kmr"))
            : std::make_unique<QSettings>(QDir(dir).filePath(QStringLiteral("PLOV-Kmr.ini")),
                                          QSettings::IniFormat);
    return store->value(QStringLiteral("DiagramFlag")).toString().trimmed() != QStringLiteral("0");
}

struct ReportArgs {
    std::string file;
    std::string pdf;
    // --page-break: the input tables start on a new page; --no-page-break:
    // they follow the results (up to six spans). Neither: the saved default.
    std::optional<bool> noPageBreak;
    // --diagrams / --no-diagrams: the diagram section; neither: the saved default.
    std::optional<bool> diagrams;
};

// Parses FILE [-o OUT.pdf] [--page-break | --no-page-break] [--diagrams | --no-diagrams];
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

// The PDF may not replace the data file read, any data file, or anything that
// is not a regular file (a device, a FIFO, a folder; links are followed).
// Prints the problem and returns false.
bool CheckOutput(const ReportArgs& a, std::ostream& err) {
    namespace fs = std::filesystem;
    const auto refuse = [&](const char* why) {
        err << "plovkmr: 出力先「" << a.pdf << "」" << why << "計算書は作成しません。\n";
        return false;
    };
    std::error_code ec;
    if (fs::equivalent(a.pdf, ActualFileName(a.file), ec)) {
        return refuse("は読み込むデータファイルと同じファイルです。");
    }
    if (ActualFileName(a.pdf) == a.pdf) {  // a ".KMX" or ".Kmr" name, any case
        return refuse("はデータファイル（.KMX / .Kmr）の名前です。");
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
    options.pageBreakFlag = a.noPageBreak ? *a.noPageBreak : SavedPageBreakDefault();
    options.stressDiagrams = a.diagrams ? *a.diagrams : SavedDiagramsDefault();
    ReportRun(doc, model, beam, options);
    QString error;
    if (!WritePdf(doc, QFile::decodeName(a.pdf.c_str()), &error)) {
        err << "plovkmr: " << error.toStdString() << "\n";
        return kExitFileError;
    }
    out << "計算書 (" << doc.PageCount() << " ページ) を書き出しました: " << a.pdf << "\n";
    return kExitOk;
}

}  // namespace kmr::cli
