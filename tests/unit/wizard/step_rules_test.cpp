#include "plugins/wizard/core/step_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wizard;

namespace {

std::vector<std::wstring> Suffixed(const RenamePlan& plan) {
  std::vector<std::wstring> names;
  for (const Rename& r : plan) names.push_back(r.SuffixedName());
  return names;
}

}  // namespace

TEST(WizardStep2, BackgroundAndSuffixesFollowDeviceAndSwitch) {
  const Step2Look slide = Step2LookFor(kMouse, kSlideSwitch);
  EXPECT_EQ(L"MouseCorvilStep201_Background.bmp", slide.background);
  EXPECT_EQ(L"_Mouse", slide.headSuffix);
  EXPECT_EQ(L"_Mouse1", slide.stepSuffix);
  const Step2Look push = Step2LookFor(kMouse, kPushButtonSwitch);
  EXPECT_EQ(L"MouseCorvilStep202_Background.bmp", push.background);
  EXPECT_EQ(L"_Mouse2", push.stepSuffix);
  EXPECT_EQ(L"MouseCorvilStep202_Background.bmp", Step2LookFor(kMouse, 0).background);
  // A keyboard ignores the switch type left over from an earlier mouse round.
  const Step2Look keyboard = Step2LookFor(kKeyboard, kSlideSwitch);
  EXPECT_EQ(L"KeyboardCorvilStep2_Background.bmp", keyboard.background);
  EXPECT_EQ(L"_Keyboard", keyboard.headSuffix);
  EXPECT_EQ(L"_Keyboard", keyboard.stepSuffix);
}

TEST(WizardStep2, RenamesTheHeadAndTheThirteenStepLabels) {
  const std::vector<std::wstring> names = Suffixed(Step2Renames(kMouse, kPushButtonSwitch));
  ASSERT_EQ(15u, names.size());
  EXPECT_EQ(L"im_Totem_Mouse", names[0]);
  EXPECT_EQ(L"lb_ProgramTitle_Mouse", names[1]);
  EXPECT_EQ(L"lb_ActivateDeviceTitle_Mouse2", names[2]);
  EXPECT_EQ(L"lb_FourthNotesHint_Mouse2", names[11]);
  EXPECT_EQ(L"lb_Hint_Mouse2", names[14]);
  for (const std::wstring& name : names) EXPECT_NE(L"lb_Message", name.substr(0, 10));
}

TEST(WizardSteps3And4, RenameTheirListsByDeviceType) {
  EXPECT_EQ((std::vector<std::wstring>{L"im_Totem_Mouse", L"lb_ProgramTitle_Mouse", L"lb_Title_Mouse",
                                       L"lb_ConfirmDeviceTitle_Mouse", L"lb_TitleNotes_Mouse",
                                       L"lb_ConfirmYesNo_Mouse"}),
            Suffixed(Step3Renames(kMouse)));
  EXPECT_EQ((std::vector<std::wstring>{L"im_Totem_Keyboard", L"lb_ProgramTitle_Keyboard", L"lb_Title_Keyboard",
                                       L"lb_SuccessNotes_Keyboard", L"lb_DeviceName_Keyboard",
                                       L"lb_DeviceID_Keyboard", L"lb_NotesTitle_Keyboard", L"lb_Notes_Keyboard"}),
            Suffixed(Step4Renames(kKeyboard)));
  EXPECT_EQ(L"_Keyboard", DeviceSuffix(0));
}

TEST(WizardStep1, PreselectsOnceFromThePreviousDevice) {
  const Step1Selection mouse = Step1Preselection(kMouse);
  EXPECT_TRUE(mouse.mouse);
  EXPECT_TRUE(mouse.slideSwitch);
  EXPECT_FALSE(mouse.pushButton);
  for (int32_t previous : {0, 2, 7}) {
    const Step1Selection other = Step1Preselection(previous);
    EXPECT_FALSE(other.mouse) << previous;
    EXPECT_FALSE(other.slideSwitch) << previous;
    EXPECT_FALSE(other.pushButton) << previous;
  }
}

