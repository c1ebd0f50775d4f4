// Every page rewrite of the suite cut off at every transfer, by a receiver pulled out (the program
// goes on) or by the program stopping (its objects dropped without any clean-up): after the
// receiver check the page is the intended one, or the original one when the cut came before the
// erase. Never anything else.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "host/receiver/device_library.h"
#include "host/receiver/quarn.h"
#include "host/receiver/receiver_operations.h"
#include "pairtool/run/pairing_run.h"
#include "receiver/config_slots.h"
#include "receiver/page_rewrite.h"
#include "receiver/softcpu.h"
#include "simulator/usb_tree.h"
#include "tests/unit/host/fake_device_library.h"
#include "tests/unit/support/memory_files.h"

namespace {

using receiver::Page;

enum class Cut { kUnplug, kStop };
struct ProgramStopped {};

// A receiver that is pulled out, or whose program stops, before transfer number `at` (from 0).
class CuttableReceiver : public sim::Receiver {
 public:
  using sim::Receiver::Receiver;
  void CutAt(long at, Cut cut) {
    cutAt_ = at;
    cut_ = cut;
    count_ = 0;
  }
  long Transfers() const { return count_; }
  bool ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                 uint16_t* replyLength) override {
    if (count_ == cutAt_) {
      cutAt_ = -1;
      if (cut_ == Cut::kStop) throw ProgramStopped{};
      Unplug();
    }
    if (wValue == receiver::CMD_ERASE_PAGE && eraseAt_ < 0) eraseAt_ = count_;
    ++count_;
    return Receiver::ControlIn(wValue, wIndex, wLength, reply, replyLength);
  }
  long EraseAt() const { return eraseAt_; }

 private:
  long cutAt_ = -1;
  Cut cut_ = Cut::kUnplug;
  long count_ = 0;
  long eraseAt_ = -1;
};

// Two mice and two keyboards, and the generation word that lives in the page itself.
void FillPairings(sim::Receiver& r) {
  const uint16_t words[][2] = {{0x2772, 0x0001}, {0x2773, 0x1111}, {0x2720, 0x0002},
                               {0x2721, 0x2222}, {0x2774, 0x0003}, {0x2775, 0x3333},
                               {0x2740, 0x0004}, {0x2741, 0x4444}, {0x2701, 0xA438}};
  for (const auto& w : words) r.SetWord(w[0], w[1]);
}

struct SweepFigures {
  int cases = 0;
  int recovered = 0;
};
SweepFigures& Figures() {
  static SweepFigures figures;
  return figures;
}


// One rewrite of one program, cut at every transfer index in both ways.
class RewriteSweep {
 public:
  virtual ~RewriteSweep() = default;
  // Fresh receiver and program objects over `files`.
  virtual void Start(testfiles::MemoryFiles& files) = 0;
  // The rewrite as the program runs it.
  virtual void Rewrite() = 0;
  // The receiver is back: the program's receiver check. `restarted`: the program was started anew.
  virtual void Check(testfiles::MemoryFiles& files, bool restarted) = 0;
  virtual CuttableReceiver& Receiver() = 0;

  void Run(const char* name) {
    testfiles::MemoryFiles files;
    Start(files);
    const Page before = Receiver().ConfigPage();
    Receiver().CutAt(-1, Cut::kUnplug);
    Rewrite();
    const Page intended = Receiver().ConfigPage();
    const long transfers = Receiver().Transfers();
    const long eraseAt = Receiver().EraseAt();
    ASSERT_NE(before, intended) << name;
    ASSERT_GT(eraseAt, 0) << name;

    for (const Cut cut : {Cut::kUnplug, Cut::kStop}) {
      for (long at = 0; at < transfers; ++at) {
        testfiles::MemoryFiles cutFiles;
        Start(cutFiles);
        Receiver().CutAt(at, cut);
        try {
          Rewrite();
        } catch (const ProgramStopped&) {
        }
        Receiver().PlugIn();
        Check(cutFiles, cut == Cut::kStop);
        const Page& expected = at <= eraseAt ? before : intended;
        ++Figures().cases;
        if (Receiver().ConfigPage() == expected && cutFiles.files.empty()) ++Figures().recovered;
        ASSERT_EQ(expected, Receiver().ConfigPage())
            << name << (cut == Cut::kStop ? ": stopped" : ": pulled out") << " at transfer " << at
            << " of " << transfers << " (erase at " << eraseAt << ")";
        ASSERT_TRUE(cutFiles.files.empty()) << name << ": the record was not closed, cut at " << at;
      }
    }
  }
};

