// A short scripted tour of the pairing tool on the simulated receiver, for people without a display:
// it presses Pair as a user would, saves a screenshot of each moment and tells what happened.
// Usage: pairtool_tour <screenshot folder (Windows path)> <the same folder as the caller names it>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/pairtool/installation.h"

namespace {

class Tour {
 public:
  Tour(HWND window, std::wstring folder, std::string shownFolder)
      : window_(window), folder_(std::move(folder)), shownFolder_(std::move(shownFolder)) {}

  std::wstring Text(const wchar_t* name) { return driver::GetText(driver::FindComponent(window_, name)); }
  void Press(const wchar_t* name) {
    driver::Click(driver::FindComponent(window_, name), driver::Delivery::kPost);
  }
  bool WaitText(const wchar_t* name, const std::wstring& text) {
    return driver::WaitText(driver::FindComponent(window_, name), text, 20000);
  }
  void Say(const std::string& line) {
    std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
  }
  void Shot(const std::string& name) {
    Sleep(300);
    driver::WritePng(driver::CaptureWindow(window_), folder_ + std::wstring(name.begin(), name.end()));
    Say("    screenshot: " + shownFolder_ + "/" + name);
  }

 private:
  HWND window_;
  std::wstring folder_;
  std::string shownFolder_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pairtool_tour <screenshot folder> <folder as shown>\n");
    return 2;
  }
  std::string windowsFolder = argv[1];
  if (windowsFolder.back() != '\\') windowsFolder += '\\';
  CreateDirectoryA(windowsFolder.c_str(), nullptr);

  pairtool_test::Installation installation(L"tour");
  installation.SetScenario(
      "[Receiver]\n[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\n"
      "Device2=keyboard,0x2BCDE,after=3,session=2\n[RfInfo]\nExtra=0x11\n");
  std::printf("Pairing tool tour on a simulated receiver (a mouse 051234 and a keyboard 02BCDE are "
              "ready to pair)\n");
  driver::Process process(installation.Program(), L"");
  HWND window = driver::FindTopWindowOfProcess(process.Id(), L"PairForm");
  if (!window) {
    std::printf("  the pairing tool's window did not open\n");
    return 1;
  }
  Tour tour(window, std::wstring(windowsFolder.begin(), windowsFolder.end()), argv[2]);
  tour.Say("1. The window opens: \"" + driver::Utf8(tour.Text(L"lb_Title")) + "\"");
  tour.Shot("1-start.png");

  tour.Press(L"bt_Pair");
  driver::WaitUntil([&] { return !tour.Text(L"lb_Message").empty(); });
  tour.Say("2. Pair pressed: the receiver was found and is in pairing mode; the countdown shows \"" +
           driver::Utf8(tour.Text(L"lb_Message")) + "\"");
  tour.Shot("2-countdown.png");

  bool ok = tour.WaitText(L"le_MouseID", L"051234");
  driver::WaitUntil([&] { return tour.Text(L"lb_Message") == installation.EnglishText(L"PAIR_MouseOK"); }, 3000);
  tour.Say("3. The mouse answered: pairing code " + driver::Utf8(tour.Text(L"le_MouseID")) + ", \"" +
           driver::Utf8(tour.Text(L"lb_Message")) + "\"");
  tour.Shot("3-mouse-paired.png");

  tour.Press(L"bt_Pair");
  ok = tour.WaitText(L"le_KeybdID", L"02BCDE") && ok;
  driver::WaitUntil([&] { return tour.Text(L"lb_Message") == installation.EnglishText(L"PAIR_KeybdOK"); }, 3000);
  tour.Say("4. Pair pressed again, the keyboard answered: pairing code " + driver::Utf8(tour.Text(L"le_KeybdID")) +
           ", \"" + driver::Utf8(tour.Text(L"lb_Message")) + "\"");
  tour.Shot("4-keyboard-paired.png");

  tour.Press(L"bt_Close");
  DWORD exitCode = 0;
  process.WaitExit(10000, &exitCode);

  const auto page = installation.ConfigPage();
  char line[200];
  std::snprintf(line, sizeof line, "5. The receiver's configuration page afterwards (word 0x2700, bytes 228-240):");
  tour.Say(line);
  std::string bytes;
  for (int i = 228; i <= 240; ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X ", page[i]);
    bytes += hex;
  }
  tour.Say("   " + bytes);
  std::snprintf(line, sizeof line,
                "   mouse %02X%02X%02X (bytes 228-231), keyboard %02X%02X%02X (bytes 232-235), "
                "attribute flag %02X (byte 240)",
                page[228], page[231], page[230], page[232], page[235], page[234], page[240]);
  tour.Say(line);
  std::snprintf(line, sizeof line, "6. Closed with the close button; exit code %lu.", exitCode);
  tour.Say(line);
  return ok ? 0 : 1;
}
