// Every language's texts fit the manager's columns (nothing runs into the next control), and thirty
// openings of the manager, each with a change, leave the process's GDI and window counts as they were.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/manager/fake_host.h"
#include "tests/wine/manager/manager_drive.h"

namespace manager_test {
namespace {

RECT RectOf(HWND form, const std::wstring& name) {
  const RECT outer = driver::WindowRect(form);
  RECT rect = driver::WindowRect(driver::FindComponent(form, name));
  OffsetRect(&rect, -outer.left, -outer.top);
  return rect;
}

struct Language {
  uint16_t id;
  const char* name;
};

const Language kLanguages[] = {{1033, "English"}, {1028, "ChineseT"}, {2052, "ChineseS"}, {1031, "German"},
                               {1036, "FrenchF"}, {1040, "Italian"},  {1041, "Japanese"}, {1042, "Korean"},
                               {1043, "Dutch"},   {2070, "PortugueseP"}, {1049, "Russian"}, {1055, "Turkish"},
                               {3082, "Spanish"}};

TEST(ManagerLayout, EveryLanguageFitsItsColumns) {
  FormsCopy forms(L"layout");
  FakeHost host;
  for (int slot = 1; slot <= 5; ++slot) {
    host.PutMouse(slot, 0x10000 + slot, L"Mouse name " + std::to_wstring(slot));
    host.PutKeyboard(slot, 0x20000 + slot, L"Keyboard no " + std::to_wstring(slot));
  }
  for (const Language& language : kLanguages) {
    host.params.head.languageId = language.id;
    std::vector<std::string> problems;
    host.Open(forms.PluginPath(), [&](HWND f) {
      dialog_test::WaitShaped(f);
      // Left to right, each must end before the next begins.
      auto ordered = [&](std::initializer_list<const wchar_t*> names, int rightEdge) {
        const wchar_t* previous = nullptr;
        LONG end = 0;
        for (const wchar_t* name : names) {
          const RECT r = RectOf(f, name);
          if (previous != nullptr && r.left < end) {
            problems.push_back(std::string(previous, previous + wcslen(previous)) + " runs into " +
                               std::string(name, name + wcslen(name)));
          }
          previous = name;
          end = r.right;
        }
        if (end > rightEdge) problems.push_back("the last of a row passes the edge");
      };
      ordered({L"lb_PenColor", L"lb_MouseStatus", L"lb_MouseRemoveID", L"lb_MouseID", L"lb_MouseName"}, 540);
      ordered({L"lb_KeyboardStatus", L"lb_KeyboardRemoveID", L"lb_KeyboardID", L"lb_KeyboardName"}, 540);
      for (int slot = 1; slot <= 5; ++slot) {
        const std::wstring n = std::to_wstring(slot);
        const std::wstring pen = L"lb_MousePen" + n, ck = L"ck_MouseEnable" + n, status = L"lb_MouseActivate" + n,
                           remove = L"bt_MouseRemove" + n, id = L"lb_MouseID" + n, name = L"lb_MouseName" + n;
        ordered({pen.c_str(), ck.c_str(), status.c_str(), remove.c_str(), id.c_str(), name.c_str()}, 540);
      }
      ordered({L"rb_DisplayMouseText", L"lb_DisplayMouseText"}, 340);
      ordered({L"rb_DisplayColorCircle", L"lb_DisplayColorCircle"}, 340);
      ordered({L"rb_Undisplay", L"lb_Undisplay"}, 340);
      ordered({L"lb_DisplayMouseNameType"}, 340);
      ordered({L"lb_Title"}, 510);
      ClickNow(f, L"bt_OK");
    });
    EXPECT_TRUE(problems.empty()) << language.name << ": " << (problems.empty() ? "" : problems.front());
  }
}

TEST(ManagerLeaks, ThirtyOpeningsWithAChangeEachLeakNothing) {
  FormsCopy forms(L"leaks");
  FakeHost host;
  host.PutMouse(1, 0x11111, L"Main");
  host.PutMouse(2, 0x22222, L"Spare");
  auto cycle = [&] {
    const dialog_test::DialogRun run = host.Open(forms.PluginPath(), [](HWND f) {
      dialog_test::WaitShaped(f);
      ClickNow(f, L"ck_MouseEnable2");
      ClickNow(f, L"bt_OK");
    });
    return run.appeared && !run.forcedClosed && run.result == 2;
  };
  ASSERT_TRUE(cycle()) << "warm-up";
  const driver::GdiCounts before = driver::CountGdiObjects();
  const int windowsBefore = driver::CountProcessWindows();
  int failed = 0;
  for (int i = 0; i < 30; ++i) {
    if (!cycle()) ++failed;
  }
  const driver::GdiCounts after = driver::CountGdiObjects();
  const int windowsAfter = driver::CountProcessWindows();
  std::printf("CorvilManager: GDI %d -> %d (bitmaps %d -> %d, regions %d -> %d), windows %d -> %d\n", before.total,
              after.total, before.bitmaps, after.bitmaps, before.regions, after.regions, windowsBefore, windowsAfter);
  std::fflush(stdout);
  EXPECT_EQ(0, failed);
  EXPECT_EQ(before.total, after.total);
  EXPECT_EQ(windowsBefore, windowsAfter);
  EXPECT_EQ(31u, host.inserts.size());
}

}  // namespace
}  // namespace manager_test
