// The pairing run against the simulated receiver, through the real command channel and hub search.
#include "pairtool/run/pairing_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "receiver/softcpu.h"
#include "simulator/receiver.h"
#include "simulator/usb_tree.h"

namespace {

class RecordingView : public pairtool::PairingView {
 public:
  void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
  void ShowMouseId(const std::wstring& text) override { mouseId = text; }
  void ShowKeyboardId(const std::wstring& text) override { keyboardId = text; }
  void SetTimerEnabled(bool enabled) override { timer = enabled; }
  void Sleep(unsigned ms) override { sleptMs += ms; }

  std::vector<std::wstring> messages;
  std::wstring mouseId = L"(untouched)";
  std::wstring keyboardId = L"(untouched)";
  bool timer = false;
  unsigned sleptMs = 0;
};

sim::ScriptedDevice Device(sim::DeviceKind kind, uint32_t id, uint8_t attribute, uint32_t after) {
  sim::ScriptedDevice device;
  device.kind = kind;
  device.id = id;
  device.attribute = attribute;
  device.after = after;
  return device;
}

class PairingRunTest : public ::testing::Test {
 protected:
  void Plug(const sim::Scenario& scenario) {
    receiver_ = std::make_unique<sim::Receiver>(scenario);
    std::string error;
    ASSERT_TRUE(tree_.AddController(0, 4, sim::ControllerAccess::kBoth, &error)) << error;
    ASSERT_TRUE(tree_.AddDevice("0/2", receiver_.get(), sim::PortOptions(), &error)) << error;
  }
  void PlugWithMouse(uint32_t id, uint8_t attribute, uint32_t after) {
    sim::Scenario scenario;
    scenario.devices.push_back(Device(sim::DeviceKind::kMouse, id, attribute, after));
    scenario.rfInfo[5] = 0x11;
    Plug(scenario);
  }
  // Ticks while the timer runs, at most n times.
  void TickWhileRunning(int n) {
    for (int i = 0; i < n && view_.timer; ++i) run_.Tick();
  }
  std::wstring LastMessage() const {
    return view_.messages.empty() ? L"(none)" : view_.messages.back();
  }

