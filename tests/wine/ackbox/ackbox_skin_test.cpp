// The confirmation dialog on a damaged install and with a screen reader: each button stays visible,
// named and answers a real click, whatever became of its skin bitmap or the background.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/wine/ackbox/dialog_runner.h"
#include "tests/wine/ackbox/forms_tree.h"
#include "tests/wine/driver/accessible_names.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/driver/pointer_input.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/driver/skin_damage.h"

namespace ackbox_test {
namespace {

constexpr uint32_t kEnglish = 1033;
constexpr uint32_t kGerman = 1031;
constexpr wchar_t kMessage[] = L"No receiver was found.";

SIZE SizeOf(HWND window) {
  const RECT rect = driver::WindowRect(window);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring Wide(const char* text) { return std::wstring(text, text + strlen(text)); }

// What the driver thread saw of one button, and whether a real click at its centre reached it.
struct ButtonSeen {
  bool visible = false;
  SIZE size = {};
  bool shaped = false;
  std::wstring text;
  bool hitAtCentre = false;
};

ButtonSeen Look(HWND dialog, const wchar_t* name) {
  ButtonSeen seen;
  HWND button = Component(dialog, name);
  if (button == nullptr) return seen;
  seen.visible = IsWindowVisible(button) != FALSE;
  seen.size = SizeOf(button);
  seen.shaped = HasRegion(button);
  seen.text = driver::GetText(button);
  seen.hitAtCentre = driver::WindowAt(driver::CentreOf(button)) == button;
  return seen;
}

void PressWithTheMouse(HWND dialog, const wchar_t* name) {
  driver::ClickAt(driver::CentreOf(Component(dialog, name)));
}

struct DamageCase {
  const wchar_t* file;
  const wchar_t* button;
  SIZE designSize;
  driver::SkinDamage damage;
};

std::vector<DamageCase> DamageCases() {
  std::vector<DamageCase> cases;
  for (driver::SkinDamage damage : driver::AllSkinDamages()) {
    cases.push_back({L"OK.bmp", L"bt_OK", {77, 26}, damage});
    cases.push_back({L"WindowClose.bmp", L"bt_WindowClose", {21, 19}, damage});
  }
  return cases;
}

class DamagedAckbox : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedAckbox, BothButtonsStayVisibleNamedAndAnswerARealClick) {
  const DamageCase& c = GetParam();
  const std::wstring label = std::wstring(c.file).substr(0, wcslen(c.file) - 4) + L"-" +
                             Wide(driver::SkinDamageName(c.damage));
  const FormsTree tree(L"damaged-" + label);
  ASSERT_TRUE(driver::DamageSkinBitmap(tree.EnglishBitmap(c.file), c.damage));
  const bool okDamaged = std::wstring(c.button) == L"bt_OK";

