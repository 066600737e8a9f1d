// The entry point of every end-to-end test program. A crash inside a window procedure
// is not caught by GoogleTest under Wine: fail the run instead of hanging or passing.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

static LONG WINAPI OnCrash(EXCEPTION_POINTERS* e) {
  std::fprintf(stderr, "CRASH 0x%08lx\n", e->ExceptionRecord->ExceptionCode);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(OnCrash);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
