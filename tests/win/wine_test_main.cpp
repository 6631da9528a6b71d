// main of every Win32 test suite. Under Wine a crashing test can otherwise
// end with exit code 0, so a crash ends the process with code 3; and the
// suites only mean something with the ANSI code page 936.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

LONG WINAPI endOnCrash(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "crash: exception 0x%08lx\n",
               static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(endOnCrash);
  ::testing::InitGoogleTest(&argc, argv);
  if (GetACP() != 936) {
    std::fprintf(stderr, "the ANSI code page is %u, not 936: run with LANG=zh_CN.UTF-8\n", GetACP());
    return 2;
  }
  return RUN_ALL_TESTS();
}
