// The wizard as the host calls it, with a scripted host window in the test process: the chain of
// steps, the pairing exchange, the record, and the files that change what the steps show.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/language.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/teardown_watch.h"
#include "tests/wine/wizard/fake_host.h"
#include "tests/wine/wizard/wizard_session.h"

namespace wizard_test {
namespace {

constexpr uint16_t kEnglish = 0x0409;
constexpr int32_t kMouse = 1;
constexpr int32_t kKeyboard = 2;

std::wstring CurrentTestName() {
  const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
  return std::wstring(name.begin(), name.end());
}

std::wstring Caption(const std::wstring& section, const std::wstring& component) {
  return StagedText(L"English", section, component + L"->Caption");
}

std::wstring NameOf(const contract::WizardParams& record) {
  return std::wstring(record.deviceName, record.deviceName + std::char_traits<char16_t>::length(record.deviceName));
}

// A real left-button drag from the middle of `part` by (dx, dy); how far the window moved.
POINT DragBy(HWND window, HWND part, int dx, int dy) {
  const RECT before = driver::WindowRect(window);
  const RECT area = driver::WindowRect(part);
  const POINT start{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  auto send = [](DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
  };
  SetCursorPos(start.x, start.y);
  Sleep(50);
  send(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) {
    Sleep(50);
    SetCursorPos(start.x + dx * step / 4, start.y + dy * step / 4);
  }
  Sleep(50);
  send(MOUSEEVENTF_LEFTUP);
  driver::WaitUntil([&] { return driver::WindowRect(window).left != before.left; }, 1000);
  const RECT after = driver::WindowRect(window);
  return {after.left - before.left, after.top - before.top};
}

class WizardTest : public testing::Test {
 protected:
  WizardTest() : tree_(CurrentTestName()), library_(tree_.PluginPath()) {}

  WizardRun Run(contract::WizardParams* record, const std::function<void()>& drive) {
    EXPECT_TRUE(library_.Loaded());
    return RunWizard(library_, record, drive);
  }
  contract::WizardParams Record(int32_t previousDeviceType = kMouse) {
    return MakeRecord(kEnglish, host_.Window(), previousDeviceType);
  }

  FormsTree tree_;
  WizardLibrary library_;
  FakeHost host_;
};

// A mouse reports after two empty polls.
void ScriptMouse(FakeHost& host, uint32_t id) {
  host.polls = {{1, static_cast<WPARAM>(-1), 0}, {1, static_cast<WPARAM>(-1), 0}, {1, 1, static_cast<LPARAM>(id)}};
}

TEST_F(WizardTest, PairsAMouseWithASlideSwitchThroughAllFourSteps) {
  ScriptMouse(host_, 0x2BCDE);
  contract::WizardParams record = Record(kMouse);
  bool preselected = false, slideTicked = false, pushClear = false, stepTexts = false, renamedBack = false;
  bool step3Texts = false, nameLimited = false, idDisabled = false;
  std::wstring id, name;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    preselected = Checked(step1, L"rb_MousePair") && !Checked(step1, L"rb_KeyboardPair");
    slideTicked = Checked(step1, L"rb_MousePair_Type1");
    pushClear = !Checked(step1, L"rb_MousePair_Type2");
    Press(step1, L"bt_NextStep");
    HWND step2 = WaitStep(2);
    stepTexts = TextOf(step2, L"lb_FirstNotesHint_Mouse1") == Caption(L"CorvilStep2", L"lb_FirstNotesHint_Mouse1") &&
                TextOf(step2, L"lb_ProgramTitle_Mouse") == Caption(L"CorvilStep2", L"lb_ProgramTitle_Mouse");
    HWND step3 = WaitStep(3);
    renamedBack = Part(step2, L"lb_FirstNotes") != nullptr && Part(step2, L"lb_FirstNotes_Mouse1") == nullptr;
    step3Texts = TextOf(step3, L"lb_ConfirmDeviceTitle_Mouse") == Caption(L"CorvilStep3", L"lb_ConfirmDeviceTitle_Mouse");
    Press(step3, L"bt_NextStep");
    HWND step4 = WaitStep(4);
    id = TextOf(step4, L"ed_DeviceID");
    idDisabled = !IsWindowEnabled(Part(step4, L"ed_DeviceID"));
    driver::SetText(Part(step4, L"ed_DeviceName"), L"Meeting room mouse 1");  // 20 characters
    nameLimited = TextOf(step4, L"ed_DeviceName") == L"Meeting room m";
    driver::SetText(Part(step4, L"ed_DeviceName"), L"Anna");
    Press(step4, L"bt_Exit");
  });
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(1, run.result);
  EXPECT_TRUE(preselected);
  EXPECT_TRUE(slideTicked);
  EXPECT_TRUE(pushClear);
  EXPECT_TRUE(stepTexts) << "step 2 reads the _Mouse1 texts";
  EXPECT_TRUE(renamedBack) << "closing step 2 gives the labels their names back";
  EXPECT_TRUE(step3Texts);
  EXPECT_EQ(L"02BCDE", id);
  EXPECT_TRUE(idDisabled);
  EXPECT_TRUE(nameLimited) << "the name box takes 14 characters";
  EXPECT_EQ(kMouse, record.deviceType);
  EXPECT_EQ(0x2BCDEu, record.deviceId);
  EXPECT_EQ(L"Anna", NameOf(record));
  EXPECT_EQ((std::vector<std::string>{"start", "poll", "poll", "poll", "stop"}), host_.log);
}

TEST_F(WizardTest, AHookAboveEachStepSeesItsWindowGo) {
  ScriptMouse(host_, 0x2BCDE);
  contract::WizardParams record = Record(kMouse);
  HWND steps[4] = {};
  const WizardRun run = Run(&record, [&] {
    for (int step : {1, 2, 3, 4}) {
      steps[step - 1] = WaitStep(step);
      driver::WatchTeardown(steps[step - 1]);
      if (step != 2) Press(steps[step - 1], step == 4 ? L"bt_Exit" : L"bt_NextStep");
    }
  });
  EXPECT_EQ(1, run.result);
  for (HWND step : steps) EXPECT_TRUE(driver::SawTeardown(step));
}

TEST_F(WizardTest, AKeyboardAnswerEndsAMouseRunAndTheIdComesFromTheAnswer) {
  host_.polls = {{1, static_cast<WPARAM>(-1), 0}, {1, 2, 0xABCDE}};
  contract::WizardParams record = Record(kMouse);
  std::wstring pushText, id;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    Press(step1, L"rb_MousePair_Type1");  // untick: a mouse without a ticked box has a push button
    Press(step1, L"bt_NextStep");
    HWND step2 = WaitStep(2);
    pushText = TextOf(step2, L"lb_SecondNotes_Mouse2");
    HWND step3 = WaitStep(3);
    Press(step3, L"bt_NextStep");
    HWND step4 = WaitStep(4);
    id = TextOf(step4, L"ed_DeviceID");
    Press(step4, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(Caption(L"CorvilStep2", L"lb_SecondNotes_Mouse2"), pushText);
  EXPECT_EQ(kMouse, record.deviceType) << "the wizard does not compare the answer with the choice";
  EXPECT_EQ(0xABCDEu, record.deviceId) << "the record keeps what the host sent";
  EXPECT_EQ(L"02BCDE", id) << "shown with 19 bits";
  EXPECT_EQ(L"", NameOf(record)) << "the close button copies no name";
}

TEST_F(WizardTest, ARefusedPollGoesBackToStepOneWithoutStop) {
  host_.polls = {{1, static_cast<WPARAM>(-1), 0}, {0, 0, 0}};
  contract::WizardParams record = Record(kKeyboard);
  bool keyboardKept = false;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    Press(step1, L"bt_NextStep");
    WaitStep(2);
    WaitStepHidden(2);
    step1 = WaitStep(1);
    keyboardKept = Checked(step1, L"rb_KeyboardPair");
    Press(step1, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_TRUE(keyboardKept);
  EXPECT_EQ((std::vector<std::string>{"start", "poll", "poll"}), host_.log);
  EXPECT_EQ(kKeyboard, record.deviceType);
}

TEST_F(WizardTest, BackAndNoInStepThreeReturnToStepOneAndPairingStartsAgain) {
  host_.polls = {{1, 2, 0x11111}, {1, 2, 0x22222}, {1, 2, 0x33333}};
  contract::WizardParams record = Record(kKeyboard);
  bool keptAfterBack = false, keptAfterNo = false, yesPreselected = false, hintFirst = false, hintAgain = true;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    Press(step1, L"bt_NextStep");
    hintFirst = IsShown(WaitStep(2), L"lb_Hint_Keyboard");
    HWND step3 = WaitStep(3);
    Press(step3, L"bt_Back");
    step1 = WaitStep(1);
    keptAfterBack = Checked(step1, L"rb_KeyboardPair");
    Press(step1, L"bt_NextStep");
    hintAgain = IsShown(WaitStep(2), L"lb_Hint_Keyboard");
    step3 = WaitStep(3);
    yesPreselected = Checked(step3, L"rb_OnWork");
    Press(step3, L"rb_UnWork");
    Press(step3, L"bt_NextStep");
    step1 = WaitStep(1);
    keptAfterNo = Checked(step1, L"rb_KeyboardPair");
    Press(step1, L"bt_NextStep");
    step3 = WaitStep(3);
    Press(step3, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_TRUE(keptAfterBack);
  EXPECT_TRUE(keptAfterNo);
  EXPECT_TRUE(yesPreselected);
  EXPECT_TRUE(hintFirst);
  EXPECT_FALSE(hintAgain) << "step 2's hint stays hidden after its first closing";
  EXPECT_EQ(3, host_.Count("start")) << "every return to step 2 starts a new pairing run";
  EXPECT_EQ(3, host_.Count("stop"));
  EXPECT_EQ(0x33333u, record.deviceId);
}

TEST_F(WizardTest, StepFourButtonsGiveTheirResults) {
  struct Case {
    const wchar_t* button;
    int32_t previous;
    int32_t result;
    bool nameCopied;
  };
  for (const Case& c : {Case{L"bt_PairNextMouse", kMouse, 1001, true}, Case{L"bt_PairNextKeyboard", kKeyboard, 1001, true},
                        Case{L"bt_OpenCorvilManager", kMouse, 1002, true}, Case{L"bt_Exit", kKeyboard, 1, true},
                        Case{L"bt_Close", kMouse, 3, false}}) {
    host_.polls = {{1, static_cast<WPARAM>(c.previous), 0x12345}};
    host_.log.clear();
    contract::WizardParams record = Record(c.previous);
    bool otherPairButtonHidden = false;
    const WizardRun run = Run(&record, [&] {
      Press(WaitStep(1), L"bt_NextStep");
      Press(WaitStep(3), L"bt_NextStep");
      HWND step4 = WaitStep(4);
      otherPairButtonHidden =
          !IsShown(step4, c.previous == kMouse ? L"bt_PairNextKeyboard" : L"bt_PairNextMouse");
      Press(step4, c.button);
    });
    const std::string which(c.button, c.button + wcslen(c.button));
    EXPECT_FALSE(run.forcedClosed) << which;
    EXPECT_EQ(c.result, run.result) << which;
    EXPECT_TRUE(otherPairButtonHidden) << which;
    const std::wstring defaultName(L"New device");
    EXPECT_EQ(c.nameCopied ? defaultName : std::wstring(), NameOf(record)) << which;
  }
}

TEST_F(WizardTest, SuccessFixesTheNameAndKeepsStepFourOpen) {
  host_.polls = {{1, 1, 0x4242}};
  contract::WizardParams record = Record(kMouse);
  bool stillOpen = false, nameDisabled = false, successDisabled = false;
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    driver::SetText(Part(step4, L"ed_DeviceName"), L"Desk");
    Press(step4, L"bt_Success");
    Sleep(300);
    stillOpen = IsWindowVisible(step4) != FALSE;
    nameDisabled = !IsWindowEnabled(Part(step4, L"ed_DeviceName"));
    successDisabled = !IsWindowEnabled(Part(step4, L"bt_Success"));
    Press(step4, L"bt_Exit");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(nameDisabled);
  EXPECT_TRUE(successDisabled);
  EXPECT_EQ(L"Desk", NameOf(record));
}

TEST_F(WizardTest, WithoutMultiDeviceOptionsStepFourOffersOnlyExitAndShowsTheId) {
  tree_.WriteText(L"CorvilForm\\UI_Step1.txt", "[English]\r\nCorvilOpen=0\r\n");
  host_.polls = {{1, 1, 0x7FFFF}};
  contract::WizardParams record = Record(kMouse);
  std::vector<bool> shown;
  int exitTag = 0;
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    for (const wchar_t* name : {L"bt_PairNextMouse", L"bt_PairNextKeyboard", L"bt_OpenCorvilManager", L"bt_Success",
                                L"ed_DeviceName", L"lb_DeviceName_Mouse", L"ed_DeviceID", L"lb_DeviceID_Mouse",
                                L"bt_Exit", L"bt_Close"}) {
      shown.push_back(IsShown(step4, name));
    }
    exitTag = driver::ComponentTag(Part(step4, L"bt_Exit"));
    Press(step4, L"bt_Exit");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ((std::vector<bool>{false, false, false, false, false, false, true, true, true, true}), shown);
  EXPECT_EQ(22020, exitTag);
  EXPECT_EQ(L"New device", NameOf(record)) << "Exit copies the (hidden) default name";
}

TEST_F(WizardTest, ShowTypeIdShowsTheIdBoxButKeepsTheOptions) {
  tree_.WriteText(L"CorvilForm\\UI_Step4.txt", "[English]\r\nDeviceDetialShowType=ID\r\n");
  host_.polls = {{1, 2, 0x80000}};
  contract::WizardParams record = Record(kKeyboard);
  std::vector<bool> shown;
  std::wstring id;
  int exitTag = 0;
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    for (const wchar_t* name : {L"bt_PairNextKeyboard", L"bt_OpenCorvilManager", L"bt_Success", L"ed_DeviceName",
                                L"ed_DeviceID", L"lb_DeviceID_Keyboard"}) {
      shown.push_back(IsShown(step4, name));
    }
    id = TextOf(step4, L"ed_DeviceID");
    exitTag = driver::ComponentTag(Part(step4, L"bt_Exit"));
    Press(step4, L"bt_OpenCorvilManager");
  });
  EXPECT_EQ(1002, run.result);
  EXPECT_EQ((std::vector<bool>{true, true, true, false, true, true}), shown);
  EXPECT_EQ(L"000000", id);
  EXPECT_EQ(22024, exitTag);
}

TEST_F(WizardTest, NoDefaultNameInAnyFileGivesAnEmptyName) {
  tree_.WriteText(L"Texts\\English.txt", "[CorvilStep4]\r\nlb_SuccessTitle->Caption=Done\r\n");
  host_.polls = {{1, 1, 0x1}};
  contract::WizardParams record = Record(kMouse);
  std::wstring box = L"unread";
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    box = TextOf(step4, L"ed_DeviceName");
    Press(step4, L"bt_Exit");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(L"", box) << "not the missing-key marker";
  EXPECT_EQ(L"", NameOf(record));
}

TEST_F(WizardTest, TheTextVariantSelectsItsOwnSectionWhenThatHasKeys) {
  tree_.WriteText(L"Texts\\English.txt",
                  "[CorvilStep1]\r\nlb_Title->Caption=Plain title\r\nlb_MousePair->Caption=Plain mouse\r\n"
                  "[CorvilStep1.ABC]\r\nlb_Title->Caption=Variant title\r\n"
                  "[CorvilStep4.ABC]\r\nUnKnowDeviceName=ABC device\r\n");
  host_.polls = {{1, 1, 0x5}};
  contract::WizardParams record = Record(kMouse);
  const char16_t variant[] = u"ABC";
  std::copy(variant, variant + 4, record.head.textVariant);
  std::wstring title, mouse, name;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    title = TextOf(step1, L"lb_Title");
    mouse = TextOf(step1, L"lb_MousePair");
    Press(step1, L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    name = TextOf(step4, L"ed_DeviceName");
    Press(step4, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(L"Variant title", title);
  EXPECT_EQ(L"", mouse) << "the variant section replaces the plain one as a whole";
  EXPECT_EQ(L"ABC device", name);
}

TEST_F(WizardTest, ARefusedStartWaitsWithoutCountdownUntilPrevious) {
  host_.startReply = 0;
  contract::WizardParams record = Record(kKeyboard);
  std::wstring countdown = L"unread";
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    HWND step2 = WaitStep(2);
    Sleep(1500);  // three ticks' worth
    countdown = TextOf(step2, L"lb_Message");
    Press(step2, L"bt_PreviousStep");
    Press(WaitStep(1), L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(L"", countdown);
  EXPECT_EQ((std::vector<std::string>{"start", "stop"}), host_.log);
}

TEST_F(WizardTest, EscapeWhilePairingStopsTheReceiverAndEndsTheWizard) {
  contract::WizardParams record = Record(kKeyboard);
  std::wstring countdown;
  const WizardRun run = Run(&record, [&] {
    Press(WaitStep(1), L"bt_NextStep");
    HWND step2 = WaitStep(2);
    driver::WaitText(Part(step2, L"lb_Message"), L"59");
    countdown = TextOf(step2, L"lb_Message");
    PostMessageW(step2, WM_CLOSE, 0, 0);
    WaitStepHidden(2);
  });
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(L"59", countdown);
  EXPECT_EQ(1, host_.Count("stop"));
  EXPECT_EQ("stop", host_.log.back());
}

TEST_F(WizardTest, ASecondCallWhileOpenReturnsThreeAndLeavesItsRecordAlone) {
  contract::WizardParams record = Record(kMouse);
  contract::WizardParams second = MakeRecord(kEnglish, host_.Window(), kMouse);
  second.deviceType = 77;
  second.deviceId = 0xDEAD;
  int32_t secondResult = -1;
  bool exportedDuringRun = false;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    exportedDuringRun = *library_.StepVariable(1) != nullptr && *library_.StepVariable(4) != nullptr;
    secondResult = library_.Call(&second);
    Press(step1, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(3, secondResult);
  EXPECT_EQ(77, second.deviceType);
  EXPECT_EQ(0xDEADu, second.deviceId);
  EXPECT_TRUE(exportedDuringRun);
  for (int step = 1; step <= 4; ++step) EXPECT_EQ(nullptr, *library_.StepVariable(step)) << step;
}

TEST_F(WizardTest, StepsAreCentredToolWindowsShapedToTheirBackgroundAndLeaveThePluginFolderCurrent) {
  contract::WizardParams record = Record(kMouse);
  RECT window{};
  DWORD exStyle = 0;
  bool shaped = false;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    driver::WaitUntil([&] {
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      shaped = GetWindowRgn(step1, region) != ERROR;
      DeleteObject(region);
      return shaped;
    });
    window = driver::WindowRect(step1);
    exStyle = static_cast<DWORD>(GetWindowLongPtrW(step1, GWL_EXSTYLE));
    Press(step1, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(375, window.right - window.left);
  EXPECT_EQ(305, window.bottom - window.top);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 375) / 2, window.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 305) / 2, window.top);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_TRUE(shaped);
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring expected = tree_.PluginFolder();
  expected.pop_back();
  EXPECT_EQ(0, lstrcmpiW(expected.c_str(), current)) << current;
}

TEST_F(WizardTest, LabelsAndImagesDragTheStepButNotTheCountdown) {
  contract::WizardParams record = Record(kKeyboard);
  POINT byLabel{}, byLogo{}, byCountdown{};
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    Sleep(300);
    byLabel = DragBy(step1, Part(step1, L"lb_Contents"), 40, 30);
    byLogo = DragBy(step1, Part(step1, L"im_Totem"), -20, -10);
    Press(step1, L"bt_NextStep");
    HWND step2 = WaitStep(2);
    driver::WaitText(Part(step2, L"lb_Message"), L"59");
    byCountdown = DragBy(step2, Part(step2, L"lb_Message"), 40, 30);
    Press(step2, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(40, byLabel.x);
  EXPECT_EQ(30, byLabel.y);
  EXPECT_EQ(-20, byLogo.x);
  EXPECT_EQ(-10, byLogo.y);
  EXPECT_EQ(0, byCountdown.x);
  EXPECT_EQ(0, byCountdown.y);
}

TEST_F(WizardTest, LanguageZeroTakesTheUsersLanguage) {
  contract::WizardParams record = MakeRecord(0, host_.Window(), kMouse);
  const std::wstring language = framework::LanguageNameFor(0, GetUserDefaultLangID());
  // Set by the test registration that runs this under another user language.
  wchar_t expected[32] = {};
  if (GetEnvironmentVariableW(L"WIZARD_EXPECT_LANGUAGE", expected, 32) > 0) {
    EXPECT_EQ(expected, language);
  }
  std::wstring title;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    title = TextOf(step1, L"lb_Title");
    Press(step1, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(0, record.head.languageId) << "the record keeps its language";
  EXPECT_EQ(StagedText(language, L"CorvilStep1", L"lb_Title->Caption"), title) << "user language " << GetUserDefaultLangID();
}

TEST_F(WizardTest, MissingSkinLibraryUiFileAndACorruptBackgroundStillLeaveAWorkingWizard) {
  DeleteFileW((tree_.FormsRoot() + L"Lustrea\\Lustrea.dll").c_str());
  DeleteFileW((tree_.PluginFolder() + L"UI_Step1.txt").c_str());
  tree_.WriteText(L"CorvilForm\\English\\CorvilStep1_Background.bmp", "BM truncated");
  host_.polls = {{1, 1, 0x2BCDE}};
  contract::WizardParams record = Record(kMouse);
  RECT window{};
  bool optionsHidden = false;
  const WizardRun run = Run(&record, [&] {
    HWND step1 = WaitStep(1);
    window = driver::WindowRect(step1);
    Press(step1, L"bt_NextStep");
    Press(WaitStep(3), L"bt_NextStep");
    HWND step4 = WaitStep(4);
    optionsHidden = !IsShown(step4, L"bt_OpenCorvilManager") && IsShown(step4, L"ed_DeviceID");
    Press(step4, L"bt_Exit");
  });
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(375, window.right - window.left) << "the designed size stands in for the unreadable picture";
  EXPECT_EQ(305, window.bottom - window.top);
  EXPECT_TRUE(optionsHidden) << "without UI_Step1.txt the multi-device options stay off";
  EXPECT_EQ(0x2BCDEu, record.deviceId);
}

}  // namespace
}  // namespace wizard_test
