#include "report/ReportWords.h"

#include <array>

namespace kmr {
namespace {

template <std::size_t N>
QString WordAt(const std::array<const char*, N>& words, int code) {
    if (code < 0 || code >= static_cast<int>(N)) return QString();
    return QString::fromUtf8(words[static_cast<std::size_t>(code)]);
}

}  // namespace

QString MemberLoadWord(int code) {
    static const std::array<const char*, 6> words = {"集  中", "右上三", "左上三",
                                                     "等分布", "台  形", "三  角"};
    return WordAt(words, code);
}

QString NodeLoadWord(int code) {
    static const std::array<const char*, 2> words = {"集 中", "ﾓｰﾒﾝﾄ"};
    return WordAt(words, code);
}

QString OutputUnitWord(ForceUnit unit) {
    return QString::fromLatin1(ForceUnitWord(unit));
}

}  // namespace kmr
