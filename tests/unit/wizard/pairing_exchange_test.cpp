#include "plugins/wizard/core/pairing_exchange.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// Plays the host and the step form; records every call as one line.
class FakePort : public wizard::PairingPort {
 public:
  intptr_t startReply = 1;
  std::deque<intptr_t> pollReplies;  // then 1 for every further poll
  std::vector<std::string> calls;
  std::vector<std::wstring> countdowns;
  bool timerRunning = false;
  uint32_t storedId = 0;
  int32_t outcome = -1;

  intptr_t SendStart() override {
    calls.push_back("start");
    return startReply;
  }
  intptr_t SendGetId() override {
    calls.push_back("poll");
    if (pollReplies.empty()) return 1;
    const intptr_t reply = pollReplies.front();
    pollReplies.pop_front();
    return reply;
  }
  void SendStop() override { calls.push_back("stop"); }
  void ShowCountdown(const std::wstring& text) override { countdowns.push_back(text); }
  void SetTimerRunning(bool running) override { timerRunning = running; }
  void StoreDeviceId(uint32_t id) override { storedId = id; }
  void Finish(int32_t value) override {
    calls.push_back("finish " + std::to_string(value));
    outcome = value;
  }
  int Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call;
    return n;
  }
};

class PairingExchangeTest : public testing::Test {
 protected:
  FakePort port_;
  wizard::PairingExchange exchange_{port_};
};

TEST_F(PairingExchangeTest, CountsDownSixtySecondsThenStopsAndGoesBack) {
  exchange_.Begin();
  ASSERT_TRUE(port_.timerRunning);
  ASSERT_EQ(std::vector<std::wstring>{L""}, port_.countdowns);  // cleared on showing
  for (int tick = 1; tick <= 120; ++tick) {
    ASSERT_EQ(-1, port_.outcome) << "closed early, at tick " << tick;
    exchange_.Tick();
  }
  std::vector<std::wstring> expected{L"", L"60"};
  for (int second = 59; second >= 1; --second) {
    expected.push_back(std::to_wstring(second));
    expected.push_back(std::to_wstring(second));
  }
  expected.push_back(L"");  // the 120th tick
  EXPECT_EQ(expected, port_.countdowns);
  EXPECT_EQ(119, port_.Count("poll"));
  EXPECT_EQ(1, port_.Count("stop"));
  EXPECT_EQ("finish 5", port_.calls.back());
  EXPECT_EQ("stop", port_.calls[port_.calls.size() - 2]);
  EXPECT_FALSE(port_.timerRunning);
  exchange_.Tick();  // a tick still queued changes nothing
  EXPECT_EQ(119, port_.Count("poll"));
}

TEST_F(PairingExchangeTest, NothingReportedIsIgnoredAndAnyDeviceEndsTheStep) {
  exchange_.Begin();
  exchange_.Tick();
  exchange_.ReturnId(-1, 0);
  exchange_.ReturnId(0, 0x12345);
  EXPECT_EQ(-1, port_.outcome);
  EXPECT_TRUE(port_.timerRunning);
  // A keyboard answers although the user chose a mouse: the exchange does not compare.
  exchange_.Tick();
  exchange_.ReturnId(2, 0x2BCDE);
  EXPECT_EQ(4, port_.outcome);
  EXPECT_EQ(0x2BCDEu, port_.storedId);
  EXPECT_FALSE(port_.timerRunning);
  EXPECT_EQ((std::vector<std::string>{"start", "poll", "poll", "stop", "finish 4"}), port_.calls);
  // A second answer, or one arriving after the step closed, must not close it again.
  exchange_.ReturnId(1, 0x11111);
  EXPECT_EQ(0x2BCDEu, port_.storedId);
  EXPECT_EQ(1, port_.Count("finish 4"));
}

TEST_F(PairingExchangeTest, RefusedPollGoesBackWithoutStop) {
  port_.pollReplies = {1, 0};
  exchange_.Begin();
  exchange_.Tick();
  exchange_.Tick();
  EXPECT_EQ(5, port_.outcome);
  EXPECT_EQ(0, port_.Count("stop"));
  EXPECT_FALSE(port_.timerRunning);
  EXPECT_EQ(wizard::PairingExchange::State::kClosed, exchange_.GetState());
}

TEST_F(PairingExchangeTest, AnyReplyButOneRefusesThePoll) {
  port_.pollReplies = {2};
  exchange_.Begin();
  exchange_.Tick();
  EXPECT_EQ(5, port_.outcome);
  EXPECT_EQ(0, port_.Count("stop"));
}

TEST_F(PairingExchangeTest, RefusedStartWaitsForPreviousOrClose) {
  port_.startReply = 0;
  exchange_.Begin();
  EXPECT_FALSE(port_.timerRunning);
  EXPECT_EQ(wizard::PairingExchange::State::kIdle, exchange_.GetState());
  exchange_.Tick();
  exchange_.ReturnId(1, 0x1);
  EXPECT_EQ(0, port_.Count("poll"));
  EXPECT_EQ(-1, port_.outcome);
  exchange_.Previous();
  EXPECT_EQ((std::vector<std::string>{"start", "stop", "finish 5"}), port_.calls);
}

TEST_F(PairingExchangeTest, CloseAndPreviousStopPairing) {
  exchange_.Begin();
  exchange_.Tick();
  exchange_.CloseButton();
  EXPECT_EQ(3, port_.outcome);
  EXPECT_EQ(1, port_.Count("stop"));
  EXPECT_FALSE(port_.timerRunning);

  FakePort again;
  wizard::PairingExchange second(again);
  second.Begin();
  second.Previous();
  EXPECT_EQ(5, again.outcome);
  EXPECT_EQ(1, again.Count("stop"));
}

TEST_F(PairingExchangeTest, ClosingWithoutAButtonStopsAWaitingExchangeOnly) {
  exchange_.Begin();
  exchange_.Abandon();
  EXPECT_EQ(1, port_.Count("stop"));
  EXPECT_FALSE(port_.timerRunning);
  EXPECT_EQ(-1, port_.outcome);  // the step leaves no outcome: the wizard ends
  exchange_.Abandon();
  EXPECT_EQ(1, port_.Count("stop"));
}

TEST_F(PairingExchangeTest, ShowingAgainStartsANewRun) {
  exchange_.Begin();
  exchange_.Previous();
  exchange_.Begin();
  EXPECT_EQ(2, port_.Count("start"));
  EXPECT_EQ(120, exchange_.Countdown());
  exchange_.Tick();
  EXPECT_EQ(L"60", port_.countdowns.back());
}

}  // namespace