// The host: the receiver reached through the device-access library, the check settling the record.
class HostSweep : public RewriteSweep {
 public:
  explicit HostSweep(std::function<void(host::TQUARN&)> rewrite) : rewrite_(std::move(rewrite)) {}
  void Start(testfiles::MemoryFiles& files) override {
    receiver_ = std::make_unique<CuttableReceiver>(sim::Scenario());
    FillPairings(*receiver_);
    fake_ = std::make_unique<hosttest::FakeDeviceLibrary>(receiver_.get());
    library_ = std::make_unique<host::TDeviceLibrary>(fake_->Ops());
    library_->BindDeviceLibrary(nullptr);
    NewProgram(files);
  }
  void Rewrite() override { rewrite_(quarn_); }
  void Check(testfiles::MemoryFiles& files, bool restarted) override {
    if (restarted) NewProgram(files);
    receiver::SettlePendingRewrite(quarn_, *journal_, NoWait, host::kHostUpdateModeWaits);
  }
  CuttableReceiver& Receiver() override { return *receiver_; }

 private:
  static void NoWait(uint32_t) {}
  void NewProgram(testfiles::MemoryFiles& files) {
    journal_ = std::make_unique<receiver::PageJournal>(files.Ops(), testfiles::kUserFolder);
    std::u16string path;
    uint16_t tag = 0;
    ASSERT_EQ(1, library_->FindReceiver(0, &path, &tag));
    quarn_ = host::TQUARN(library_.get(), path, tag);
    quarn_.SetJournal(journal_.get());
  }

  std::function<void(host::TQUARN&)> rewrite_;
  std::unique_ptr<CuttableReceiver> receiver_;
  std::unique_ptr<hosttest::FakeDeviceLibrary> fake_;
  std::unique_ptr<host::TDeviceLibrary> library_;
  std::unique_ptr<receiver::PageJournal> journal_;
  host::TQUARN quarn_;
};

class QuietView : public pairtool::PairingView {
 public:
  void ShowMessage(const std::wstring&) override {}
  void ShowMouseId(const std::wstring&) override {}
  void ShowKeyboardId(const std::wstring&) override {}
  void SetTimerEnabled(bool) override {}
  void Sleep(unsigned) override {}
};

// The pairing tool: the receiver found on the (simulated) USB tree, the Pair button settling.
class PairToolSweep : public RewriteSweep {
 public:
  void Start(testfiles::MemoryFiles& files) override {
    run_.reset();
    cpu_.reset();
    tree_ = std::make_unique<sim::UsbTree>();
    receiver_ = std::make_unique<CuttableReceiver>(sim::Scenario());
    FillPairings(*receiver_);
    std::string error;
    ASSERT_TRUE(tree_->AddController(0, 4, sim::ControllerAccess::kBoth, &error)) << error;
    ASSERT_TRUE(tree_->AddDevice("0/2", receiver_.get(), sim::PortOptions(), &error)) << error;
    NewProgram(files);
  }
  void Rewrite() override { run_->SaveMouseId(0x51234, 0x80, 0x11); }
  void Check(testfiles::MemoryFiles& files, bool restarted) override {
    if (restarted) NewProgram(files);
    run_->PressPair();
  }
  CuttableReceiver& Receiver() override { return *receiver_; }

