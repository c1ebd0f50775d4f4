// Every caption drawn into a skin or pairing-tool bitmap, in every language, at its design size:
// the generator shrinks a caption that does not fit its cell, by up to two pixels on one line or
// onto two lines two pixels smaller, as designed; any smaller means the text is too long for its
// button and must be shortened. The generator records what it drew (caption-fit.txt).
#ifdef SUITE_CAPTION_FIT
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(CaptionFit, EveryBitmapCaptionIsDrawnAtItsDesignSize) {
  std::ifstream file(SUITE_CAPTION_FIT);
  ASSERT_TRUE(file.good()) << SUITE_CAPTION_FIT;
  int checked = 0, fit = 0;
  std::string line, misfits;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string where, size, base, lines, caption;
    if (!std::getline(fields, where, '\t') || !std::getline(fields, size, '\t') || !std::getline(fields, base, '\t') ||
        !std::getline(fields, lines, '\t') || !std::getline(fields, caption)) {
      ADD_FAILURE() << "malformed line: " << line;
      continue;
    }
    ++checked;
    if (std::stoi(size) >= std::stoi(base) - 2) {
      ++fit;
    } else {
      misfits += "  " + where + " \"" + caption + "\": drawn at " + size + " px, designed for " + base + " px\n";
    }
  }
  std::printf("Bitmap captions: %d texts checked, %d texts that fit\n%s", checked, fit, misfits.c_str());
  EXPECT_GT(checked, 13 * 14);
  EXPECT_EQ(checked, fit) << misfits;
}

}  // namespace
#endif  // SUITE_CAPTION_FIT
