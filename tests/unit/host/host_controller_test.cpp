// The host main window's decisions against a simulated receiver behind the device-access binding,
// with a view that records what the user would see and which windows got which answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "host/main/host_controller.h"
#include "host/main/host_texts.h"
#include "host/main/single_copy.h"
#include "receiver/config_slots.h"
#include "receiver/receiver_protocol.h"
#include "tests/unit/host/receiver_fixture.h"
#include "tests/unit/support/memory_files.h"

namespace hosttest {
namespace {

constexpr host::RequestMessages kMessages{0xC101, 0xC102, 0xC103, 0xC104, 0xC105};

struct Posted {
  host::WindowRef window;
  int32_t type;
  uint32_t id;
};

class RecordingView : public host::HostView {
 public:
  std::wstring Text(const std::wstring& key) override {
    const auto text = texts.find(key);
    return text != texts.end() ? text->second : L"<" + key + L">";
  }
  void ShowMessage(const std::wstring& text) override { shown.push_back(text); }
  void CloseMainWindow() override { ++closes; }
  void ProcessMessages() override {}
  void Sleep(uint32_t) override {}
  void SetPairingButtonsEnabled(bool enabled) override { buttons.push_back(enabled); }
  void PostReturnId(host::WindowRef window, int32_t type, uint32_t id) override {
    posted.push_back({window, type, id});
  }
  void SendRfInfo(host::WindowRef window, uint32_t channel, uint32_t signal) override {
    rfAnswers.push_back({window, static_cast<int32_t>(channel), signal});
  }
  void SendDeviceRemove(host::WindowRef window) override { removed.push_back(window); }
  bool CallWizard(contract::WizardParams* record, int32_t* result) override {
    calls.push_back(L"wizard");
    if (!wizardPresent) return false;
    wizardRecords.push_back(*record);
    if (onWizard) onWizard(record);
    *result = wizardResults.empty() ? 1 : wizardResults.front();
    if (!wizardResults.empty()) wizardResults.erase(wizardResults.begin());
    return true;
  }
  bool CallManager(contract::TCorvilManagerParams* record, int32_t* result) override {
    calls.push_back(L"manager");
    if (!managerPresent) return false;
    managerRecord = *record;
    managerTables[0] = *record->tables;
    managerTables[1] = *record->secondTable;
    if (onManager) onManager(record);
    *result = 2;
    return true;
  }
  bool CallGauge(contract::GaugeParams* record, int32_t* result) override {
    calls.push_back(L"gauge");
    gaugeRecord = *record;
    *result = 0;
    return true;
  }

  std::map<std::wstring, std::wstring> texts;  // keys not here read "<key>"
  bool wizardPresent = true;
  bool managerPresent = true;
  std::vector<int32_t> wizardResults;
  std::function<void(contract::WizardParams*)> onWizard;
  std::function<void(contract::TCorvilManagerParams*)> onManager;

  std::vector<std::wstring> shown;
  std::vector<std::wstring> calls;
  std::vector<bool> buttons;
  std::vector<Posted> posted;
  std::vector<Posted> rfAnswers;
  std::vector<host::WindowRef> removed;
  std::vector<contract::WizardParams> wizardRecords;
  contract::TCorvilManagerParams managerRecord{};
  host::TPairedDeviceTable managerTables[2]{};
  contract::GaugeParams gaugeRecord{};
  int closes = 0;
};

class HostControllerTest : public ReceiverFixture {
 protected:
  void Start() {
    Connect();
    controller = std::make_unique<host::HostController>(*library, view, kMessages, 0x0409);
    controller->SetWait([](uint32_t) {});
    controller->SetHostWindow(0x1234);
  }
  intptr_t Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
    intptr_t result = 0x7777;
    EXPECT_TRUE(controller->HandleMessage(message, wParam, lParam, &result));
    return result;
  }
  int Erases() const {
    int n = 0;
    for (const auto& record : receiver->Log()) n += record.wValue == receiver::CMD_ERASE_PAGE;
    return n;
  }

