// The pairing tool as a user meets it on a damaged install, with a screen reader, and from the
// keyboard: every button stays visible, named and reachable.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/ini_file.h"
#include "tests/wine/driver/accessible_names.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/pointer_input.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/driver/skin_damage.h"
#include "tests/wine/pairtool/installation.h"

namespace {

using pairtool_test::Installation;

std::wstring Language() {
  wchar_t value[64] = L"";
  return GetEnvironmentVariableW(L"PAIRTOOL_LANGUAGE", value, 64) ? value : L"English";
}

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }

bool HasRegion(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(window, region) != ERROR;
  DeleteObject(region);
  return has;
}

SIZE SizeOf(HWND window) {
  const RECT rect = driver::WindowRect(window);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// A text of the installed language file of the tool.
std::wstring InstalledText(const Installation& installation, const std::wstring& section, const std::wstring& key) {
  return framework::IniFile::Open(installation.Folder() + L"data\\" + Language() + L".txt")
      .ReadString(section, key, L"");
}

class RunningTool {
 public:
  explicit RunningTool(const Installation& installation) : process_(installation.Program(), L"") {
    window_ = driver::FindTopWindowOfProcess(process_.Id(), L"PairForm");
    // Shown, activated and cut to its outline: the first activation shapes it.
    if (window_ != nullptr) driver::WaitUntil([&] { return IsWindowVisible(window_) && HasRegion(window_); });
    Sleep(300);
  }
  HWND Window() const { return window_; }
  HWND Component(const wchar_t* name) const { return driver::FindComponent(window_, name); }
  driver::Process& Process() { return process_; }
  void Screenshot(const std::wstring& name) const {
    Sleep(300);
    driver::WritePng(driver::CaptureWindow(window_), pairtool_test::EvidenceFolder() + name + L".png");
  }
  // The screen's pixel at a point of a component.
  COLORREF PixelOf(HWND component, int x, int y) const {
    const RECT form = driver::WindowRect(window_), control = driver::WindowRect(component);
    return driver::CaptureWindow(window_).Pixel(control.left - form.left + x, control.top - form.top + y);
  }

 private:
  driver::Process process_;
  HWND window_ = nullptr;
};

struct DamageCase {
  const wchar_t* file;
  const wchar_t* button;  // the button drawn from that file
  SIZE designSize;
  driver::SkinDamage damage;
};

std::vector<DamageCase> DamageCases() {
  std::vector<DamageCase> cases;
  for (driver::SkinDamage damage : driver::AllSkinDamages()) {
    cases.push_back({L"EnglishPair.bmp", L"bt_Pair", {90, 25}, damage});
    cases.push_back({L"MouseA_WindowClose.bmp", L"bt_Close", {20, 20}, damage});
  }
  return cases;
}

class DamagedPairTool : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedPairTool, EveryButtonStaysVisibleNamedAndAnswersARealClick) {
  const DamageCase& c = GetParam();
  const std::wstring stem = std::wstring(c.file).substr(0, wcslen(c.file) - 4);
  const std::wstring label = stem + L"-" + Wide(driver::SkinDamageName(c.damage));
  Installation installation(L"damaged-" + label);
  ASSERT_TRUE(driver::DamageSkinBitmap(installation.Folder() + L"data\\" + c.file, c.damage));
  RunningTool tool(installation);
  ASSERT_NE(tool.Window(), nullptr) << "the tool did not start";
  ASSERT_TRUE(tool.Process().Running());
  EXPECT_TRUE(HasRegion(tool.Window())) << "the form itself stays shaped";

  HWND damaged = tool.Component(c.button);
  HWND intact = tool.Component(std::wstring(c.button) == L"bt_Pair" ? L"bt_Close" : L"bt_Pair");
  ASSERT_NE(damaged, nullptr);
  ASSERT_NE(intact, nullptr);
  EXPECT_TRUE(IsWindowVisible(damaged));
  EXPECT_EQ(SizeOf(damaged).cx, c.designSize.cx);
  EXPECT_EQ(SizeOf(damaged).cy, c.designSize.cy);
  EXPECT_FALSE(HasRegion(damaged)) << "the standard button is not cut";
  EXPECT_TRUE(HasRegion(intact)) << "the other button stays skinned and shaped";
  EXPECT_GT(SizeOf(intact).cx, 0);
  // Drawn as the standard button with its name as caption.
  EXPECT_EQ(driver::GetText(tool.Component(L"bt_Pair")), InstalledText(installation, L"SkinCaptions", L"Pair"));
  EXPECT_EQ(driver::GetText(tool.Component(L"bt_Close")), InstalledText(installation, L"SkinNames", L"WindowClose"));
  tool.Screenshot(L"pairtool-damaged-" + label);

  // A real press at the centre of each button: the system's hit testing finds the button there.
  HWND pair = tool.Component(L"bt_Pair");
  ASSERT_EQ(driver::WindowAt(driver::CentreOf(pair)), pair);
  ASSERT_TRUE(driver::ClickAt(driver::CentreOf(pair)));
  EXPECT_TRUE(driver::WaitUntil([&] { return !driver::GetText(tool.Component(L"lb_Message")).empty(); }, 5000))
      << "the Pair press started nothing";
  HWND close = tool.Component(L"bt_Close");
  ASSERT_EQ(driver::WindowAt(driver::CentreOf(close)), close);
  ASSERT_TRUE(driver::ClickAt(driver::CentreOf(close)));
  DWORD exitCode = 1;
  EXPECT_TRUE(tool.Process().WaitExit(5000, &exitCode)) << "the close press did not end the tool";
}

