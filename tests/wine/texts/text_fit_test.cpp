// Every visible text of the host's main window, the pairing tool's window, the wizard's steps, the
// device manager and the signal display fits its place in every language, measured under Wine with the fonts the suite renders with. Prints
// "texts checked, texts that fit" and lists every text that does not fit.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "forms/application.h"
#include "host/app/tandra_form.h"
#include "pairtool/app/pair_form.h"
#include "receiver/softcpu.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"
#include "tests/wine/host/host_installation.h"
#include "tests/wine/manager/fake_host.h"
#include "tests/wine/manager/manager_drive.h"
#include "tests/wine/texts/form_fit.h"
#include "tests/wine/wizard/fake_host.h"
#include "tests/wine/wizard/wizard_session.h"

namespace fit_test {
namespace {

struct Language {
  const wchar_t* name;
  uint16_t id;
};

const Language kLanguages[] = {{L"English", 0x0409},  {L"ChineseT", 0x0404}, {L"ChineseS", 0x0804},
                               {L"German", 0x0407},   {L"FrenchF", 0x040C},  {L"Italian", 0x0410},
                               {L"Japanese", 0x0411}, {L"Korean", 0x0412},   {L"Dutch", 0x0413},
                               {L"PortugueseP", 0x0816}, {L"Russian", 0x0419}, {L"Turkish", 0x041F},
                               {L"Spanish", 0x0C0A}};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Pictures of the windows whose texts run longest, for a person to look at:
// <build>/evidence/texts/<language>-<window>.png for Simplified Chinese, Russian and French.
void ShootIfShown(HWND window, const Language& language, const wchar_t* what) {
  const std::wstring name = language.name;
  if (name != L"ChineseS" && name != L"Russian" && name != L"FrenchF") return;
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"texts").c_str(), nullptr);
  Sleep(400);  // the skin paints after the controls
  EXPECT_TRUE(driver::WritePng(driver::CaptureWindow(window), folder + L"texts\\" + name + L"-" + what + L".png"));
}

void Report(const char* what, const Tally& tally) {
  std::printf("%s: %d texts checked, %d texts that fit\n", what, tally.checked, tally.fit);
  for (const std::string& misfit : tally.misfits) std::printf("  does not fit: %s\n", misfit.c_str());
  std::fflush(stdout);
}

// Both programs' windows, built in this process as the programs build them, over the staged tree.
TEST(TextFit, MainWindowAndPairingToolInTheirLanguages) {
  forms::Application::Initialize();
  const std::wstring stage = host_test::StageFolder();
  Tally host;
  for (const Language& language : kLanguages) {
    auto form = forms::MakeForm<hostapp::TTandraTechnology>(hostapp::FoldersOfProgram(stage), language.id);
    form->FireCreate();
    form->Show();
    CheckForm(form->Handle(), Narrow(language.name) + " main window", host);
    ShootIfShown(form->Handle(), language, L"main-window");
  }
  Report("Main window", host);
  EXPECT_EQ(host.checked, host.fit);
  EXPECT_GT(host.checked, 13 * 6);

  const usb::UsbPlatformOps noHub{};  // the window does not touch the receiver until Pair
  TSoftCpu cpu(noHub);
  Tally tool;
  for (const Language& language : {Language{L"English", 0x0409}, Language{L"ChineseT", 0x0404},
                                   Language{L"ChineseS", 0x0804}}) {
    auto form = forms::MakeForm<TPairForm>(cpu, stage, language.id);
    form->FireCreate();
    form->Show();
    CheckForm(form->Handle(), Narrow(language.name) + " pairing tool", tool);
  }
  Report("Pairing tool", tool);
  EXPECT_EQ(tool.checked, tool.fit);
  EXPECT_GT(tool.checked, 3 * 3);
}

// The step-2 countdown runs for a moment before the device answers, so that step 2 is seen.
void AnswerSoon(wizard_test::FakeHost& host, WPARAM type, LPARAM id) {
  host.polls.clear();
  for (int i = 0; i < 2; ++i) host.polls.push_back({1, static_cast<WPARAM>(-1), 0});
  host.polls.push_back({1, type, id});
}

