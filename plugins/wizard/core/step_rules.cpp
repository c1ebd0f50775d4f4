#include "plugins/wizard/core/step_rules.h"

#include "framework/core/strutil.h"

namespace wizard {
namespace {

const wchar_t* const kHeadComponents[] = {L"im_Totem", L"lb_ProgramTitle"};

const wchar_t* const kStep2Labels[] = {
    L"lb_ActivateDeviceTitle", L"lb_ActivateDeviceHint", L"lb_FirstNotes", L"lb_FirstNotesHint",
    L"lb_SecondNotes",         L"lb_SecondNotesHint",    L"lb_ThirdNotes", L"lb_ThirdNotesHint",
    L"lb_FourthNotes",         L"lb_FourthNotesHint",    L"lb_PicNotes1",  L"lb_PicNotes2",
    L"lb_Hint"};

const wchar_t* const kStep3Components[] = {L"im_Totem",      L"lb_ProgramTitle", L"lb_Title",
                                           L"lb_ConfirmDeviceTitle", L"lb_TitleNotes", L"lb_ConfirmYesNo"};

const wchar_t* const kStep4Components[] = {L"im_Totem",     L"lb_ProgramTitle", L"lb_Title",
                                           L"lb_SuccessNotes", L"lb_DeviceName", L"lb_DeviceID",
                                           L"lb_NotesTitle", L"lb_Notes"};

template <size_t N>
void AddAll(RenamePlan& plan, const wchar_t* const (&names)[N], const std::wstring& suffix) {
  for (const wchar_t* name : names) plan.push_back({name, suffix});
}

constexpr uint32_t kDeviceIdMask = 0x7FFFF;  // 19 bits
constexpr int kExitTag = 22024;
constexpr int kDoneTag = 22020;

}  // namespace

std::wstring DeviceSuffix(int32_t deviceType) { return deviceType == kMouse ? L"_Mouse" : L"_Keyboard"; }

Step2Look Step2LookFor(int32_t deviceType, int32_t switchType) {
  if (deviceType == kMouse && switchType == kSlideSwitch) {
    return {L"MouseCorvilStep201_Background.bmp", L"_Mouse", L"_Mouse1"};
  }
  if (deviceType == kMouse) return {L"MouseCorvilStep202_Background.bmp", L"_Mouse", L"_Mouse2"};
  return {L"KeyboardCorvilStep2_Background.bmp", L"_Keyboard", L"_Keyboard"};
}

RenamePlan Step2Renames(int32_t deviceType, int32_t switchType) {
  const Step2Look look = Step2LookFor(deviceType, switchType);
  RenamePlan plan;
  AddAll(plan, kHeadComponents, look.headSuffix);
  AddAll(plan, kStep2Labels, look.stepSuffix);
  return plan;
}

RenamePlan Step3Renames(int32_t deviceType) {
  RenamePlan plan;
  AddAll(plan, kStep3Components, DeviceSuffix(deviceType));
  return plan;
}

RenamePlan Step4Renames(int32_t deviceType) {
  RenamePlan plan;
  AddAll(plan, kStep4Components, DeviceSuffix(deviceType));
  return plan;
}

Step1Selection Step1Preselection(int32_t previousDeviceType) {
  if (previousDeviceType == kMouse) return {true, true, false};
  return {false, false, false};
}

Step1Choice Step1ChoiceFrom(bool mouseSelected, bool slideSwitchTicked) {
  if (!mouseSelected) return {kKeyboard, std::nullopt};
  return {kMouse, slideSwitchTicked ? kSlideSwitch : kPushButtonSwitch};
}

std::optional<int32_t> Step3NextOutcome(bool yesSelected, bool noSelected) {
  if (yesSelected) return 4;
  if (noSelected) return 1000;
  return std::nullopt;
}

Step4Visibility Step4VisibilityFor(bool optionsOn, int32_t deviceType, const std::wstring& showType) {
  Step4Visibility v;
  if (!optionsOn) {
    v.idBox = true;
    return v;
  }
  v.openManager = true;
  v.success = true;
  v.pairNextMouse = deviceType == kMouse;
  v.pairNextKeyboard = deviceType != kMouse;
  const bool showId = showType == L"ID";
  v.idBox = showId;
  v.nameBox = !showId;
  return v;
}

int Step4ExitTag(bool optionsOn) { return optionsOn ? kExitTag : kDoneTag; }

std::wstring DeviceIdText(uint32_t deviceId) { return framework::IntToHexText(deviceId & kDeviceIdMask, 6); }

std::wstring Step4DefaultName(const char16_t* units, size_t count, const std::wstring& languageDefault) {
  std::wstring stored;
  for (size_t i = 0; units != nullptr && i < count && units[i] != 0; ++i) stored += static_cast<wchar_t>(units[i]);
  return stored.empty() ? languageDefault : stored;
}

}  // namespace wizard