std::string CaseName(const testing::TestParamInfo<DamageCase>& info) {
  std::string name;
  for (const wchar_t* p = info.param.file; *p && *p != L'.'; ++p) {
    if (iswalnum(*p)) name += static_cast<char>(*p);
  }
  for (const char* p = driver::SkinDamageName(info.param.damage); *p; ++p) {
    if (isalnum(static_cast<unsigned char>(*p))) name += *p;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachBitmapEachDamage, DamagedPairTool, testing::ValuesIn(DamageCases()), CaseName);

// The install a user reported: both skin bitmaps cut to their first 100 bytes.
TEST(DamagedInstall, BothBitmapsCutShortStillLeaveAToolThatPairsAndCloses) {
  Installation installation(L"damaged-install");
  for (const wchar_t* file : {L"EnglishPair.bmp", L"MouseA_WindowClose.bmp"}) {
    ASSERT_TRUE(driver::DamageSkinBitmap(installation.Folder() + L"data\\" + file, driver::SkinDamage::kTruncated));
  }
  RunningTool tool(installation);
  ASSERT_NE(tool.Window(), nullptr);
  HWND pair = tool.Component(L"bt_Pair"), close = tool.Component(L"bt_Close");
  EXPECT_EQ(SizeOf(pair).cx, 90);
  EXPECT_EQ(SizeOf(pair).cy, 25);
  EXPECT_EQ(SizeOf(close).cx, 20);
  EXPECT_EQ(SizeOf(close).cy, 20);
  tool.Screenshot(L"pairtool-damaged-install");
  ASSERT_TRUE(driver::ClickAt(driver::CentreOf(pair)));
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::GetText(tool.Component(L"lb_Message")).find(L"15") == 0; }, 5000))
      << "the countdown of a pairing run starts";
  ASSERT_TRUE(driver::ClickAt(driver::CentreOf(close)));
  DWORD exitCode = 1;
  EXPECT_TRUE(tool.Process().WaitExit(5000, &exitCode));
}

TEST(PairToolNames, EveryButtonIsNamedInTheToolsLanguage) {
  Installation installation(L"names-" + Language());
  RunningTool tool(installation);
  ASSERT_NE(tool.Window(), nullptr);
  EXPECT_EQ(driver::UnnamedButtons(tool.Window()), std::vector<std::wstring>());
  const std::wstring pair = InstalledText(installation, L"SkinCaptions", L"Pair");
  ASSERT_FALSE(pair.empty());
  EXPECT_EQ(driver::GetText(tool.Component(L"bt_Pair")), pair);
  EXPECT_EQ(driver::GetText(tool.Component(L"bt_Close")), InstalledText(installation, L"SkinNames", L"WindowClose"));
  if (Language() != L"English") EXPECT_NE(pair, L"Pair") << "named in the tool's own language";
  // The names are for screen readers: the bitmap still shows the only caption.
  tool.Screenshot(L"pairtool-named-" + Language());
}

// Tab as the user presses it: a real key press through the system's input queue, to the tool's
// foreground window.
void PressTab(HWND window) {
  HWND focus = driver::FocusedWindow(window);
  SetForegroundWindow(window);
  driver::PressKey(VK_TAB);
  driver::WaitUntil([&] { return driver::FocusedWindow(window) != focus; }, 2000);
}

TEST(PairToolKeyboard, TabWalksTheControlsAndTheFocusedButtonShowsItsCue) {
  Installation installation(L"keyboard");
  RunningTool tool(installation);
  ASSERT_NE(tool.Window(), nullptr);
  HWND pair = tool.Component(L"bt_Pair"), close = tool.Component(L"bt_Close");
  ASSERT_EQ(driver::FocusedWindow(tool.Window()), pair) << "the tool starts on Pair";
  const COLORREF closeUnfocused = tool.PixelOf(close, 3, 3);

  // Pair, then the two pairing codes, then the close button, and round to Pair again.
  std::vector<std::wstring> order;
  for (int i = 0; i < 4; ++i) {
    PressTab(tool.Window());
    HWND focus = driver::FocusedWindow(tool.Window());
    std::wstring name = driver::ComponentName(focus);
    if (name.empty()) name = driver::ComponentName(GetParent(focus));
    order.push_back(name);
    if (focus == close) {
      driver::WaitUntil([&] { return tool.PixelOf(close, 3, 3) != closeUnfocused; }, 2000);
      const COLORREF cue = tool.PixelOf(close, 3, 3);
      EXPECT_NE(cue, closeUnfocused);
      EXPECT_TRUE(cue == RGB(0xF2, 0xA9, 0x00) || cue == RGB(0x10, 0x26, 0x3F)) << std::hex << cue;
      EXPECT_EQ(tool.PixelOf(close, 4, 3), closeUnfocused) << "a dotted ring";
      tool.Screenshot(L"pairtool-focus-after-tab");
    }
  }
  EXPECT_EQ(order, (std::vector<std::wstring>{L"le_MouseID", L"le_KeybdID", L"bt_Close", L"bt_Pair"}));
  EXPECT_TRUE(driver::WaitUntil([&] { return tool.PixelOf(close, 3, 3) == closeUnfocused; }, 2000))
      << "the cue leaves with the focus";
}

}  // namespace
