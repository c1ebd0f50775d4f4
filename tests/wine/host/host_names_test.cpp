// What a screen reader finds on the host's main window: its buttons show their captions only in
// their skin bitmaps, and carry the same texts as window texts, in the user's language.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/driver/accessible_names.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/host/host_installation.h"
#include "tests/wine/host/host_session.h"

namespace {

using host_test::HostInstallation;
using host_test::HostRun;

std::wstring LanguageName() {
  switch (GetUserDefaultLangID()) {
    case 0x0411: return L"Japanese";
    case 0x0407: return L"German";
    default: return L"English";
  }
}

TEST(HostNames, EveryButtonOfTheMainWindowIsNamedAsItsBitmapShows) {
  const std::wstring language = LanguageName();
  HostInstallation installation(L"names-" + language);
  installation.SetScenario("[Receiver]\nGeneration=104\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  driver::WaitUntil([&] { return !driver::GetText(host.Component(L"bt_Close")).empty(); }, 5000);
  EXPECT_EQ(driver::UnnamedButtons(host.Window()), std::vector<std::wstring>());
  const struct {
    const wchar_t* button;
    const wchar_t* section;
    const wchar_t* key;
  } named[] = {
      {L"bt_NewCorvilProcess", L"SkinCaptions", L"NewCorvilProc"},
      {L"bt_OpenCorvilManager", L"SkinCaptions", L"CorvilManager"},
      {L"bt_OpenWavegauge", L"SkinCaptions", L"Wavegauge"},
      {L"bt_Close", L"SkinNames", L"WindowClose"},
  };
  for (const auto& n : named) {
    std::wstring expected = installation.Text(language, n.section, n.key);
    if (expected.empty()) expected = installation.Text(L"English", n.section, n.key);
    // A caption split over two lines in the bitmap reads as one line.
    for (size_t at; (at = expected.find(L"\\\\\\\\")) != std::wstring::npos;) expected.erase(at, 4);
    ASSERT_FALSE(expected.empty()) << n.key;
    EXPECT_EQ(driver::GetText(host.Component(n.button)), expected) << n.button;
  }
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

}  // namespace
