// Whether every visible text of a form fits its place, measured with the control's own font: a
// label's text against the label's bounds (wrapped at the label's width when one line is too wide),
// a button's caption against the button, and every text control inside the form's client area and
// clear of the other controls (an auto-sized label grows with its text, so running into the next
// control or past the edge is how a long text shows).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace fit_test {

struct Tally {
  int checked = 0;
  int fit = 0;
  std::vector<std::string> misfits;  // "<where> <component>: <why>"
};

// Checks the visible texts of `form` (a window of this process) and adds them to `tally`.
void CheckForm(HWND form, const std::string& where, Tally& tally);

}  // namespace fit_test
