#include "app/cli/Verbs.h"

namespace kmr::cli {

// Each line: name, synopsis, summary, function, then for --help the
// arguments and options and the exit statuses (nullptr: the common ones).
const std::vector<Verb>& Verbs() {
    static const std::vector<Verb> verbs = {
        {"dump", "FILE", "データファイルの内容を JSON で出力します（.Kmr は変換後の内容）。",
         RunDump, "  FILE         データファイル（.KMX、または旧データ .Kmr）\n"},
        {"convert", "OLD.Kmr... [-o DIR] [--force]",
         "Ver.1.x の旧データを Ver.3 のデータ（.KMX）に変換します。", RunConvert,
         "  OLD.Kmr...   変換する旧データ。同じ名前で拡張子 .KMX のファイルを書きます。\n"
         "  -o DIR       書き出すフォルダー（既定: 旧データと同じフォルダー）\n"
         "  --force      同じ名前のファイルがあるときも上書きします。\n"},
        {"calc", "FILE... [--json]",
         "入力チェックのうえ応力算定を行い、結果を出力します（--json: 1 ファイル 1 行の JSON）。",
         RunCalc,
         "  FILE...      データファイル（.KMX、.Kmr）。ファイルごとに計算します。\n"
         "  --json       結果を 1 ファイル 1 行の JSON で出力します（既定: 表形式の文字）。\n",
         "  0  すべてのファイルを計算しました。\n"
         "  1  読めないファイルがありました（残りのファイルは計算します）。\n"
         "  2  使い方の誤り、または入力チェックで計算できないファイルがありました。\n"},
        {"diagram", "FILE [--points N] [--csv]",
         "応力算定を行い、部材に沿ったＱ・Ｍ・回転角・たわみを出力します（既定: JSON、N = 20）。",
         RunDiagram,
         "  FILE         データファイル（.KMX、.Kmr）\n"
         "  --points N   部材ごとの等間隔の分割数（1〜1000000、既定: 20）。両端、荷重の区切り、\n"
         "               最大値の位置も加えます。\n"
         "  --csv        JSON の代わりに CSV（member,x,X,Q,M,rotation,deflection）で出力します。\n",
         "  0  出力しました。\n"
         "  1  データファイルを読めません。\n"
         "  2  使い方の誤り、または入力チェックで計算できません。\n"},
        {"check", "FILE [--design DESIGN.json] [--json]",
         "応力算定のうえ、設計データのある部材の断面検定（長期）を行います。", RunCheck,
         "  FILE         データファイル（.KMX、.Kmr）\n"
         "  --design F   設計データの JSON ファイル（既定: データファイルに保存された設計データ）\n"
         "  --json       結果を 1 行の JSON で出力します（既定: 表形式の文字）。\n",
         "  0  すべての部材が検定を満たします。\n"
         "  1  ファイルを読めません。\n"
         "  2  使い方の誤り、入力チェックで計算できない、または設計データの誤り\n"
         "  3  検定を満たさない部材があります（検定の結果）。\n"},
        {"sections", "[--json]",
         "断面検定で使える H 形鋼（JIS G 3192）の一覧と断面性能を出力します。", RunSections,
         "  --json       1 断面 1 オブジェクトの JSON 配列で出力します（mm、cm 単位）。\n"},
        {"design", "FILE [--set DESIGN.json | --clear]",
         "データファイルの設計データを JSON で出力し、保存し、または削除します。", RunDesign,
         "  FILE         データファイル（.KMX）\n"
         "  --set F      設計データの JSON ファイル F をデータファイルに保存します。\n"
         "  --clear      設計データを削除します（データファイルは元の 5034 バイトに戻ります）。\n",
         "  0  成功（設計データがなければ何も出力しません）。\n"
         "  1  ファイルを読めない、書けない、または保存された設計データを読めません。\n"
         "  2  使い方の誤り、または設計データの誤り\n"},
#ifdef KMR_REPORT_HELPER
        // Runs in the helper program libexec/plovkmr/plovkmr-report, the only
        // part of the command line that loads Qt.
        {"report",
         "FILE [-o OUT.pdf] [--page-break|--no-page-break] [--diagrams|--no-diagrams] "
         "[--check|--no-check]",
         "応力算定を行い、計算書を PDF で書き出します（既定: データファイルと同じ名前の .pdf）。",
         RunReportInHelper,
         "  FILE             データファイル（.KMX、.Kmr）\n"
         "  -o OUT.pdf       書き出す PDF ファイル（既定: FILE の拡張子を .pdf にした名前）\n"
         "  --page-break     入力データの表を新しいページから始めます。\n"
         "  --no-page-break  入力データの表を改ページせずに続けます。\n"
         "                   "
         "どちらもなければ、ウィンドウで保存された既定（PLOVKmr.def）に従います。\n"
         "  --diagrams       "
         "応力算定結果の後に応力図（Ｍ図、Ｑ図、たわみ図）とスパン内最大値を出力します。\n"
         "  --no-diagrams    応力図を出力しません（応力図のない計算書）。\n"
         "                   "
         "どちらもなければ、ウィンドウで保存された既定（「応力図を出力」、既定は出力）に従います。"
         "\n"
         "  --check          設計データのある梁に断面検定（●断面検定）を出力します。\n"
         "  --no-check       断面検定を出力しません。\n"
         "                   "
         "どちらもなければ、ウィンドウで保存された既定（「断面検定を出力」、既定は出力）に従います"
         "。"
         "\n",
         "  0  計算書を書き出しました。\n"
         "  1  データファイルを読めない、PDF を書けない、または出力先がデータファイルか\n"
         "     通常のファイルではありません（何も書きません）。\n"
         "  2  使い方の誤り、または入力チェックで計算できません（何も書きません）。\n"},
#else
        // A build without the helper (Windows, no Qt): the verb says so.
        {"report", "FILE [-o OUT.pdf]",
         "計算書（PDF）を書き出します。このビルドには含まれていません（終了コード 2）。",
         RunReportUnavailable,
         "  FILE         データファイル（.KMX、.Kmr）\n"
         "  -o OUT.pdf   書き出す PDF ファイル\n"},
#endif
    };
    return verbs;
}

}  // namespace kmr::cli