  sim::UsbTree tree_;
  std::unique_ptr<sim::Receiver> receiver_;
  TSoftCpu cpu_{tree_.Ops()};
  RecordingView view_;
  receiver::PageJournal journal_;
  pairtool::PairingRun run_{cpu_, [](const std::wstring& key) { return L"<" + key + L">"; }, view_,
                            journal_};
};

TEST_F(PairingRunTest, EachPressStepsThroughTheParameterTable) {
  Plug(sim::Scenario());
  std::vector<uint16_t> sent;
  for (int press = 1; press <= 12; ++press) {
    run_.PressPair();
    sent.push_back(receiver_->Parameter(1));
  }
  EXPECT_EQ((std::vector<uint16_t>{6, 7, 8, 12, 14, 16, 20, 24, 28, 29, 2, 6}), sent);
  EXPECT_TRUE(view_.timer);
  EXPECT_EQ(30, run_.Countdown());
  EXPECT_EQ(L"", view_.mouseId);
  EXPECT_GE(view_.sleptMs, 100u);
}

TEST_F(PairingRunTest, CountdownShowsHalfTheTicksAndEndsBlank) {
  Plug(sim::Scenario());
  run_.PressPair();
  TickWhileRunning(100);
  std::vector<std::wstring> expected;
  for (int ticks = 30; ticks >= 1; --ticks) expected.push_back(std::to_wstring(ticks / 2) + L" <PAIR_Second>");
  expected.push_back(L"");
  EXPECT_EQ(expected, view_.messages);
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(0, run_.Countdown());
}

TEST_F(PairingRunTest, ReportedMouseIsShownAndStoredInThePage) {
  PlugWithMouse(0x51234, 0x80, 3);
  run_.PressPair();
  TickWhileRunning(30);
  EXPECT_EQ(L"051234", view_.mouseId);
  EXPECT_EQ(L"<PAIR_MouseOK>", LastMessage());
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(27, run_.Countdown());  // reported on the third tick

  const auto page = receiver_->ConfigPage();
  EXPECT_EQ(0x05, page[228]);
  EXPECT_EQ(0x00, page[229]);
  EXPECT_EQ(0x34, page[230]);
  EXPECT_EQ(0x12, page[231]);
  EXPECT_EQ(0x00, page[236]);
  EXPECT_EQ(0x00, page[237]);  // attribute 0x80 AND 0x7F
  EXPECT_EQ(0x11, page[238]);  // RF-info byte 5
  EXPECT_EQ(0xA4, page[240]);  // attribute bit 7 set
  EXPECT_EQ(0xFF, page[232]);  // keyboard untouched
  EXPECT_EQ(0x34 & 0x1F, receiver_->Parameter(1));
  EXPECT_FALSE(receiver_->InUpdateMode());
}

TEST_F(PairingRunTest, MouseAndKeyboardInOneRecordStoreBothAndEndWithTheKeyboardText) {
  sim::Scenario scenario;
  scenario.devices.push_back(Device(sim::DeviceKind::kMouse, 0x12345, 0x05, 2));
  scenario.devices.push_back(Device(sim::DeviceKind::kKeyboard, 0x2BCDE, 0, 2));
  Plug(scenario);
  run_.PressPair();
  TickWhileRunning(30);
  EXPECT_EQ(L"012345", view_.mouseId);
  EXPECT_EQ(L"02BCDE", view_.keyboardId);
  ASSERT_GE(view_.messages.size(), 2u);
  EXPECT_EQ(L"<PAIR_MouseOK>", view_.messages[view_.messages.size() - 2]);
  EXPECT_EQ(L"<PAIR_KeybdOK>", LastMessage());
  const auto page = receiver_->ConfigPage();
  EXPECT_EQ(0x01, page[228]);
  EXPECT_EQ(0x45, page[230]);
  EXPECT_EQ(0x05, page[237]);
  EXPECT_EQ(0xFF, page[240]);  // attribute bit 7 clear
  EXPECT_EQ(0x02, page[232]);
  EXPECT_EQ(0x00, page[233]);
  EXPECT_EQ(0xDE, page[234]);
  EXPECT_EQ(0xBC, page[235]);
}

TEST_F(PairingRunTest, NoReceiverLeavesTheCodesAndShowsTheText) {
  std::string error;
  ASSERT_TRUE(tree_.AddController(0, 4, sim::ControllerAccess::kBoth, &error));
  view_.mouseId = L"051234";
  run_.PressPair();
  EXPECT_EQ(L"<PAIR_NoReceiverFound>", LastMessage());
  EXPECT_EQ(L"051234", view_.mouseId);
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(1, run_.ParameterIndex());
  EXPECT_EQ(0, tree_.OpenHandles());
}

TEST_F(PairingRunTest, ReceiverPulledOutDuringTheCountdownEndsWithFailAndKeepsThePage) {
  sim::Scenario scenario;
  scenario.devices.push_back(Device(sim::DeviceKind::kMouse, 0x51234, 0x80, 5));
  Plug(scenario);
  receiver_->SetWord(0x2774, 0x0002);  // a keyboard paired earlier
  receiver_->SetWord(0x2775, 0xBCDE);
  const auto before = receiver_->ConfigPage();
  run_.PressPair();
  run_.Tick();
  receiver_->Unplug();
  run_.Tick();
  EXPECT_EQ(L"<PAIR_Fail>", LastMessage());
  EXPECT_FALSE(view_.timer);
  EXPECT_EQ(before, receiver_->ConfigPage());
}

TEST_F(PairingRunTest, PageThatDoesNotVerifyShowsFailAndIsWrittenBackAsItWas) {
  sim::Scenario scenario;
  scenario.devices.push_back(Device(sim::DeviceKind::kMouse, 0x51234, 0x80, 1));
  scenario.stuckWords.push_back(0x2772);  // mouse identifier, bits 16-23
  Plug(scenario);
  receiver_->SetWord(0x2772, 0x0003);  // a mouse paired earlier
  receiver_->SetWord(0x2773, 0x3333);
  receiver_->SetWord(0x2774, 0x0002);  // and a keyboard
  receiver_->SetWord(0x2775, 0xBCDE);
  const auto before = receiver_->ConfigPage();
  run_.PressPair();
  run_.Tick();
  EXPECT_EQ(L"051234", view_.mouseId);
  EXPECT_EQ(L"<PAIR_Fail>", LastMessage());
  EXPECT_EQ(before, receiver_->ConfigPage());
  EXPECT_FALSE(receiver_->InUpdateMode());
}

}  // namespace
