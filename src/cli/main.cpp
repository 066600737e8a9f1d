// tovrex-method: shows, compares, checks, exports, imports and plots stored inlet
// methods from the command line. Everything but the console set-up is in method_tool.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "cli/method_tool.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Units and arrows are printed in UTF-8 ("°C", "→"); the console shows them as such.
  SetConsoleOutputCP(CP_UTF8);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  return method_tool::RunMethodTool(args, std::cout, std::cerr);
}