// Steps 1 to 4 for a mouse with a slide switch and for a keyboard; step 2 for a push-button mouse.
TEST(TextFit, WizardStepsInEveryLanguage) {
  Tally tally;
  for (const Language& language : kLanguages) {
    using namespace wizard_test;
    FormsTree tree(std::wstring(L"fit-") + language.name, {language.name});
    WizardLibrary library(tree.PluginPath());
    ASSERT_TRUE(library.Loaded());
    FakeHost host;
    const std::string lang = Narrow(language.name);
    struct Flow {
      int32_t deviceType;
      const char* device;
      bool pushButton;
    };
    for (const Flow flow : {Flow{1, "mouse", false}, Flow{1, "push-button mouse", true}, Flow{2, "keyboard", false}}) {
      AnswerSoon(host, flow.deviceType, flow.deviceType == 1 ? 0x2BCDE : 0x12345);
      contract::WizardParams record = MakeRecord(language.id, host.Window(), flow.deviceType);
      RunWizard(library, &record, [&] {
        const std::string where = lang + " wizard (" + flow.device + ") step ";
        HWND step = WaitStep(1);
        if (flow.pushButton) Press(step, L"rb_MousePair_Type2");
        if (!flow.pushButton && flow.deviceType == 1) CheckForm(step, where + "1", tally);
        Press(step, L"bt_NextStep");
        step = WaitStep(2);
        Sleep(200);
        CheckForm(step, where + "2", tally);
        if (flow.pushButton) {
          Press(step, L"bt_Close");
          return;
        }
        step = WaitStep(3);
        CheckForm(step, where + "3", tally);
        if (flow.deviceType == 1) ShootIfShown(step, language, L"wizard-step3");
        Press(step, L"bt_NextStep");
        step = WaitStep(4);
        CheckForm(step, where + "4", tally);
        Press(step, L"bt_Exit");
      });
    }
  }
  Report("Wizard", tally);
  EXPECT_GT(tally.checked, 13 * 40);
  EXPECT_EQ(tally.checked, tally.fit);
}

TEST(TextFit, DeviceManagerInEveryLanguage) {
  using namespace manager_test;
  FormsCopy forms(L"fit");
  FakeHost host;
  for (int slot = 1; slot <= 5; ++slot) host.PutMouse(slot, 0x10000 + slot, L"Mouse name " + std::to_wstring(slot));
  for (int slot = 1; slot <= 4; ++slot) host.PutKeyboard(slot, 0x20000 + slot, L"Keyboard " + std::to_wstring(slot));
  Tally tally;
  for (const Language& language : kLanguages) {
    host.params.head.languageId = language.id;
    host.Open(forms.PluginPath(), [&](HWND form) {
      dialog_test::WaitShaped(form);
      CheckForm(form, Narrow(language.name) + " manager", tally);
      ShootIfShown(form, language, L"manager");
      ClickNow(form, L"bt_Cancel");
    });
  }
  Report("Device manager", tally);
  EXPECT_GT(tally.checked, 13 * 20);
  EXPECT_EQ(tally.checked, tally.fit);
}

TEST(TextFit, SignalDisplayInEveryLanguage) {
  using namespace gauge_test;
  Tally tally;
  for (const Language& language : kLanguages) {
    // Loaded for each form, as the host does: the display is shaped once per load.
    GaugeLibrary library;
    ASSERT_TRUE(library.Loaded());
    HostScript script;
    script.signals = {117, 118, 119};
    FakeHost host(script);
    contract::GaugeParams record = HostRecord(host.Handle(), 1, language.id);
    CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
      WaitShaped(display);
      driver::WaitUntil([&] { return !PanelText(display).empty(); });  // the first reading is shown
      CheckForm(display, Narrow(language.name) + " signal display", tally);
      ClickButton(display, L"bt_Exit");
    });
  }
  Report("Signal display", tally);
  EXPECT_EQ(tally.checked, 13 * 11);  // every text of the display, the reading too, in each language
  EXPECT_EQ(tally.checked, tally.fit);
}

}  // namespace
}  // namespace fit_test
