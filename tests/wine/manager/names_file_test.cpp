// The device names file with the real Win32 file operations: a save replaces the file in one step
// (also while a reader holds it open), a later run reads the names back, and a damaged file reads
// as no names.
#include <gtest/gtest.h>

#include <windows.h>

#include "host/names/device_names.h"
#include "userfiles/win32/win32_user_files.h"
#include "tests/wine/driver/files.h"

namespace {

std::wstring Folder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"names-test\\Tandra\\";
  driver::DeleteTree(folder);
  RemoveDirectoryW(folder.c_str());
  return folder;
}

TEST(NamesFile, SavesReplaceTheFileAndSurviveANewRun) {
  const std::wstring folder = Folder();
  {
    host::DeviceNames names(userfiles::Win32FileOps(), folder);
    EXPECT_EQ(0u, names.Count());
    names.SetName(host::DeviceKind::kMouse, 0x51234, L"Desk mouse");
    ASSERT_TRUE(names.Save()) << "creates the Tandra folder too";
  }
  const std::wstring path = folder + L"DeviceNames.ini";
  // A reader holding the file (an editor, a virus scanner) may make a save fail (Wine refuses the
  // replace); the old file then stays whole, and the next save goes through.
  HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, reader);
  host::DeviceNames names(userfiles::Win32FileOps(), folder);
  EXPECT_EQ(L"Desk mouse", names.Name(host::DeviceKind::kMouse, 0x851234));
  names.SetName(host::DeviceKind::kKeyboard, 0x12345, L"Keys");
  const bool savedWhileRead = names.Save();
  CloseHandle(reader);
  if (!savedWhileRead) {
    EXPECT_EQ(L"Desk mouse", host::DeviceNames(userfiles::Win32FileOps(), folder).Name(host::DeviceKind::kMouse, 0x51234));
    EXPECT_TRUE(names.Save());
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((path + L".new").c_str()));
  host::DeviceNames again(userfiles::Win32FileOps(), folder);
  EXPECT_EQ(L"Keys", again.Name(host::DeviceKind::kKeyboard, 0x12345));
  EXPECT_EQ(L"Desk mouse", again.Name(host::DeviceKind::kMouse, 0x51234));
}

TEST(NamesFile, ADamagedFileGivesNoNames) {
  const std::wstring folder = Folder();
  ASSERT_TRUE(userfiles::Win32FileOps().makeFolder(folder));
  ASSERT_TRUE(driver::WriteFileBytes(folder + L"DeviceNames.ini", std::string(3000, '\x9C')));
  EXPECT_EQ(0u, host::DeviceNames(userfiles::Win32FileOps(), folder).Count());
}

TEST(NamesFile, TheUsersFolderIsBelowAppData) {
  const std::wstring folder = userfiles::UserFolder(L"Tandra");
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(L"\\Tandra\\", folder.substr(folder.size() - 8));
}

}  // namespace
