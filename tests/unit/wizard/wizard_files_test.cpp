#include "plugins/wizard/core/wizard_files.h"

#include <gtest/gtest.h>

#include "framework/core/language.h"
#include "framework/core/text_codec.h"

namespace {

std::wstring Data(const std::wstring& relative) {
  return framework::DecodeUtf8(SUITE_TEST_DATA) + L"/wizard/" + relative;
}

const std::wstring kForms = Data(L"Forms/");
const std::wstring kPlugin = Data(L"Forms/CorvilForm/");

}  // namespace

TEST(WizardFiles, OptionsOnOnlyForOneInTheLanguageOrEnglishSection) {
  EXPECT_TRUE(wizard::MultiDeviceOptionsOn(kPlugin, L"English"));
  EXPECT_FALSE(wizard::MultiDeviceOptionsOn(kPlugin, L"German"));   // its own 0 wins over English
  EXPECT_TRUE(wizard::MultiDeviceOptionsOn(kPlugin, L"Russian"));   // no section: English
  EXPECT_FALSE(wizard::MultiDeviceOptionsOn(Data(L"Nowhere/CorvilForm/"), L"English"));
  EXPECT_FALSE(wizard::MultiDeviceOptionsOn(Data(L"OtherValues/CorvilForm/"), L"English"));  // "yes"
}

TEST(WizardFiles, ShowTypeFromTheLanguageThenEnglishElseMissing) {
  EXPECT_EQ(L"ID", wizard::DeviceDetailShowType(kPlugin, L"German"));
  EXPECT_EQ(L"Name", wizard::DeviceDetailShowType(kPlugin, L"Russian"));
  EXPECT_EQ(L"@@", wizard::DeviceDetailShowType(Data(L"Nowhere/CorvilForm/"), L"English"));
}

TEST(WizardFiles, DefaultNameTriesVariantThenLanguageThenEnglish) {
  EXPECT_EQ(L"Gerät ABC", wizard::DefaultDeviceName(kForms, L"German", L"ABC"));
  EXPECT_EQ(L"Gerät ABC", wizard::DefaultDeviceName(kForms, L"German", L" ABC "));  // trimmed
  EXPECT_EQ(L"Mein Gerät", wizard::DefaultDeviceName(kForms, L"German", L"XYZ"));
  EXPECT_EQ(L"Mein Gerät", wizard::DefaultDeviceName(kForms, L"German", L"   "));
  EXPECT_EQ(L"My device", wizard::DefaultDeviceName(kForms, L"Russian", L""));   // key missing there
  EXPECT_EQ(L"My device", wizard::DefaultDeviceName(kForms, L"Japanese", L""));  // no file at all
}

TEST(WizardFiles, NoDefaultNameAnywhereGivesAnEmptyNameNotTheMarker) {
  EXPECT_EQ(L"", wizard::DefaultDeviceName(Data(L"Nowhere/"), L"English", L""));
  EXPECT_EQ(L"", wizard::DefaultDeviceName(Data(L"OtherValues/"), L"German", L"ABC"));
}

TEST(WizardFiles, BitmapsComeFromTheLanguageFolderElseEnglish) {
  EXPECT_EQ(kPlugin + L"German\\CorvilForm_Background.bmp",
            wizard::FindBitmap(kPlugin, L"German", L"CorvilForm_Background.bmp"));
  EXPECT_EQ(kPlugin + L"English\\LogoTotem.bmp", wizard::FindBitmap(kPlugin, L"German", L"LogoTotem.bmp"));
  EXPECT_EQ(L"", wizard::FindBitmap(kPlugin, L"German", L"Missing.bmp"));
}

TEST(WizardFiles, TextVariantSectionOnlyWhenItHoldsAKey) {
  framework::LanguageTexts texts;
  texts.LoadLanguage(L"German", kForms);
  EXPECT_EQ(L"CorvilStep2.ABC", texts.ResolveSection(L"CorvilStep2", L"ABC"));
  EXPECT_EQ(L"CorvilStep2", texts.ResolveSection(L"CorvilStep2", L"EMPTY"));  // section without keys
  EXPECT_EQ(L"CorvilStep2", texts.ResolveSection(L"CorvilStep2", L"XYZ"));
  EXPECT_EQ(L"CorvilStep2", texts.ResolveSection(L"CorvilStep2", L""));
  EXPECT_EQ(L"Variante ABC", texts.GetText(L"CorvilStep2.ABC", L"lb_FirstNotes_Mouse1->Caption"));
}
