// Factory content, the image file and its persistence across receivers.
#include <gtest/gtest.h>

#include <memory>

#include "tests/unit/simulator/sim_test_util.h"

using simtest::ProgramWord;
using simtest::Send;
using simtest::WordInImage;

namespace {

sim::Receiver OfGeneration(int generation) {
  sim::Scenario scenario;
  scenario.generation = generation;
  return sim::Receiver(scenario);
}

TEST(SimFactory, GenerationWords) {
  EXPECT_EQ(0xA4, OfGeneration(104).Word(0x058F) >> 8);

  sim::Receiver g38 = OfGeneration(38);
  EXPECT_NE(0xA4, g38.Word(0x058F) >> 8);
  EXPECT_EQ(0xA438, g38.Word(0x2701));
  EXPECT_EQ(0xA437, OfGeneration(37).Word(0x2701));

  sim::Receiver none = OfGeneration(sim::kNoGeneration);
  EXPECT_NE(0xA4, none.Word(0x058F) >> 8);
  EXPECT_NE(0xA4, none.Word(0x2701) >> 8);
}

TEST(SimFactory, ConfigPageIsErasedApartFromTheGenerationWord) {
  const std::array<uint8_t, 256> page = OfGeneration(38).ConfigPage();
  for (int i = 0; i < 256; ++i) {
    if (i == 2 || i == 3) continue;
    EXPECT_EQ(0xFF, page[i]) << "byte " << i;
  }
  EXPECT_EQ(0x38, page[2]);
  EXPECT_EQ(0xA4, page[3]);
}

TEST(SimFactory, FreshReceiverShowsEeInMouseSlotZero) {
  sim::Scenario scenario;
  scenario.mouseSlot0Fresh = true;
  sim::Receiver r(scenario);
  EXPECT_EQ(0x00EE, r.Word(0x2772));
  EXPECT_EQ(0xEEEE, r.Word(0x2773));
  EXPECT_EQ(0xFFFF, r.Word(0x2774));
}

class SimImage : public testing::Test {
 protected:
  void WriteScenario(const std::string& extra = "") {
    simtest::WriteFile(scenarioPath_, "[Receiver]\nGeneration=38\nFlashImage=" + files_.Name("flash.bin") +
                                          "\n" + extra);
  }
  sim::Receiver* Open() {
    sim::Receiver* r = nullptr;
    std::string error;
    EXPECT_TRUE(sim::Receiver::Open(scenarioPath_, &r, &error)) << error;
    opened_.emplace_back(r);
    return r;
  }

  simtest::ScratchFiles files_;
  const std::string scenarioPath_ = files_.Path("scenario.ini");
  const std::string imagePath_ = files_.Path("flash.bin");
  std::vector<std::unique_ptr<sim::Receiver>> opened_;
};

TEST_F(SimImage, MissingImageIsCreatedFromTheFactoryContent) {
  WriteScenario();
  ASSERT_NE(nullptr, Open());
  const std::string image = simtest::ReadFile(imagePath_);
  ASSERT_EQ(131072u, image.size());
  EXPECT_EQ(0xA438, WordInImage(image, 0x2701));
  EXPECT_EQ(0xFFFF, WordInImage(image, 0x2772));
}

TEST_F(SimImage, EveryFlashChangeIsSavedAtOnce) {
  WriteScenario();
  sim::Receiver* r = Open();
  ASSERT_TRUE(Send(*r, 0xBF01, 1));
  ASSERT_TRUE(Send(*r, 0xB502, 0x2700));
  EXPECT_EQ(0xFFFF, WordInImage(simtest::ReadFile(imagePath_), 0x2701));
  ASSERT_TRUE(ProgramWord(*r, 0x2773, 0x1234));
  const std::string image = simtest::ReadFile(imagePath_);
  EXPECT_EQ(0x34, static_cast<uint8_t>(image[2 * 0x2773]));
  EXPECT_EQ(0x12, static_cast<uint8_t>(image[2 * 0x2773 + 1]));
  EXPECT_FALSE(simtest::FileExists(imagePath_ + ".tmp"));
}

TEST_F(SimImage, NextReceiverStartsFromTheSavedImage) {
  WriteScenario();
  sim::Receiver* first = Open();
  ASSERT_TRUE(ProgramWord(*first, 0x4000, 0xBEEF));
  ASSERT_TRUE(Send(*first, 0xB502, 0x0580));  // wipes the generation word
  sim::Receiver* second = Open();
  EXPECT_EQ(0xBEEF, second->Word(0x4000));
  EXPECT_EQ(0xFFFF, second->Word(0x058F));
  EXPECT_EQ(0xA438, second->Word(0x2701));
}

TEST_F(SimImage, WrongSizeIsAnErrorNamingTheFile) {
  WriteScenario();
  simtest::WriteFile(imagePath_, std::string(131071, '\xFF'));
  sim::Receiver* r = nullptr;
  std::string error;
  EXPECT_FALSE(sim::Receiver::Open(scenarioPath_, &r, &error));
  EXPECT_EQ(nullptr, r);
  EXPECT_NE(std::string::npos, error.find(imagePath_)) << error;
  EXPECT_NE(std::string::npos, error.find("131071")) << error;
  EXPECT_EQ(131071u, simtest::ReadFile(imagePath_).size()) << "the bad image is left as it was";

  simtest::WriteFile(imagePath_, std::string(131073, '\xFF'));
  EXPECT_FALSE(sim::Receiver::Open(scenarioPath_, &r, &error));
}

TEST_F(SimImage, CompleteTemporaryImageLeftByAnInterruptedSaveIsTakenOver) {
  std::string image(131072, '\xFF');
  image[2 * 0x10] = 0x42;
  simtest::WriteFile(imagePath_ + ".tmp", image);
  WriteScenario();
  sim::Receiver* r = Open();
  EXPECT_EQ(0xFF42, r->Word(0x10));
  EXPECT_FALSE(simtest::FileExists(imagePath_ + ".tmp"));
}

}  // namespace