TEST(WizardStep1, MouseWithoutSlideSwitchCountsAsPushButton) {
  EXPECT_EQ(kMouse, Step1ChoiceFrom(true, true).deviceType);
  EXPECT_EQ(kSlideSwitch, Step1ChoiceFrom(true, true).switchType);
  EXPECT_EQ(kPushButtonSwitch, Step1ChoiceFrom(true, false).switchType);
  EXPECT_EQ(kKeyboard, Step1ChoiceFrom(false, true).deviceType);
  EXPECT_FALSE(Step1ChoiceFrom(false, true).switchType.has_value());
}

TEST(WizardStep3, YesGoesOnNoGoesBackNeitherWaits) {
  EXPECT_EQ(4, Step3NextOutcome(true, false));
  EXPECT_EQ(1000, Step3NextOutcome(false, true));
  EXPECT_FALSE(Step3NextOutcome(false, false).has_value());
}

TEST(WizardStep4, OptionsAndShowTypeChooseTheControls) {
  struct Case {
    bool options;
    int32_t device;
    const wchar_t* showType;
    Step4Visibility want;
  };
  // pairNextMouse, pairNextKeyboard, openManager, success, nameBox, idBox
  const Case cases[] = {
      {true, kMouse, L"Name", {true, false, true, true, true, false}},
      {true, kKeyboard, L"@@", {false, true, true, true, true, false}},
      {true, kMouse, L"ID", {true, false, true, true, false, true}},
      {true, kKeyboard, L"ID", {false, true, true, true, false, true}},
      {true, kMouse, L"id", {true, false, true, true, true, false}},  // the value is compared exactly
      {false, kMouse, L"Name", {false, false, false, false, false, true}},
      {false, kKeyboard, L"ID", {false, false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    const Step4Visibility v = Step4VisibilityFor(c.options, c.device, c.showType);
    const std::string where = std::string(c.options ? "options " : "no options ") +
                              (c.device == kMouse ? "mouse " : "keyboard ") +
                              std::string(c.showType, c.showType + wcslen(c.showType));
    EXPECT_EQ(c.want.pairNextMouse, v.pairNextMouse) << where;
    EXPECT_EQ(c.want.pairNextKeyboard, v.pairNextKeyboard) << where;
    EXPECT_EQ(c.want.openManager, v.openManager) << where;
    EXPECT_EQ(c.want.success, v.success) << where;
    EXPECT_EQ(c.want.nameBox, v.nameBox) << where;
    EXPECT_EQ(c.want.idBox, v.idBox) << where;
  }
  EXPECT_EQ(22024, Step4ExitTag(true));
  EXPECT_EQ(22020, Step4ExitTag(false));
}

TEST(WizardStep4, DeviceIdKeepsNineteenBitsInSixDigits) {
  EXPECT_EQ(L"02BCDE", DeviceIdText(0x2BCDE));
  EXPECT_EQ(L"02BCDE", DeviceIdText(0xABCDE));
  EXPECT_EQ(L"07FFFF", DeviceIdText(0x7FFFF));
  EXPECT_EQ(L"000000", DeviceIdText(0x80000));
  EXPECT_EQ(L"012345", DeviceIdText(0x12345));
  EXPECT_EQ(L"07FFFF", DeviceIdText(0xFFFFFFFF));
}

TEST(WizardStep4, AStoredNameIsOfferedBeforeTheLanguageDefault) {
  const char16_t stored[16] = u"Desk keys";
  const char16_t none[16] = {};
  EXPECT_EQ(L"Desk keys", Step4DefaultName(stored, 16, L"Mouse"));
  EXPECT_EQ(L"Mouse", Step4DefaultName(none, 16, L"Mouse"));
  EXPECT_EQ(L"Mouse", Step4DefaultName(nullptr, 16, L"Mouse"));
}
