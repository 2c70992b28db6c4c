// Verbs that need Qt (report) run in a helper program of their own,
// plovkmr-VERB, so that plovkmr itself loads no Qt library and starts in a
// few milliseconds. The helpers live in KMR_HELPER_DIR relative to the
// folder of plovkmr ("../libexec/plovkmr"), in the build tree as in an
// installed tree, the way git finds its sub-commands.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kmr::cli {

// The path of the helper program of `verb`, next to the running program.
std::string HelperProgramPath(const std::string& verb);

// Runs the helper with `args` and returns its exit status (128 + the signal
// when it was killed). TERM, INT and HUP sent to this program are passed on
// to the helper, which is waited for; then this program ends by the same
// signal. The helper ends with this program whatever ends it
// (EndWithParent). The helper inherits standard input, output and error:
// out and err are flushed first, and what the helper prints goes to the
// process's own streams. A missing helper: a message on err and status 1.
int RunInHelper(const std::string& verb, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err);

// Called first in a helper: on Linux it asks to receive TERM when the
// program that started it ends, even by KILL, and ends at once should that
// program already be gone. Nothing elsewhere, or when not started by
// RunInHelper.
void EndWithParent();

}  // namespace kmr::cli
