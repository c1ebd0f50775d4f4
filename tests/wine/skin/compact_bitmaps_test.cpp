// The staged 8-bit bitmaps (run-length compressed or not) give both of the suite's bitmap readers
// exactly the pixels of the same picture stored 24-bit: the forms layer's (backgrounds, and through
// their image the window outlines) and the skin's.
//
//   compact_bitmaps_test <staged tree> <the same tree generated with --24-bit>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/bitmap.h"
#include "skin/win32/dib_bitmap.h"
#include "tests/wine/driver/files.h"

namespace {

std::wstring g_stage;
std::wstring g_reference;

// Relative paths of every .bmp below folder (with a trailing backslash).
void FindBitmaps(const std::wstring& folder, const std::wstring& relative, std::vector<std::wstring>& found) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + relative + L"*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      FindBitmaps(folder, relative + name + L"\\", found);
    } else if (name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".bmp") == 0) {
      found.push_back(relative + name);
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

int BitsPerPixel(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  unsigned char header[30] = {};
  DWORD got = 0;
  ReadFile(file, header, sizeof(header), &got, nullptr);
  CloseHandle(file);
  return got == sizeof(header) ? header[28] | (header[29] << 8) : 0;
}

TEST(CompactBitmaps, BothReadersSeeTheSamePixelsAsIn24Bit) {
  ASSERT_FALSE(g_stage.empty()) << "usage: compact_bitmaps_test <staged tree> <24-bit tree>";
  std::vector<std::wstring> bitmaps;
  FindBitmaps(g_stage, L"", bitmaps);
  int compact = 0;
  for (const std::wstring& file : bitmaps) {
    if (BitsPerPixel(g_stage + file) != 8) continue;
    ++compact;
    const std::string name(file.begin(), file.end());
    ASSERT_EQ(24, BitsPerPixel(g_reference + file)) << name;
    forms::Bitmap formsStaged, formsReference;
    ASSERT_EQ(forms::LoadResult::kOk, formsStaged.LoadFromFile(g_stage + file)) << name;
    ASSERT_EQ(forms::LoadResult::kOk, formsReference.LoadFromFile(g_reference + file)) << name;
    skin::DibBitmap skinStaged, skinReference;
    ASSERT_TRUE(skinStaged.LoadFromFile(g_stage + file)) << name;
    ASSERT_TRUE(skinReference.LoadFromFile(g_reference + file)) << name;
    ASSERT_EQ(formsReference.Width(), formsStaged.Width()) << name;
    ASSERT_EQ(formsReference.Height(), formsStaged.Height()) << name;
    int formsDiffer = 0, skinDiffers = 0;
    for (int y = 0; y < formsReference.Height(); ++y) {
      for (int x = 0; x < formsReference.Width(); ++x) {
        formsDiffer += formsStaged.Pixel(x, y) != formsReference.Pixel(x, y);
        skinDiffers += skinStaged.PixelColour(x, y) != skinReference.PixelColour(x, y);
      }
    }
    EXPECT_EQ(0, formsDiffer) << name << ": pixels the forms layer reads differently";
    EXPECT_EQ(0, skinDiffers) << name << ": pixels the skin reads differently";
  }
  std::printf("%d of %zu staged bitmaps are 8-bit; both readers see their 24-bit pixels\n", compact,
              bitmaps.size());
  EXPECT_GT(compact, 0);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc == 3) {
    g_stage = driver::HostFolder(argv[1]);
    g_reference = driver::HostFolder(argv[2]);
  }
  return RUN_ALL_TESTS();
}