  RecordingView view;
  std::unique_ptr<host::HostController> controller;
};

TEST_F(HostControllerTest, ReceiverCheckAcceptsGeneration38AndLaterAndNamesEveryRefusal) {
  for (int generation : {104, 38}) {
    scenario.generation = generation;
    Start();
    EXPECT_TRUE(controller->CheckReceiver()) << generation;
    EXPECT_TRUE(view.shown.empty());
  }
  scenario.generation = 37;
  Start();
  EXPECT_FALSE(controller->CheckReceiver());
  EXPECT_FALSE(controller->ReceiverUsable());
  ASSERT_EQ(1u, view.shown.size());
  // An old receiver is plugged in: saying that none was found would send the user looking.
  EXPECT_EQ(L"<DongleNotSupported>", view.shown[0]);
}

// Pulled out 40 transfers after the erase of a mouse store: the page is blank, its generation word
// gone with it. Plugged in again, the next check completes the store before it reads the
// generation, tells the user which devices the receiver holds again, and the receiver is usable.
TEST_F(HostControllerTest, ReceiverCheckCompletesARewriteCutOffBeforeTheGenerationCheck) {
  scenario.generation = 38;  // kept in the configuration page itself
  scenario.unplugAfterErase = 40;
  Start();
  testfiles::MemoryFiles files;
  controller->SetJournalStore(files.Ops(), testfiles::kUserFolder);
  view.texts = {{L"RecoveredMouse", L"Mice: %s"}, {L"RecoveredKeyboard", L"Keyboards: %s"}};
  SetSlot(114, 0x11111);
  SetSlot(116, 0x22222);
  ASSERT_TRUE(controller->CheckReceiver());
  EXPECT_FALSE(host::StoreMouse(controller->Quarn(), 0x51234, 0x80, 0x11, [](uint32_t) {}));
  EXPECT_EQ(0xFFFF, PageWord(1));  // the generation word is erased
  EXPECT_EQ(1u, files.files.size());

  receiver->PlugIn();
  EXPECT_TRUE(controller->CheckReceiver());
  ASSERT_EQ(1u, view.shown.size());
  EXPECT_EQ(L"<PageRecovered>\nMice: 011111, 051234\nKeyboards: 022222", view.shown[0]);
  EXPECT_EQ(0xA438, PageWord(1));
  EXPECT_TRUE(files.files.empty());
  // Told once: the next check finds nothing to settle.
  EXPECT_TRUE(controller->CheckReceiver());
  EXPECT_EQ(1u, view.shown.size());
}

// The program stopped mid-write; started again, it settles the record as soon as its window shows,
// without a button, and says nothing when there was nothing to settle.
TEST_F(HostControllerTest, StartSettlesARecordAnEarlierRunLeft) {
  scenario.generation = 38;
  Start();
  testfiles::MemoryFiles files;
  controller->SetJournalStore(files.Ops(), testfiles::kUserFolder);
  controller->SettleAtStart();
  EXPECT_TRUE(view.shown.empty());

  view.texts = {{L"RecoveredMouse", L"Mice: %s"}};
  receiver::JournalRecord record;
  record.original = receiver->ConfigPage();
  record.intended = record.original;
  for (const int k : {114, 32, 40, 48}) {  // four mice: more than a line of codes holds
    record.intended[2 * k] = 0x05;
    record.intended[2 * k + 2] = static_cast<uint8_t>(k);
  }
  receiver::PageJournal(files.Ops(), testfiles::kUserFolder).Open(record);
  for (int k = 0; k < 32; ++k) SetSlot(2 * k, 0xFFFFFFFF);  // erased, half the page
  controller->SettleAtStart();
  ASSERT_EQ(1u, view.shown.size());
  EXPECT_EQ(L"<PageRecovered>\nMice: 4", view.shown[0]);
  EXPECT_EQ(record.intended, receiver->ConfigPage());
}

TEST_F(HostControllerTest, ReceiverCheckCountsNoneSeveralAndAMissingLibrary) {
  scenario.generation = 104;
  Start();
  fake->receivers = 0;
  EXPECT_FALSE(controller->CheckReceiver());
  fake->receivers = 2;
  EXPECT_FALSE(controller->CheckReceiver());
  fake->missingExports.insert("GetUsbDeviceFromHub");
  EXPECT_FALSE(controller->CheckReceiver());
  EXPECT_EQ((std::vector<std::wstring>{L"<NoDongleExists>", L"<MultipleDongle>",
                                       L"<DeviceLibraryMissing>"}),
            view.shown);
}

TEST_F(HostControllerTest, EveryButtonOpensNothingWithoutAReceiver) {
  scenario.generation = 104;
  Start();
  fake->receivers = 0;
  controller->NewPairing();
  controller->OpenManager();
  controller->OpenSignalDisplay();
  EXPECT_TRUE(view.calls.empty());
  EXPECT_EQ(3u, view.shown.size());
  EXPECT_EQ(0, view.closes);
}

TEST_F(HostControllerTest, WizardResultsChain) {
  scenario.generation = 104;
  Start();
  // 1001 and 1000 run the check and the wizard again; 1002 opens the manager between disabled
  // buttons; the chain then ends without closing.
  view.wizardResults = {1001, 1000, 1002};
  controller->NewPairing();
  EXPECT_EQ((std::vector<std::wstring>{L"wizard", L"wizard", L"wizard", L"manager"}), view.calls);
  EXPECT_EQ((std::vector<bool>{false, true}), view.buttons);
  EXPECT_EQ(0, view.closes);

  // Any other result closes the program.
  view.calls.clear();
  view.wizardResults = {1};
  controller->NewPairing();
  EXPECT_EQ(1, view.closes);
  view.wizardResults = {3};
  controller->NewPairing();
  EXPECT_EQ(2, view.closes);
}

TEST_F(HostControllerTest, WizardRecordCarriesTheHeadAndRemembersTheChosenType) {
  scenario.generation = 104;
  Start();
  view.onWizard = [](contract::WizardParams* record) { record->deviceType = contract::kKeyboard; };
  view.wizardResults = {1001, 1};
  controller->NewPairing();
  ASSERT_EQ(2u, view.wizardRecords.size());
  const contract::WizardParams& first = view.wizardRecords[0];
  EXPECT_EQ(0x0409, first.head.languageId);
  EXPECT_EQ(0u, first.head.textVariant[0]);
  EXPECT_EQ(0x1234u, first.head.hostWindow);
  EXPECT_EQ(0u, first.deviceId);
  EXPECT_EQ(0, first.deviceType);
  EXPECT_EQ(contract::kMouse, first.previousDeviceType);
  EXPECT_EQ(contract::kKeyboard, view.wizardRecords[1].previousDeviceType);
}

TEST_F(HostControllerTest, AMissingPlugInIsReportedAndTheWindowStays) {
  scenario.generation = 104;
  Start();
  view.wizardPresent = false;
  view.managerPresent = false;
  controller->NewPairing();
  controller->OpenManager();
  EXPECT_EQ((std::vector<std::wstring>{L"<PluginMissing>", L"<PluginMissing>"}), view.shown);
  EXPECT_EQ(0, view.closes);
}

TEST_F(HostControllerTest, PairingPollPostsNothingYetThenStoresTheMouseBeforePosting) {
  scenario.generation = 104;
  sim::ScriptedDevice mouse;
  mouse.kind = sim::DeviceKind::kMouse;
  mouse.id = 0x2BCDE;
  mouse.after = 2;
  scenario.devices.push_back(mouse);
  Start();
  ASSERT_TRUE(controller->CheckReceiver());
  EXPECT_EQ(1, Send(kMessages.pairStart));
  EXPECT_EQ(1, Send(kMessages.pairGetId, 0x99));
  ASSERT_EQ(1u, view.posted.size());
  EXPECT_EQ(0x99u, view.posted[0].window);
  EXPECT_EQ(-1, view.posted[0].type);
  EXPECT_EQ(0u, view.posted[0].id);

  EXPECT_EQ(1, Send(kMessages.pairGetId, 0x99));
  ASSERT_EQ(2u, view.posted.size());
  EXPECT_EQ(contract::kMouse, view.posted[1].type);
  EXPECT_EQ(0x2BCDEu, view.posted[1].id);
  EXPECT_EQ(0x2BCDE, controller->Quarn().ReadMouseSlot(0) & 0x7FFFF);
  EXPECT_EQ(1, Send(kMessages.pairStop));
  EXPECT_FALSE(receiver->InPairingMode());
}

TEST_F(HostControllerTest, ARefusedPollAnswersZeroAndPostsNothing) {
  scenario.generation = 104;
  scenario.refusedCommands.push_back(receiver::CMD_READ_RECORD);
  Start();
  ASSERT_TRUE(controller->CheckReceiver());
  EXPECT_EQ(0, Send(kMessages.pairGetId, 0x99));
  EXPECT_TRUE(view.posted.empty());
}

// A keyboard that reports at once, and its slot neither erases nor programs: a page holding it never
// reads back as written.
sim::ScriptedDevice KeyboardWhoseSlotSticks(sim::Scenario& scenario) {
  scenario.stuckWords.push_back(
      static_cast<uint16_t>(0x2700 + host::SlotFirstWord(host::SlotKind::kKeyboard, 0) + 1));
  sim::ScriptedDevice keyboard;
  keyboard.kind = sim::DeviceKind::kKeyboard;
  keyboard.id = 0x12345;
  return keyboard;
}

TEST_F(HostControllerTest, AStoreThatDoesNotVerifyIsToldAfterTheWizard) {
  scenario.generation = 104;
  scenario.devices.push_back(KeyboardWhoseSlotSticks(scenario));
  Start();
  view.onWizard = [this](contract::WizardParams*) {
    Send(kMessages.pairStart);
    EXPECT_EQ(0, Send(kMessages.pairGetId, 0x99));
    EXPECT_TRUE(view.posted.empty());
  };
  view.wizardResults = {3};
  controller->NewPairing();
  EXPECT_EQ(std::vector<std::wstring>{L"<DeviceNotStored>"}, view.shown);
  EXPECT_FALSE(receiver->InPairingMode()) << "the wizard sends no stop after a failed store";
}

TEST_F(HostControllerTest, AFailedStoreFollowedByAGoodOneIsNotReported) {
  scenario.generation = 104;
  sim::ScriptedDevice mouse;
  mouse.id = 0x2BCDE;
  mouse.session = 2;
  scenario.devices = {KeyboardWhoseSlotSticks(scenario), mouse};
  Start();
  view.onWizard = [this](contract::WizardParams*) {
    Send(kMessages.pairStart);
    EXPECT_EQ(0, Send(kMessages.pairGetId, 0x99));
    Send(kMessages.pairStart);  // the user tries again
    EXPECT_EQ(1, Send(kMessages.pairGetId, 0x99));
    Send(kMessages.pairStop);
  };
  view.wizardResults = {3};
  controller->NewPairing();
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(0x2BCDE, controller->Quarn().ReadMouseSlot(0) & 0x7FFFF);
}

TEST_F(HostControllerTest, AFullListNamesTheDeviceThatWasReplaced) {
  scenario.generation = 104;
  sim::ScriptedDevice keyboard;
  keyboard.kind = sim::DeviceKind::kKeyboard;
  keyboard.id = 0x0ABCD;
  scenario.devices.push_back(keyboard);
  Start();
  for (int n = 0; n < 5; ++n) SetSlot(host::SlotFirstWord(host::SlotKind::kKeyboard, n), 0x01000 + n);
  view.onWizard = [this](contract::WizardParams*) {
    Send(kMessages.pairStart);
    EXPECT_EQ(1, Send(kMessages.pairGetId, 0x99));
    Send(kMessages.pairStop);
  };
  view.wizardResults = {1};
  controller->NewPairing();
  // The receiver keeps five: slot 0 went to the new keyboard.
  EXPECT_EQ(0x0ABCD, controller->Quarn().ReadKeyboardSlot(0) & 0x7FFFF);
  EXPECT_EQ(std::vector<std::wstring>{L"<DeviceReplaced>"}, view.shown);
}

TEST_F(HostControllerTest, ManagerGetsTwoTablesReadFromTheReceiver) {
  scenario.generation = 104;
  Start();
  SetSlot(host::SlotFirstWord(host::SlotKind::kMouse, 1), 0x051234);
  controller->OpenManager();
  ASSERT_EQ(std::vector<std::wstring>{L"manager"}, view.calls);
  EXPECT_EQ(1, view.managerRecord.receiverCount);
  EXPECT_EQ(0, view.managerRecord.selectedReceiver);
  EXPECT_EQ(1, view.managerRecord.displayMode);
  EXPECT_EQ(0x051234, view.managerTables[0].mouseIds[1]);
  EXPECT_EQ(0x051234, view.managerTables[1].mouseIds[1]);
}

TEST_F(HostControllerTest, InsertWritesOnlyWhenAnIdentifierDiffers) {
  scenario.generation = 104;
  Start();
  ASSERT_TRUE(controller->CheckReceiver());
  SetSlot(host::SlotFirstWord(host::SlotKind::kMouse, 0), 0x011111);
  host::TPairedDeviceTable accepted{};
  host::ReadDeviceList(controller->Quarn(), &accepted);
  host::TPairedDeviceTable wanted = accepted;
  wanted.mouseNames[0][0] = u'D';
  contract::TCorvilManagerParams before{}, after{};
  before.tables = &accepted;
  after.tables = &wanted;

  const int erasesBefore = Erases();
  EXPECT_EQ(0, Send(kMessages.managerInsert, reinterpret_cast<uintptr_t>(&before),
                    reinterpret_cast<intptr_t>(&after)));
  EXPECT_EQ(erasesBefore, Erases());

  wanted.mouseIds[0] = 0x011111 | 0x800000;  // disabled
  EXPECT_EQ(0, Send(kMessages.managerInsert, reinterpret_cast<uintptr_t>(&before),
                    reinterpret_cast<intptr_t>(&after)));
  EXPECT_EQ(erasesBefore + 1, Erases());
  EXPECT_EQ(0x811111, controller->Quarn().ReadMouseSlot(0));
  EXPECT_EQ(0, view.closes);
}

TEST_F(HostControllerTest, InsertWithTheReceiverGoneRefusesAndCloses) {
  scenario.generation = 104;
  Start();
  ASSERT_TRUE(controller->CheckReceiver());
  host::TPairedDeviceTable accepted{}, wanted{};
  wanted.mouseIds[0] = 0x022222;
  contract::TCorvilManagerParams before{}, after{};
  before.tables = &accepted;
  after.tables = &wanted;
  receiver->Unplug();
  EXPECT_EQ(-1, Send(kMessages.managerInsert, reinterpret_cast<uintptr_t>(&before),
                     reinterpret_cast<intptr_t>(&after)));
  EXPECT_EQ(1, view.closes);
}

TEST_F(HostControllerTest, RfInfoAnswersChannelAndSignalToTheAskingWindow) {
  scenario.generation = 104;
  scenario.rfInfo = {0x00, 0x80, 0x2B, 0, 0, 0, 0, 0};
  Start();
  ASSERT_TRUE(controller->CheckReceiver());
  EXPECT_EQ(0, Send(kMessages.requestRfInfo, 0x55));
  ASSERT_EQ(1u, view.rfAnswers.size());
  EXPECT_EQ(0x55u, view.rfAnswers[0].window);
  EXPECT_EQ(11, view.rfAnswers[0].type);  // channel: 0x2B AND 0x1F
  EXPECT_EQ(128u, view.rfAnswers[0].id);   // signal

  receiver->Unplug();
  Send(kMessages.requestRfInfo, 0x66);
  EXPECT_EQ(std::vector<host::WindowRef>{0x66}, view.removed);
  EXPECT_EQ(1, view.closes);
}

TEST_F(HostControllerTest, SignalDisplayGetsTheSecondCheckInItsRecord) {
  scenario.generation = 104;
  Start();
  controller->OpenSignalDisplay();
  ASSERT_EQ(std::vector<std::wstring>{L"gauge"}, view.calls);
  EXPECT_EQ(1, view.gaugeRecord.receiverPresent);
  EXPECT_EQ(0x1234u, view.gaugeRecord.head.hostWindow);
}

TEST_F(HostControllerTest, OtherMessagesAreLeftToTheWindow) {
  scenario.generation = 104;
  Start();
  intptr_t result = 5;
  EXPECT_FALSE(controller->HandleMessage(0x0010 /* WM_CLOSE */, 0, 0, &result));
  EXPECT_FALSE(controller->HandleMessage(0, 0, 0, &result));
  EXPECT_EQ(5, result);
}

TEST(DeviceCode, SixUpperCaseDigitsOfNineteenBits) {
  EXPECT_EQ(L"02BCDE", host::DeviceCode(0x2BCDE));
  EXPECT_EQ(L"02BCDE", host::DeviceCode(0xABCDE));
  EXPECT_EQ(L"07FFFF", host::DeviceCode(0x7FFFF));
  EXPECT_EQ(L"000000", host::DeviceCode(0x80000));
}

}  // namespace
}  // namespace hosttest

