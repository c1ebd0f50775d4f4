// The terminate handler that replaces the runtime's in every staged program and DLL.
#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>

// Death tests start a child process per case: natively only, where that is cheap.
#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
namespace {

void Throw(bool standard) {
  if (standard) throw std::runtime_error("the page did not verify");
  throw 42;
}

void ThrowPastNoexcept(bool standard) noexcept { Throw(standard); }

TEST(TerminateHandler, SaysWhatEndedTheProgramAndStopsIt) {
  EXPECT_DEATH(ThrowPastNoexcept(true), "terminate called after an exception: the page did not verify");
  EXPECT_DEATH(ThrowPastNoexcept(false), "terminate called after an exception of unknown type");
  EXPECT_DEATH(std::terminate(), "terminate called without an active exception");
}

}  // namespace
#endif
