#include "plugins/wizard/core/chain.h"

#include <gtest/gtest.h>

#include "framework/core/language.h"

using wizard::ChainMove;
using wizard::NextMove;

TEST(WizardChain, GoesForwardThroughTheFourSteps) {
  EXPECT_EQ((ChainMove{2, 0}), NextMove(1, 4));
  EXPECT_EQ((ChainMove{3, 0}), NextMove(2, 4));
  EXPECT_EQ((ChainMove{4, 0}), NextMove(3, 4));
}

TEST(WizardChain, StepsTwoAndThreeLeadBackToStepOne) {
  EXPECT_EQ((ChainMove{1, 0}), NextMove(2, 5));
  EXPECT_EQ((ChainMove{1, 0}), NextMove(3, 1000));
  // Step 3's "back" code means nothing to step 2, and step 2's to step 3.
  EXPECT_EQ((ChainMove{0, 3}), NextMove(2, 1000));
  EXPECT_EQ((ChainMove{0, 3}), NextMove(3, 5));
}

TEST(WizardChain, StepFourEndsWithItsOutcomeOrThree) {
  EXPECT_EQ((ChainMove{0, 1}), NextMove(4, 1));
  EXPECT_EQ((ChainMove{0, 1001}), NextMove(4, 1001));
  EXPECT_EQ((ChainMove{0, 1002}), NextMove(4, 1002));
  EXPECT_EQ((ChainMove{0, 3}), NextMove(4, 3));
  EXPECT_EQ((ChainMove{0, 3}), NextMove(4, 4));  // "next" from the last step ends the wizard
  EXPECT_EQ((ChainMove{0, 3}), NextMove(4, 0));
}

TEST(WizardChain, CloseOrNoButtonEndsEveryStepWithThree) {
  for (int step = 1; step <= 3; ++step) {
    EXPECT_EQ((ChainMove{0, 3}), NextMove(step, 3)) << step;
    EXPECT_EQ((ChainMove{0, 3}), NextMove(step, 0)) << step;  // closed by Escape or Alt+F4
  }
  EXPECT_EQ((ChainMove{0, 3}), NextMove(1, 1));
  EXPECT_EQ((ChainMove{0, 3}), NextMove(0, 4));
}

TEST(WizardLanguage, ZeroTakesTheUsersLanguageOtherIdentifiersTheirOwn) {
  EXPECT_EQ(L"ChineseS", framework::LanguageNameFor(0, 0x0804));
  EXPECT_EQ(L"English", framework::LanguageNameFor(0x040A, 0x0804));  // traditional-sort Spanish
  EXPECT_EQ(L"Spanish", framework::LanguageNameFor(0x500A, 0x0804));
}