namespace hosttest {
namespace {

using testfiles::MemoryFiles;

constexpr wchar_t kNameFolder[] = L"C:\\Users\\me\\Tandra\\";

void SetWizardName(contract::WizardParams* record, const std::u16string& name) {
  std::fill(std::begin(record->deviceName), std::end(record->deviceName), u'\0');
  std::copy(name.begin(), name.end(), record->deviceName);
}

// The user chose a mouse in step 1, but a keyboard answered; its name was stored before.
class ReportedNameTest : public HostControllerTest {
 protected:
  void SetUp() override {
    scenario.generation = 104;
    sim::ScriptedDevice keyboard;
    keyboard.kind = sim::DeviceKind::kKeyboard;
    keyboard.id = 0x2BCDE;
    scenario.devices.push_back(keyboard);
    Start();
    host::DeviceNames stored(files.Ops(), kNameFolder);
    stored.SetName(host::DeviceKind::kKeyboard, 0x2BCDE, L"Old keys");
    ASSERT_TRUE(stored.Save());
    files.writes = 0;
    controller->SetNameStore(files.Ops(), kNameFolder);
    view.wizardResults = {1};
  }
  // One wizard run that pairs and then leaves with the record's name as `step4` leaves it.
  void PairAndLeave(const std::function<void(contract::WizardParams*)>& step4) {
    view.onWizard = [this, step4](contract::WizardParams* record) {
      record->deviceType = contract::kMouse;
      Send(kMessages.pairStart);
      Send(kMessages.pairGetId, 0x99);
      Send(kMessages.pairStop);
      offered = std::u16string(record->deviceName);
      step4(record);
    };
    controller->NewPairing();
  }
  std::wstring Stored(host::DeviceKind kind) {
    return host::DeviceNames(files.Ops(), kNameFolder).Name(kind, 0x2BCDE);
  }

