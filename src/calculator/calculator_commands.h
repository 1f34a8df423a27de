// The calculator's seven commands: each reads its arguments from the prepared input line and
// gives the text the input line shows afterwards.
#pragma once

#include <optional>

#include "base/text.h"
#include "formula/variable_table.h"
#include "ui/ports/dialogs.h"
#include "ui/ports/key_state.h"

namespace korvale {

// What the input line shows when a formula or a command fails.
inline const Text kCalculatorError = U" Fehler ";

enum class CalculatorCommand {
  PrimeFactors,
  Quadratic,
  Derivative,
  Integral,
  Zero,
  Combinations,
  Normal
};

// The first command name, in the order pfz, qua, dif, int, nul, kom, gau, that occurs anywhere in
// the text (compared without case): "3*int(x,0,1)" integrates.
std::optional<CalculatorCommand> findCommand(const Text& text);

struct CommandContext {
  VariableTable& variables;
  Dialogs& dialogs;
  KeyState& keys;
  Cursor& cursor;
  int decimals = 2;
};

Text runCommand(CalculatorCommand command, const Text& input, CommandContext& c);

}  // namespace korvale
