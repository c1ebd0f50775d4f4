// Whether another copy of the host is running, judged from what creating the named mutex gave.
#pragma once
#include <cstdint>

namespace host {

// The Win32 error codes the decision looks at (kept here so the decision builds everywhere).
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorAlreadyExists = 183;

// `created` is whether CreateMutexW returned a handle, `lastError` GetLastError() right after.
// The mutex already existing means another copy; so does being denied access to it, which is how
// a copy running elevated shows itself to one that is not.
bool AnotherCopyRuns(bool created, uint32_t lastError);

}  // namespace host
