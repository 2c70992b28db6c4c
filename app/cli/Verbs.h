// The verb functions, one group per source file. To add a verb: write its
// function in a group file, declare it here, add one line to the table in
// Verbs.cpp and the file to CMakeLists.txt (library plovkmrcli). Verbs that
// need Qt run in a helper program instead (see HelperProgram.h).
#pragma once

#include "app/cli/Cli.h"

namespace kmr::cli {

// FileVerbs.cpp
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// CalcVerb.cpp
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// DiagramVerb.cpp
int RunDiagram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// CheckVerb.cpp
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// DesignVerbs.cpp
int RunSections(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDesign(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// ReportVerb.cpp (library plovkmrreport, program plovkmr-report)
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// HelperProgram.cpp: plovkmr report, run by plovkmr-report (KMR_REPORT_HELPER)
int RunReportInHelper(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// ReportUnavailable.cpp: plovkmr report in a build without the helper
int RunReportUnavailable(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

}  // namespace kmr::cli