  MemoryFiles files;
  std::u16string offered;
};

TEST_F(ReportedNameTest, LeavingWithoutANameKeepsTheStoredOneAndWritesNothing) {
  PairAndLeave([](contract::WizardParams*) {});  // Close in step 3 or 4
  EXPECT_EQ(u"Old keys", offered) << "step 4 offers the stored name";
  EXPECT_EQ(L"Old keys", Stored(host::DeviceKind::kKeyboard));
  PairAndLeave([](contract::WizardParams* record) { SetWizardName(record, u""); });
  EXPECT_EQ(L"Old keys", Stored(host::DeviceKind::kKeyboard));
  EXPECT_EQ(0, files.writes);
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(ReportedNameTest, ANewNameGoesWithTheKindThatReported) {
  PairAndLeave([](contract::WizardParams* record) { SetWizardName(record, u"Desk keys"); });
  EXPECT_EQ(L"Desk keys", Stored(host::DeviceKind::kKeyboard));
  EXPECT_EQ(L"", Stored(host::DeviceKind::kMouse));
}

TEST_F(ReportedNameTest, ANamesFileThatCannotBeSavedIsToldOnce) {
  files.failWrites = true;
  PairAndLeave([](contract::WizardParams* record) { SetWizardName(record, u"Desk keys"); });
  EXPECT_EQ(std::vector<std::wstring>{L"<NamesNotSaved>"}, view.shown);
}

TEST_F(HostControllerTest, NamesOutliveTheManagerAndComeFromTheWizard) {
  scenario.generation = 104;
  sim::ScriptedDevice keyboard;
  keyboard.kind = sim::DeviceKind::kKeyboard;
  keyboard.id = 0x2BCDE;
  scenario.devices.push_back(keyboard);
  Start();
  MemoryFiles files;
  controller->SetNameStore(files.Ops(), kNameFolder);

  // The wizard pairs the keyboard and names it.
  view.onWizard = [this](contract::WizardParams* record) {
    Send(kMessages.pairStart);
    Send(kMessages.pairGetId, 0x99);
    Send(kMessages.pairStop);
    record->deviceType = contract::kKeyboard;
    record->deviceId = 0x2BCDE;
    const char16_t name[] = u"Office keys";
    std::copy(std::begin(name), std::end(name), record->deviceName);
  };
  view.wizardResults = {1002};
  // The manager sees the name and renames the keyboard; the host keeps the new name.
  view.onManager = [this](contract::TCorvilManagerParams* record) {
    EXPECT_EQ(std::u16string(u"Office keys"), std::u16string(reinterpret_cast<const char16_t*>(
                                                  record->tables->keyboardNames[0])));
    EXPECT_EQ(std::u16string(u"Office keys"), std::u16string(reinterpret_cast<const char16_t*>(
                                                  record->secondTable->keyboardNames[0])));
    host::TPairedDeviceTable accepted = *record->tables;
    contract::TCorvilManagerParams before = *record;
    before.tables = &accepted;
    const char16_t renamed[] = u"Desk keys";
    std::copy(std::begin(renamed), std::end(renamed), record->tables->keyboardNames[0]);
    EXPECT_EQ(0, Send(kMessages.managerInsert, reinterpret_cast<uintptr_t>(&before),
                      reinterpret_cast<intptr_t>(record)));
  };
  controller->NewPairing();
  ASSERT_EQ((std::vector<std::wstring>{L"wizard", L"manager"}), view.calls);

  view.onManager = nullptr;
  controller->OpenManager();
  EXPECT_EQ(std::u16string(u"Desk keys"),
            std::u16string(reinterpret_cast<const char16_t*>(view.managerTables[0].keyboardNames[0])));
}

}  // namespace
}  // namespace hosttest

namespace hosttest {
namespace {

TEST(SingleCopy, AMutexThatExistsOrIsDeniedMeansAnotherCopy) {
  struct Case {
    bool created;
    uint32_t lastError;
    bool another;
  } cases[] = {{true, 0, false},
               {true, host::kErrorAlreadyExists, true},
               {false, host::kErrorAccessDenied, true},  // the first copy runs elevated
               {false, 8, false}};                       // out of memory: run anyway
  for (const Case& c : cases) {
    EXPECT_EQ(c.another, host::AnotherCopyRuns(c.created, c.lastError)) << c.created << " " << c.lastError;
  }
}

}  // namespace
}  // namespace hosttest
