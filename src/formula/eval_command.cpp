#include "formula/eval_command.h"

#include <cstdio>
#include <optional>
#include <ostream>

#include "base/numbers.h"
#include "base/text.h"
#include "formula/evaluator.h"
#include "formula/variable_table.h"

namespace korvale {

namespace {

constexpr const char* kUsage = "usage: korvale eval [--set X=VALUE]... [--] FORMULA\n";

int usageError(std::ostream& err, const std::string& problem) {
  err << "korvale eval: " << problem << "\n" << kUsage;
  return 2;
}

// "X=1.5" (letter in either case) into the table; false when it is not of that form.
bool storeAssignment(const std::string& assignment, VariableTable& variables) {
  if (assignment.size() < 3 || assignment[1] != '=') return false;
  const char letter = assignment[0];
  if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))) return false;
  const std::optional<double> value = readNumber(fromUtf8(assignment.substr(2)));
  if (!value) return false;
  variables.set(letter, *value);
  return true;
}

}  // namespace

int runEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  VariableTable variables;
  std::optional<std::string> formula;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--set") {
      if (i + 1 == args.size()) return usageError(err, "--set needs X=VALUE");
      if (!storeAssignment(args[++i], variables))
        return usageError(err,
                          "--set needs X=VALUE with a letter and a number, not '" + args[i] + "'");
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return usageError(
          err, "unknown option '" + arg + "' (put -- before a formula that starts with -)");
    } else if (formula) {
      return usageError(err, "only one formula, please quote it");
    } else {
      formula = arg;
    }
  }
  if (!formula) return usageError(err, "no formula given");

  int code = 0;
  const double value = EvaluateFormula(fromUtf8(*formula), code, variables, out);
  char number[40];
  std::snprintf(number, sizeof number, "%.17g", value);
  out << code << ' ' << number << '\n';
  return 0;
}

}  // namespace korvale
