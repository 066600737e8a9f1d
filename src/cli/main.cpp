// tovrex-method: shows, compares, checks, exports, imports and plots stored inlet
// methods from the command line. Everything but the process set-up is in method_tool.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "cli/file_io.h"
#else
#include <csignal>
#endif

#include "cli/method_tool.h"

#ifdef _WIN32
namespace {

// The console's output code page before the program set UTF-8; 0 without a console.
UINT previousCodePage = 0;

BOOL WINAPI RestoreOnBreak(DWORD) {
  SetConsoleOutputCP(previousCodePage);
  return FALSE;  // and let the default handler end the program
}

// Units and arrows are printed in UTF-8 ("°C", "→"); a console shows them as such while
// the program runs and gets back the code page it had, for the programs after it, also
// when Ctrl+C ends the program.
class ConsoleUtf8 {
 public:
  ConsoleUtf8() {
    previousCodePage = GetConsoleOutputCP();
    if (previousCodePage == 0) return;
    SetConsoleCtrlHandler(RestoreOnBreak, TRUE);
    SetConsoleOutputCP(CP_UTF8);
  }
  ConsoleUtf8(const ConsoleUtf8&) = delete;
  ConsoleUtf8& operator=(const ConsoleUtf8&) = delete;
  ~ConsoleUtf8() {
    if (previousCodePage != 0) SetConsoleOutputCP(previousCodePage);
  }
};

}  // namespace

// The arguments as typed, in UTF-16, turned into UTF-8 once here: every name in them
// then reaches the files and the output unchanged, whatever the ANSI code page.
int wmain(int argc, wchar_t** argv) {
  const ConsoleUtf8 console;
  // Line feeds stay line feeds in files and pipes, as on every other build.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(method_tool::Utf8FromWide(argv[i]));
  return method_tool::RunMethodTool(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) then fails the write, which is reported, instead of
  // killing the program half-way through it.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return method_tool::RunMethodTool(args, std::cout, std::cerr);
}
#endif