  // Each button in turn, pressed with the mouse at its centre; loaded for each call, as callers do.
  for (const wchar_t* pressed : {L"bt_OK", L"bt_WindowClose"}) {
    Plugin plugin(tree.PluginPath());
    ASSERT_TRUE(plugin.Loaded());
    ButtonSeen damaged, intact;
    bool formShaped = false;
    driver::Capture capture;
    const DialogRun run = ShowDialog(plugin, kEnglish, kMessage, [&](HWND d) {
      formShaped = WaitShaped(d);
      Sleep(300);
      damaged = Look(d, c.button);
      intact = Look(d, okDamaged ? L"bt_WindowClose" : L"bt_OK");
      capture = driver::CaptureWindow(d);
      PressWithTheMouse(d, pressed);
    });
    EXPECT_TRUE(run.appeared);
    EXPECT_FALSE(run.forcedClosed) << "the mouse press did nothing";
    EXPECT_EQ(run.result, std::wstring(pressed) == L"bt_OK" ? 1 : 3) << pressed;
    EXPECT_TRUE(formShaped) << "the form stays skinned";
    EXPECT_TRUE(damaged.visible);
    EXPECT_EQ(damaged.size.cx, c.designSize.cx);
    EXPECT_EQ(damaged.size.cy, c.designSize.cy);
    EXPECT_FALSE(damaged.shaped);
    EXPECT_TRUE(damaged.hitAtCentre);
    EXPECT_FALSE(damaged.text.empty());
    EXPECT_TRUE(intact.shaped) << "the other button stays skinned";
    EXPECT_TRUE(intact.hitAtCentre);
    if (std::wstring(pressed) == L"bt_OK") {
      driver::WritePng(capture, EvidenceFolder() + L"ackbox-damaged-" + label + L".png");
    }
  }
}

std::string CaseName(const testing::TestParamInfo<DamageCase>& info) {
  std::string name;
  for (const wchar_t* p = info.param.file; *p && *p != L'.'; ++p) name += static_cast<char>(*p);
  for (const char* p = driver::SkinDamageName(info.param.damage); *p; ++p) {
    if (isalnum(static_cast<unsigned char>(*p))) name += *p;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachBitmapEachDamage, DamagedAckbox, testing::ValuesIn(DamageCases()), CaseName);

TEST(DamagedAckboxBackground, FormKeepsItsDesignSizeUnshapedAndItsButtonsWork) {
  for (driver::SkinDamage damage : driver::AllSkinDamages()) {
    const FormsTree tree(L"background-" + Wide(driver::SkinDamageName(damage)));
    ASSERT_TRUE(driver::DamageSkinBitmap(tree.EnglishBitmap(L"Ackbox_Background.bmp"), damage));
    Plugin plugin(tree.PluginPath());
    SIZE size = {};
    bool shaped = true;
    ButtonSeen ok;
    const DialogRun run = ShowDialog(plugin, kEnglish, kMessage, [&](HWND d) {
      Sleep(500);  // the first activation has run by now
      size = SizeOf(d);
      shaped = HasRegion(d);
      ok = Look(d, L"bt_OK");
      PressWithTheMouse(d, L"bt_OK");
    });
    const char* what = driver::SkinDamageName(damage);
    EXPECT_EQ(run.result, 1) << what;
    EXPECT_EQ(size.cx, 301) << what;
    EXPECT_EQ(size.cy, 153) << what;
    EXPECT_FALSE(shaped) << what;
    EXPECT_TRUE(ok.shaped) << what << ": the buttons stay skinned";
  }
}

// A plain 24-bit picture of one colour.
std::string PlainBitmap(int width, int height) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  std::string b(54 + stride * height, '\0');
  const auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  std::fill(b.begin() + 54, b.end(), '\xF0');
  return b;
}

TEST(SmallerAckboxBackground, IsKeptWhenTheControlsAreLaidOutInsideIt) {
  const FormsTree tree(L"smaller-background");
  ASSERT_TRUE(driver::WriteFileBytes(tree.EnglishBitmap(L"Ackbox_Background.bmp"), PlainBitmap(270, 140)));
  // The layout file moves the close button inside the narrower picture.
  const std::wstring layout = L"\xFEFF[English]\r\nbt_WindowClose->Position=rectwh,240,15,21,19\r\n";
  ASSERT_TRUE(driver::WriteFileBytes(tree.PluginFolder() + L"UI.txt",
                                     std::string(reinterpret_cast<const char*>(layout.data()),
                                                 layout.size() * sizeof(wchar_t))));
  Plugin plugin(tree.PluginPath());
  SIZE size = {};
  const DialogRun run = ShowDialog(plugin, kEnglish, kMessage, [&](HWND d) {
    Sleep(300);
    size = SizeOf(d);
    ClickButton(d, L"bt_OK");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(270, size.cx);
  EXPECT_EQ(140, size.cy);
}

TEST(AckboxNames, EveryButtonIsNamedInEnglishAndGerman) {
  const FormsTree tree(L"names");
  for (const auto& [id, language] : {std::pair<uint32_t, const wchar_t*>{kEnglish, L"English"},
                                     std::pair<uint32_t, const wchar_t*>{kGerman, L"German"}}) {
    Plugin plugin(tree.PluginPath());
    std::vector<std::wstring> unnamed{L"(not looked at)"};
    std::wstring close, ok;
    const DialogRun run = ShowDialog(plugin, id, kMessage, [&](HWND d) {
      WaitShaped(d);
      unnamed = driver::UnnamedButtons(d);
      close = driver::GetText(Component(d, L"bt_WindowClose"));
      ok = driver::GetText(Component(d, L"bt_OK"));
      ClickButton(d, L"bt_OK");
    });
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(unnamed, std::vector<std::wstring>()) << language;
    EXPECT_EQ(ok, L"OK");
    const std::wstring expected = StagedText(language, L"SkinNames", L"WindowClose");
    ASSERT_FALSE(expected.empty()) << language;
    EXPECT_EQ(close, expected) << language;
  }
}

}  // namespace
}  // namespace ackbox_test
