#pragma once
// PELLOMIR_ASSERT(cond): stops the program at a caller error, a precondition that our own
// code must meet (an index inside its bitmap, a piece inside the picture it is cut
// from). On in Debug builds and in the sanitizer build (PELLOMIR_SANITIZE), empty in
// Release and RelWithDebInfo. Not for what a file or a user supplies: that input is
// checked and tolerated where it enters, so no assertion can fire on it.
#if !defined(NDEBUG) || defined(PELLOMIR_SANITIZE)

#include <cstdio>
#include <cstdlib>

#define PELLOMIR_ASSERTIONS_ON 1

namespace base::detail {

[[noreturn]] inline void AssertionFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: assertion failed: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

}  // namespace base::detail

#define PELLOMIR_ASSERT(cond) \
  ((cond) ? static_cast<void>(0) : ::base::detail::AssertionFailed(#cond, __FILE__, __LINE__))

#else

#define PELLOMIR_ASSERTIONS_ON 0

// The condition is not evaluated; sizeof keeps its names used.
#define PELLOMIR_ASSERT(cond) static_cast<void>(sizeof((cond) ? 1 : 0))

#endif
