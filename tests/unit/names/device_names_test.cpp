// The per-user names file over an in-memory file system: round trips, damaged files, atomic saves,
// and what the host does with an accepted update.
#include <gtest/gtest.h>

#include <map>

#include "host/names/device_names.h"
#include "tests/unit/support/memory_files.h"

namespace {

using host::DeviceKind;
using host::DeviceNames;

constexpr wchar_t kFolder[] = L"C:\\Users\\me\\AppData\\Roaming\\Tandra\\";
const std::wstring kPath = std::wstring(kFolder) + L"DeviceNames.ini";

using testfiles::MemoryFiles;

host::TPairedDeviceTable Table() {
  host::TPairedDeviceTable table{};
  for (int slot = 0; slot < 5; ++slot) table.mouseIds[slot] = table.keyboardIds[slot] = 0xFFFFFF;
  return table;
}

void Name(uint16_t* units, const std::wstring& name) {
  for (int i = 0; i < 16; ++i) units[i] = i < static_cast<int>(name.size()) ? static_cast<uint16_t>(name[i]) : 0;
}

std::wstring NameIn(const uint16_t* units) {
  std::wstring name;
  for (int i = 0; i < 16 && units[i] != 0; ++i) name += static_cast<wchar_t>(units[i]);
  return name;
}

TEST(DeviceNames, NamesSurviveASaveAndALoadKeyedByKindAndCode) {
  MemoryFiles fs;
  {
    DeviceNames names(fs.Ops(), kFolder);
    EXPECT_EQ(0u, names.Count()) << "no file yet: empty names";
    names.SetName(DeviceKind::kMouse, 0x851234, L"Desk mouse");  // bit 23 is not part of the code
    names.SetName(DeviceKind::kKeyboard, 0x51234, L"Tastatur ü 鍵盤");
    ASSERT_TRUE(names.Save());
  }
  EXPECT_EQ(0u, fs.files.count(kPath + L".new")) << "the new file replaced the old one";
  const std::string& text = fs.files[kPath];
  EXPECT_NE(std::string::npos, text.find("[Mouse]\r\n051234=Desk mouse\r\n"));
  DeviceNames again(fs.Ops(), kFolder);
  EXPECT_EQ(L"Desk mouse", again.Name(DeviceKind::kMouse, 0x51234));
  EXPECT_EQ(L"Tastatur ü 鍵盤", again.Name(DeviceKind::kKeyboard, 0x51234));
  EXPECT_EQ(L"", again.Name(DeviceKind::kMouse, 0x51235));
}

TEST(DeviceNames, ADamagedFileGivesEmptyNamesAndKeepsWhatStillParses) {
  MemoryFiles fs;
  static const char kDamaged[] =
      "\x00\xFF\xFE garbage\n[Mouse]\n12=short key\nXYZXYZ=bad key\n02BCDE=Good\n02BCDF\n"
      "[Keyboard]\n0FFFFF=\xC3\n[Other]\n011111=ignored\n";
  fs.files[kPath] = std::string(kDamaged, sizeof(kDamaged) - 1);
  DeviceNames names(fs.Ops(), kFolder);
  EXPECT_EQ(1u, names.Count());
  EXPECT_EQ(L"Good", names.Name(DeviceKind::kMouse, 0x2BCDE));

  fs.files[kPath] = std::string(5000, '\xFF');
  EXPECT_EQ(0u, DeviceNames(fs.Ops(), kFolder).Count());
}

TEST(DeviceNames, AFailedSaveLeavesThePreviousFileWhole) {
  MemoryFiles fs;
  DeviceNames names(fs.Ops(), kFolder);
  names.SetName(DeviceKind::kMouse, 0x11111, L"First");
  ASSERT_TRUE(names.Save());
  const std::string before = fs.files[kPath];
  names.SetName(DeviceKind::kMouse, 0x22222, L"Second");
  fs.failWrites = true;
  EXPECT_FALSE(names.Save());
  EXPECT_EQ(before, fs.files[kPath]);
  EXPECT_EQ(0u, fs.files.count(kPath + L".new")) << "the torn new file is removed";
  fs.failWrites = false;
  fs.failReplace = true;
  EXPECT_FALSE(names.Save());
  EXPECT_EQ(before, fs.files[kPath]);
}

TEST(DeviceNames, WithoutAUserFolderNothingIsReadOrWritten) {
  MemoryFiles fs;
  fs.files[L"DeviceNames.ini"] = "[Mouse]\n011111=planted in the current folder\n";
  DeviceNames names(fs.Ops(), L"");
  EXPECT_EQ(0u, names.Count());
  names.SetName(DeviceKind::kMouse, 0x11111, L"Desk mouse");
  EXPECT_FALSE(names.Save());
  EXPECT_EQ(0, fs.writes);
}

TEST(DeviceNames, NamesAreCleanedAndCutToWhatASlotHolds) {
  MemoryFiles fs;
  DeviceNames names(fs.Ops(), kFolder);
  names.SetName(DeviceKind::kMouse, 0x11111, L"Line\r\nbreak=and a long tail");
  EXPECT_EQ(L"Linebreak=and a", names.Name(DeviceKind::kMouse, 0x11111));
  ASSERT_TRUE(names.Save());
  EXPECT_EQ(L"Linebreak=and a", DeviceNames(fs.Ops(), kFolder).Name(DeviceKind::kMouse, 0x11111));
  EXPECT_FALSE(names.SetName(DeviceKind::kMouse, 0x6EEEE, L"no device")) << "empty slots have no names";
}

TEST(DeviceNames, FillTableGivesPresentDevicesTheirNames) {
  MemoryFiles fs;
  DeviceNames names(fs.Ops(), kFolder);
  names.SetName(DeviceKind::kMouse, 0x11111, L"Desk mouse");
  names.SetName(DeviceKind::kKeyboard, 0x33333, L"Keys");
  host::TPairedDeviceTable table = Table();
  table.mouseIds[1] = 0x811111;  // switched off: still named
  table.keyboardIds[0] = 0x33333;
  names.FillTable(&table);
  EXPECT_EQ(L"Desk mouse", NameIn(table.mouseNames[1]));
  EXPECT_EQ(L"Keys", NameIn(table.keyboardNames[0]));
  EXPECT_EQ(L"", NameIn(table.mouseNames[0]));
}

TEST(DeviceNames, AnAcceptedUpdateSavesNewNamesAndForgetsRemovedDevices) {
  MemoryFiles fs;
  DeviceNames names(fs.Ops(), kFolder);
  names.SetName(DeviceKind::kKeyboard, 0x33333, L"Old keys");
  ASSERT_TRUE(names.Save());
  const int writesBefore = fs.writes;

  host::TPairedDeviceTable accepted = Table();
  accepted.mouseIds[0] = 0x11111;
  accepted.keyboardIds[0] = 0x33333;
  Name(accepted.keyboardNames[0], L"Old keys");
  host::TPairedDeviceTable wanted = accepted;
  EXPECT_TRUE(names.ApplyUpdate(accepted, wanted));
  EXPECT_EQ(writesBefore, fs.writes) << "nothing changed: nothing written";

  Name(wanted.mouseNames[0], L"Desk mouse");
  wanted.keyboardIds[0] = 0xFFFFFF;  // the keyboard was removed
  Name(wanted.keyboardNames[0], L"");
  EXPECT_TRUE(names.ApplyUpdate(accepted, wanted));
  DeviceNames reloaded(fs.Ops(), kFolder);
  EXPECT_EQ(L"Desk mouse", reloaded.Name(DeviceKind::kMouse, 0x11111));
  EXPECT_EQ(L"", reloaded.Name(DeviceKind::kKeyboard, 0x33333)) << "a removed device's name goes with it";

  // A device that only moved to another slot keeps its name.
  host::TPairedDeviceTable moved = wanted;
  moved.mouseIds[0] = 0xFFFFFF;
  Name(moved.mouseNames[0], L"");
  moved.mouseIds[2] = 0x11111;
  Name(moved.mouseNames[2], L"Desk mouse");
  EXPECT_TRUE(names.ApplyUpdate(wanted, moved));
  EXPECT_EQ(L"Desk mouse", DeviceNames(fs.Ops(), kFolder).Name(DeviceKind::kMouse, 0x11111));
}

}  // namespace
