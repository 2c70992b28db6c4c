#include "app/cli/Verbs.h"

namespace kmr::cli {

const std::vector<Verb>& Verbs() {
    static const std::vector<Verb> verbs = {
        {"dump", "FILE", "データファイルの内容を JSON で出力します（.Kmr は変換後の内容）。",
         RunDump},
        {"convert", "OLD.Kmr... [-o DIR] [--force]",
         "Ver.1.x の旧データを Ver.3 のデータ（.KMX）に変換します。", RunConvert},
        {"calc", "FILE... [--json]",
         "入力チェックのうえ応力算定を行い、結果を出力します（--json: 1 ファイル 1 行の JSON）。",
         RunCalc},
        {"report", "FILE [-o OUT.pdf] [--page-break|--no-page-break]",
         "応力算定を行い、計算書を PDF で書き出します（既定: データファイルと同じ名前の .pdf）。"
         "荷重表の改ページは保存された既定に従います（--page-break: 改ページする、"
         "--no-page-break: 改ページせず作成）。",
         RunReport},
    };
    return verbs;
}

}  // namespace kmr::cli
