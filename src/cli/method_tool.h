// tovrex-method: the program's verbs over its arguments, writing to the two streams it
// is given, so that everything but main() runs in the unit tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace method_tool {

enum ExitCode {
  kExitOk = 0,
  kExitFindings = 1,  // diff: the methods differ; check: a value is out of range
  kExitError = 2,     // bad arguments, or a file that cannot be read, parsed or written
};

// Runs the program on its arguments (without the program's name). Never throws.
int RunMethodTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace method_tool
