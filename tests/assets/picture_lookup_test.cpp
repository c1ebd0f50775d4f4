// The installed tree leaves out every picture a lookup finds elsewhere: for every form in every
// language, each skin slot and each picture of the form must still come, through the lookups the
// programs use, to the same bytes as in the tree the generator writes with every copy.
//
//   picture_lookup_test <forms root with every copy> <installed forms root>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "framework/core/file_io.h"
#include "framework/core/language.h"
#include "plugins/wizard/core/wizard_files.h"
#include "skin/core/slot_table.h"

namespace {

namespace fs = std::filesystem;

std::wstring g_reference;  // forms root, every copy
std::wstring g_installed;  // forms root, as staged and installed

struct FormSkin {
  std::wstring form;
  skin::SlotTable table;
  bool sharedFolder;
};

// What each form's skin engine is built with (skin/lustrea/form_skins.cpp, the manager's and the
// dialogs' forms).
std::vector<FormSkin> FormSkins() {
  return {
      {L"CorvilMaintain", skin::LustreaSlotTable(), true}, {L"CorvilForm", skin::LustreaSlotTable(), true},
      {L"Wavegauge", skin::LustreaSlotTable(), true},      {L"CorvilManager", skin::ManagerSlotTable(), true},
      {L"Ackbox", skin::DialogSlotTable(), false},          {L"Notabox", skin::DialogSlotTable(), false},
      {L"Querent", skin::DialogSlotTable(), false},
  };
}

// A picture's bytes in a form a failure message can print.
std::string Digest(const std::optional<std::string>& bytes) {
  if (!bytes) return "no file";
  return std::to_string(bytes->size()) + " bytes, hash " + std::to_string(std::hash<std::string>()(*bytes));
}

// The bytes the first existing candidate holds; a plan's candidates are relative to the form's folder,
// which is the current directory when the engine loads.
std::optional<std::string> FirstExisting(const std::wstring& formFolder, const std::vector<std::wstring>& candidates) {
  for (const std::wstring& candidate : candidates) {
    const std::wstring path = framework::JoinPath(formFolder, candidate);
    if (framework::FileExists(path)) return framework::ReadFileBytes(path);
  }
  return std::nullopt;
}

// How the forms found their pictures before anything was shared: language folder, then English.
std::optional<std::string> CompleteFolderLookup(const std::wstring& formFolder, const std::wstring& language,
                                                const std::wstring& file) {
  return FirstExisting(formFolder, {language + L"\\" + file, std::wstring(framework::kEnglish) + L"\\" + file});
}

std::set<std::wstring> SubfolderNames(const std::wstring& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(fs::path(folder)))
    if (entry.is_directory()) names.insert(entry.path().filename().wstring());
  return names;
}

std::set<std::wstring> PicturesOf(const std::wstring& formFolder) {
  std::set<std::wstring> names;
  for (const std::wstring& language : SubfolderNames(formFolder))
    for (const auto& entry : fs::directory_iterator(fs::path(formFolder + L"/" + language)))
      if (entry.path().extension() == ".bmp" || entry.path().extension() == ".ico")
        names.insert(entry.path().filename().wstring());
  return names;
}

std::string Narrow(const std::wstring& text) { return fs::path(text).string(); }

TEST(PictureLookup, EveryFormFindsTheSamePicturesInEveryLanguage) {
  ASSERT_FALSE(g_reference.empty()) << "usage: picture_lookup_test <every-copy forms root> <installed forms root>";
  std::set<std::wstring> languages;
  for (const FormSkin& skin : FormSkins())
    for (const std::wstring& language : SubfolderNames(g_reference + L"/" + skin.form)) languages.insert(language);
  ASSERT_GE(languages.size(), 13u);

  int checked = 0;
  for (const FormSkin& skin : FormSkins()) {
    const std::wstring reference = g_reference + L"/" + skin.form + L"/";
    const std::wstring installed = g_installed + L"/" + skin.form + L"/";
    std::set<std::wstring> slotFiles;
    for (const skin::SlotFile& entry : skin.table) slotFiles.insert(entry.file);
    std::set<std::wstring> libraryFiles;  // skin files some other form's table reads, this one not
    for (const skin::SlotFile& entry : skin::LustreaSlotTable()) libraryFiles.insert(entry.file);

    for (const std::wstring& language : languages) {
      const skin::SlotPlan plan =
          skin::LanguageFolderPlan(skin.table, language, skin.sharedFolder ? skin::kSharedSkinFolder : L"");
      for (const skin::SlotSource& slot : plan) {
        const std::wstring file = skin.table[&slot - plan.data()].file;
        EXPECT_EQ(Digest(CompleteFolderLookup(reference, language, file)),
                  Digest(FirstExisting(installed, slot.candidates)))
            << Narrow(skin.form + L" " + language + L" slot " + std::to_wstring(slot.slot) + L" " + file);
        ++checked;
      }
      for (const std::wstring& file : PicturesOf(reference)) {
        if (slotFiles.count(file) || libraryFiles.count(file)) continue;
        const std::wstring found = wizard::FindBitmap(installed, language, file);
        EXPECT_EQ(Digest(CompleteFolderLookup(reference, language, file)),
                  Digest(found.empty() ? std::nullopt : framework::ReadFileBytes(found)))
            << Narrow(skin.form + L" " + language + L" " + file);
        ++checked;
      }
    }
  }
  std::printf("checked %d pictures of %zu forms in %zu languages\n", checked, FormSkins().size(), languages.size());
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc == 3) {
    g_reference = fs::path(argv[1]).wstring();
    g_installed = fs::path(argv[2]).wstring();
  }
  return RUN_ALL_TESTS();
}
