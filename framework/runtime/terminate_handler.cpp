// Every staged program and DLL is linked with this file (cmake/SuiteHelpers.cmake, suite_stage).
//
// The static C++ runtime's default terminate handler names the type of an uncaught exception
// through the runtime's demangler, and brings the demangler and a printf engine into every program
// and DLL: about 80 KB each, a sixth of a plug-in. This definition takes its place at link time. It
// says what() and stops the program the same way; none of our code lets an exception reach it.
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  static bool terminating = false;
  if (!terminating) {
    terminating = true;
    if (std::exception_ptr active = std::current_exception()) {
      try {
        std::rethrow_exception(active);
      } catch (const std::exception& error) {
        std::fputs("terminate called after an exception: ", stderr);
        std::fputs(error.what(), stderr);
        std::fputc('\n', stderr);
      } catch (...) {
        std::fputs("terminate called after an exception of unknown type\n", stderr);
      }
    } else {
      std::fputs("terminate called without an active exception\n", stderr);
    }
  }
  std::abort();
}

}  // namespace __gnu_cxx
