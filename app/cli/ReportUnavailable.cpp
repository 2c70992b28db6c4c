// plovkmr report in a build without its helper program plovkmr-report (no Qt,
// or Windows, where the helper is not started): the report needs Qt's page
// drawing, so the verb only says so. Exit status: usage error, as for a verb
// this program does not know.
#include <ostream>

#include "app/cli/Verbs.h"

namespace kmr::cli {

int RunReportUnavailable(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "plovkmr report: この plovkmr は Qt なしでビルドされているため、計算書（PDF）を"
           "作成できません。計算書は Qt を含むビルド（ウィンドウ版 PLOVKmr と同じビルド）の "
           "plovkmr で作成してください。\n";
    return kExitUsage;
}

}  // namespace kmr::cli
