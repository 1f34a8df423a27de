// `korvale eval [--set X=VALUE]... FORMULA`: prints the result code, a blank and the value
// (%.17g) on one line of `out`; stack-overflow warnings of the evaluator come before it.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvale {

// `args` are the words after "eval". Returns 0 whatever the result code; 2 with a message on
// `err` when the words do not fit the usage.
int runEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korvale
