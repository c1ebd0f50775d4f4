// What the step forms decide from the device type, the switch type and the two UI-file settings:
// the suffixes that select type-specific texts, step 1's preselection and choice, step 3's answer,
// and which controls step 4 shows.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wizard {

constexpr int32_t kMouse = 1;
constexpr int32_t kKeyboard = 2;
constexpr int32_t kSlideSwitch = 1;
constexpr int32_t kPushButtonSwitch = 2;

// Components renamed while a step shows, with the suffix each gets.
struct Rename {
  std::wstring baseName;
  std::wstring suffix;
  std::wstring SuffixedName() const { return baseName + suffix; }
};
using RenamePlan = std::vector<Rename>;

// "_Mouse" for a mouse, "_Keyboard" for anything else.
std::wstring DeviceSuffix(int32_t deviceType);

// Step 2: background and suffixes by device and switch type.
struct Step2Look {
  std::wstring background;
  std::wstring headSuffix;   // im_Totem, lb_ProgramTitle
  std::wstring stepSuffix;   // the 13 step labels
};
Step2Look Step2LookFor(int32_t deviceType, int32_t switchType);
RenamePlan Step2Renames(int32_t deviceType, int32_t switchType);
RenamePlan Step3Renames(int32_t deviceType);
RenamePlan Step4Renames(int32_t deviceType);

// Step 1's one-time preselection from the record's previous device type.
struct Step1Selection {
  bool mouse = false;       // rb_MousePair, else rb_KeyboardPair
  bool slideSwitch = false; // rb_MousePair_Type1
  bool pushButton = false;  // rb_MousePair_Type2
};
Step1Selection Step1Preselection(int32_t previousDeviceType);

// Step 1's Next: the device type, and for a mouse the switch type (a mouse with neither box ticked
// counts as a push-button switch). For a keyboard the switch type is left as it was.
struct Step1Choice {
  int32_t deviceType = kKeyboard;
  std::optional<int32_t> switchType;
};
Step1Choice Step1ChoiceFrom(bool mouseSelected, bool slideSwitchTicked);

// Step 3's Next: Yes goes on, No goes back to step 1; neither chosen does nothing.
std::optional<int32_t> Step3NextOutcome(bool yesSelected, bool noSelected);

// Step 4, on showing.
struct Step4Visibility {
  bool pairNextMouse = false;
  bool pairNextKeyboard = false;
  bool openManager = false;
  bool success = false;
  bool nameBox = false;    // ed_DeviceName and the name label
  bool idBox = false;      // ed_DeviceID and the ID label
};
// optionsOn: "CorvilOpen" = 1; showType: the value of "DeviceDetialShowType" ("ID" shows the ID box
// instead of the name box; a missing file or key shows the name box).
Step4Visibility Step4VisibilityFor(bool optionsOn, int32_t deviceType, const std::wstring& showType);
// The skin tag of bt_Exit: the exit picture with the options, the done picture without.
int Step4ExitTag(bool optionsOn);

// Step 4's name field: the name the host already keeps for the device that reported (it puts it
// into the record's name when the device reports), else the language's default name. `units` is
// the record's name field (zero-terminated within `count`), or null.
std::wstring Step4DefaultName(const char16_t* units, size_t count, const std::wstring& languageDefault);

// The device identifier as shown: 19 bits, six upper-case hexadecimal digits.
std::wstring DeviceIdText(uint32_t deviceId);

}  // namespace wizard
