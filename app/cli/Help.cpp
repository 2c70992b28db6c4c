// The usage texts of plovkmr: the whole program (--help) and one verb
// (VERB --help), from the verb table.
#include <ostream>

#include "app/cli/Cli.h"

namespace kmr::cli {
namespace {

const char* const kCommonExits =
    "  0  成功\n"
    "  1  ファイルを読めない、または書けない\n"
    "  2  使い方の誤り（不明なコマンドやオプション、引数の不足）\n";

}  // namespace

void PrintUsage(std::ostream& s) {
    s << "使い方: plovkmr <コマンド> [引数...]\n"
         "        plovkmr <コマンド> --help\n"
         "        plovkmr --version\n\n"
         "PLOV-Kmr（連続梁応力算定）のコマンドライン版です。"
         "データファイル（.KMX、旧データ .Kmr）を読み、\n"
         "入力チェック、応力算定、計算書の作成をウィンドウなしで行います。\n\n"
         "コマンド:\n";
    for (const Verb& v : Verbs()) {
        s << "  plovkmr " << v.name << " " << v.synopsis << "\n      " << v.summary << "\n";
    }
    s << "\nオプション:\n"
         "  -h, --help   この説明を表示します（コマンドの後では、そのコマンドの説明）。\n"
         "  --version    バージョンを表示します。\n\n"
         "終了コード:\n"
      << kCommonExits
      << "  calc と report は、入力チェックで計算できないファイルがあったときも 2 を返します。\n"
         "  check は、検定を満たさない部材があるとき 3 を返します。\n";
}

void PrintVerbHelp(const Verb& verb, std::ostream& s) {
    s << "使い方: plovkmr " << verb.name << " " << verb.synopsis << "\n\n" << verb.summary << "\n";
    s << "\n引数とオプション:\n"
      << (verb.options ? verb.options : "")
      << "  -h, --help   この説明を表示します。\n\n終了コード:\n"
      << (verb.exits ? verb.exits : kCommonExits);
}

}  // namespace kmr::cli
