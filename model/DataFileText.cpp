#include "model/DataFileText.h"

#include <system_error>

#include "model/FileSystem.h"

namespace kmr::text {
namespace {

std::string Quoted(const std::string& fileName) {
    return "「" + fileName + "」";
}

}  // namespace

std::string SystemReason(int error) {
    if (error == 0) return "原因不明のエラー";
    if (error == files::kNotRegularFile) return "通常のファイルではありません";
    return std::generic_category().message(error);
}

std::string CannotOpen(const std::string& fileName, int error) {
    return "ファイル" + Quoted(fileName) + "を開けません（" + SystemReason(error) + "）。";
}

std::string NotRegularFile(const std::string& fileName) {
    return "ファイル" + Quoted(fileName) +
           "は通常のファイルではありません（フォルダ、名前付きパイプ、デバイスなど）。"
           "読み込みを中止しました。";
}

std::string NotRegularTarget() {
    return "保存先が通常のファイルではありません";
}

std::string TooShort(const std::string& fileName, bool version1, std::size_t size,
                     std::size_t expected) {
    const char* format = version1 ? "Ver.1.x の旧データ" : "Ver.3 のデータ";
    return "ファイル" + Quoted(fileName) + "は PLOV-Kmr " + format + "として短すぎます（" +
           std::to_string(size) + " バイト、必要な大きさは " + std::to_string(expected) +
           " バイト）。読み込みを中止しました。";
}

std::string BadSpanCount(const std::string& fileName, long spanCount) {
    return "ファイル" + Quoted(fileName) + "のスパン数 " + std::to_string(spanCount) +
           " は 1～10 の範囲にありません。読み込みを中止しました。";
}

std::string NotFinite(const std::string& fileName, const std::string& field) {
    return "ファイル" + Quoted(fileName) + "の" + field +
           "が数値ではありません（NaN または無限大）。読み込みを中止しました。";
}

std::string CannotWrite(const std::string& fileName, const std::string& reason, bool previousKept) {
    std::string s = "ファイル" + Quoted(fileName) + "に保存できませんでした（" + reason + "）。";
    if (previousKept) s += "以前のファイルはそのまま残っています。";
    return s;
}

std::string Version1Target(const std::string& fileName) {
    return "ファイル" + Quoted(fileName) +
           "は Ver.1.x の旧データの名前（.Kmr）です。旧形式では保存できません。"
           "拡張子 .KMX の名前で保存してください。";
}

}  // namespace kmr::text