 private:
  void NewProgram(testfiles::MemoryFiles& files) {
    run_.reset();
    journal_ = std::make_unique<receiver::PageJournal>(files.Ops(), testfiles::kUserFolder);
    cpu_ = std::make_unique<TSoftCpu>(tree_->Ops());
    ASSERT_TRUE(cpu_->FindReceiver(receiver::kVendorId, receiver::kProductIdA));
    run_ = std::make_unique<pairtool::PairingRun>(
        *cpu_, [](const std::wstring& key) { return key; }, view_, *journal_);
  }

  std::unique_ptr<sim::UsbTree> tree_;
  std::unique_ptr<CuttableReceiver> receiver_;
  std::unique_ptr<TSoftCpu> cpu_;
  std::unique_ptr<receiver::PageJournal> journal_;
  QuietView view_;
  std::unique_ptr<pairtool::PairingRun> run_;
};

void NoWait(uint32_t) {}

// The four rewrites of the suite, each cut at every transfer both ways; one test so that the figure
// covers them all wherever the test runs (ctest runs each test in a process of its own).
TEST(InterruptedRewrite, EveryTransferOfEveryRewriteIsRecovered) {
  HostSweep([](host::TQUARN& quarn) { host::StoreMouse(quarn, 0x51234, 0x80, 0x11, NoWait); })
      .Run("host mouse store");
  HostSweep([](host::TQUARN& quarn) { host::StoreKeyboard(quarn, 0x2BCDE, NoWait); })
      .Run("host keyboard store");
  HostSweep([](host::TQUARN& quarn) {
    host::TPairedDeviceTable list{};
    host::ReadDeviceList(quarn, &list);
    list.mouseIds[1] = -1;            // removed
    list.keyboardIds[0] |= 0x800000;  // switched off
    host::WriteDeviceList(quarn, list, NoWait);
  }).Run("manager list write");
  PairToolSweep().Run("pairing tool mouse store");
  std::printf("interrupted page rewrites recovered: %d of %d (each transfer index, unplug and stop)\n",
              Figures().recovered, Figures().cases);
  EXPECT_EQ(Figures().cases, Figures().recovered);
}

// What a recovery costs beside the plain page write it finishes, on the same receiver, in transfers:
// on a real receiver each is a USB round trip, so the count is the cost (the simulator's time is not).
TEST(InterruptedRewrite, RecoveryCostBesideAPlainPageWrite) {
  CuttableReceiver r{sim::Scenario()};
  FillPairings(r);
  hosttest::FakeDeviceLibrary fake(&r);
  host::TDeviceLibrary library(fake.Ops());
  library.BindDeviceLibrary(nullptr);
  std::u16string path;
  uint16_t tag = 0;
  ASSERT_EQ(1, library.FindReceiver(0, &path, &tag));
  host::TQUARN quarn(&library, path, tag);
  receiver::JournalRecord record;
  record.original = r.ConfigPage();
  record.intended = record.original;
  record.intended[230] = 0x34;

  r.CutAt(-1, Cut::kUnplug);
  quarn.UpdateMode(receiver::kUpdateModeEnter);
  receiver::WritePage(quarn, receiver::kConfigPageAddress, record.intended.data());
  const long plainTransfers = r.Transfers() - 1;
  quarn.UpdateMode(receiver::kUpdateModeLeave);

  // Cut off right after the erase.
  quarn.UpdateMode(receiver::kUpdateModeEnter);
  quarn.ErasePage(receiver::kConfigPageAddress);
  quarn.UpdateMode(receiver::kUpdateModeLeave);
  receiver::PageJournal journal;
  journal.Open(record);
  r.CutAt(-1, Cut::kUnplug);
  ASSERT_EQ(receiver::SettleResult::kCompleted,
            receiver::SettlePendingRewrite(quarn, journal, NoWait, host::kHostUpdateModeWaits));
  const long recoveryTransfers = r.Transfers();
  std::printf("recovery: %ld transfers beside %ld for the plain page write (ratio %.2f; the host "
              "adds its two 100 ms update-mode waits to both)\n",
              recoveryTransfers, plainTransfers, double(recoveryTransfers) / plainTransfers);
  EXPECT_EQ(plainTransfers + 32 + 2, recoveryTransfers);  // the page read and the update mode
}

}  // namespace
