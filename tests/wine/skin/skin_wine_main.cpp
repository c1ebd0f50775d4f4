// skin_wine_tests <built Lustrea.dll> <folder for screenshots>
// Unix paths (as CMake passes them) are reached through Wine's drive Z:.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "skin_test_support.h"

namespace {

std::wstring WindowsPath(const char* path) {
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(wide.size() - 1);
  for (wchar_t& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return !wide.empty() && wide[0] == L'\\' ? L"Z:" + wide : wide;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: skin_wine_tests <Lustrea.dll> <screenshot folder>\n");
    return 2;
  }
  skintest::OutputFolder() = WindowsPath(argv[2]) + L"\\";
  if (!skintest::TestFolder().Create(WindowsPath(argv[1]))) {
    std::fprintf(stderr, "cannot prepare the skin folder\n");
    return 2;
  }
  skintest::LustreaDll& dll = skintest::Dll();
  dll.module = LoadLibraryW(skintest::TestFolder().Path(L"Lustrea\\Lustrea.dll").c_str());
  if (dll.module != nullptr) {
    // Through void*: FARPROC has no parameters, the exports do.
    dll.newLustrea = reinterpret_cast<skintest::NewLustreaFn>(
        reinterpret_cast<void*>(GetProcAddress(dll.module, "New_Lustrea")));
    dll.activeLustrea = reinterpret_cast<skintest::ActiveLustreaFn>(
        reinterpret_cast<void*>(GetProcAddress(dll.module, "Active_Lustrea")));
  }
  if (dll.newLustrea == nullptr || dll.activeLustrea == nullptr) {
    std::fprintf(stderr, "cannot load Lustrea.dll or its exports\n");
    return 2;
  }
  const int result = RUN_ALL_TESTS();
  std::fflush(stdout);
  return result;
}
