// Driving the wizard inside the real host from another process: its step windows by caption, their
// components by name.
#pragma once
#include <windows.h>

#include <string>

namespace wizard_test {

// The visible step window (1..4) of the host process; null on timeout.
HWND HostStep(DWORD processId, int step, DWORD timeoutMs = 15000);
// True once step `step` of the process is hidden or gone.
bool HostStepGone(DWORD processId, int step, DWORD timeoutMs = 15000);

}  // namespace wizard_test
