// The paired-device manager's part of the scripted tour (picked up by scripts/host-demo.sh): the host
// with two mice and a keyboard paired, the manager opened from its button, a mouse switched off and
// renamed, the keyboard removed after the question, OK, and the configuration page afterwards; a
// screenshot of each moment and of both question dialogs.
// Usage: manager_tour <screenshot folder (Windows path)> <the same folder as the caller names it>
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

#include "receiver/config_slots.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/manager/manager_drive.h"

namespace {

using host_test::HostInstallation;
using host_test::HostRun;

std::wstring folder;
std::string shown;

void Say(const std::string& line) {
  std::printf("  %s\n", line.c_str());
  std::fflush(stdout);
}

void Shot(HWND window, const std::string& name) {
  if (window == nullptr) return;
  manager_test::Screenshot(window, folder + std::wstring(name.begin(), name.end()));
  Say("    screenshot: " + shown + "/" + name);
}

std::array<uint8_t, 256> PageWith(uint32_t mouse0, uint32_t mouse1, uint32_t keyboard0) {
  host::ConfigPageWords words;
  words.fill(0xFFFF);
  host::PutSlotValue(&words, host::SlotKind::kMouse, 0, mouse0);
  host::PutSlotValue(&words, host::SlotKind::kMouse, 1, mouse1);
  host::PutSlotValue(&words, host::SlotKind::kKeyboard, 0, keyboard0);
  std::array<uint8_t, 256> page{};
  for (size_t k = 0; k < words.size(); ++k) {
    page[2 * k] = static_cast<uint8_t>(words[k] & 0xFF);
    page[2 * k + 1] = static_cast<uint8_t>(words[k] >> 8);
  }
  return page;
}

std::string SlotText(uint32_t value) {
  if ((value & 0x7FFFF) == 0x7FFFF) return "free";
  char text[32];
  std::snprintf(text, sizeof(text), "%06X%s", value & 0x7FFFF, (value & 0x800000) ? " (switched off)" : "");
  return text;
}

// The manager is idle again after an action that sent an update.
void Settle() { Sleep(700); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: manager_tour <screenshot folder> <shown folder>\n");
    return 2;
  }
  const std::string folderArg = argv[1];
  folder = std::wstring(folderArg.begin(), folderArg.end()) + L"\\";
  shown = argv[2];

  std::printf("Manager tour: the paired-device manager through the host\n");
  HostInstallation installation(L"tour-manager");
  installation.SetScenario("[Receiver]\nGeneration=104\n", 1);
  installation.SetConfigPage(PageWith(0x51234, 0x2A0F3, 0x2BCDE));
  HostRun host(installation);
  if (!host.Started()) {
    std::printf("  the host's main window did not appear\n");
    return 1;
  }
  const DWORD pid = host.Process().Id();
  host.Press(L"bt_OpenCorvilManager");
  HWND manager = manager_test::WaitWindow(pid, L"FCorvilManager", 15000);
  if (manager == nullptr) {
    std::printf("  the manager did not open\n");
    return 1;
  }
  Say("Two mice and a keyboard paired; the manager opened from the host:");
  Shot(manager, "manager-01-opened.png");

  manager_test::ClickNow(manager, L"ck_MouseEnable2");
  Settle();
  Say("The second mouse switched off (it stays paired, marked off in the receiver):");
  Shot(manager, "manager-02-mouse-off.png");

  manager_test::ClickLabel(manager, L"lb_MouseName2");
  HWND querent = manager_test::WaitWindow(pid, L"FQuerent");
  if (querent != nullptr) {
    driver::SetText(driver::FindComponent(querent, L"ed_Text"), L"Presenter");
    Say("Renaming it: the text input (at most 14 characters):");
    Shot(querent, "manager-03-rename-dialog.png");
  }
  manager_test::Answer(pid, L"FQuerent", L"bt_OK", L"Presenter");
  Settle();
  Shot(manager, "manager-04-renamed.png");

  manager_test::ClickLater(manager, L"bt_KeyboardRemove1");
  HWND question = manager_test::WaitWindow(pid, L"FNotabox");
  Say("Removing the keyboard asks first:");
  Shot(question, "manager-05-remove-question.png");
  manager_test::Answer(pid, L"FNotabox", L"bt_Yes");
  Settle();
  Shot(manager, "manager-06-keyboard-removed.png");

  manager_test::ClickLater(manager, L"bt_OK");
  driver::WaitUntil([&] { return !IsWindow(manager) || !IsWindowVisible(manager); });
  host.WaitIdle(5000);
  Say("OK closes the manager; every change reached the receiver when it was made.");
  host.Press(L"bt_Close");
  host.ExitCode();
  std::printf("The receiver's configuration page now holds:\n");
  for (int slot = 0; slot < 5; ++slot) {
    std::printf("  mouse slot %d: %-18s keyboard slot %d: %s\n", slot, SlotText(installation.MouseSlot(slot)).c_str(),
                slot, SlotText(installation.KeyboardSlot(slot)).c_str());
  }
  return 0;
}
