// The RF-info record moving while a signal display polls it, the receiver lost after a number of
// RF-info reads, and the RF-info log a test counts the requests in.
#include <gtest/gtest.h>

#include <sstream>

#include "simulator/receiver.h"
#include "tests/unit/simulator/sim_test_util.h"

namespace {

using Record = std::array<uint8_t, 8>;

std::vector<Record> Reads(sim::Receiver& r, int count) {
  std::vector<Record> records;
  for (int i = 0; i < count; ++i) {
    Record rf{};
    EXPECT_TRUE(simtest::ReadRecord(r, 4, &rf)) << "read " << i + 1;
    records.push_back(rf);
  }
  return records;
}

sim::Scenario Parse(const std::string& text) {
  sim::Scenario s;
  std::string error;
  EXPECT_TRUE(sim::ParseScenario(text, "s.ini", &s, &error)) << error;
  return s;
}

std::string ParseError(const std::string& text) {
  sim::Scenario s;
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(text, "s.ini", &s, &error));
  return error;
}

TEST(SimRfMotion, ChannelsCycleBesideTheSignals) {
  sim::Receiver r(Parse("[RfInfo]\nSignal=100,101,102\nChannel=3,17\n"));
  const std::vector<Record> records = Reads(r, 4);
  EXPECT_EQ(100, records[0][1]);
  EXPECT_EQ(3, records[0][2]);
  EXPECT_EQ(101, records[1][1]);
  EXPECT_EQ(17, records[1][2]);
  EXPECT_EQ(100, records[3][1]);
  EXPECT_EQ(17, records[3][2]);
  EXPECT_EQ(4u, r.RfInfoReads());
  // A single channel keeps its old meaning: byte 2 of every read.
  EXPECT_EQ(9, Parse("[RfInfo]\nChannel=9\n").rfInfo[2]);
}

TEST(SimRfMotion, DriftGoesUpAndDownBetweenItsBounds) {
  sim::Receiver r(Parse("[RfInfo]\nDrift=100,110,4\n"));
  std::vector<int> seen;
  for (const Record& rf : Reads(r, 8)) seen.push_back(rf[1]);
  EXPECT_EQ((std::vector<int>{100, 104, 108, 110, 108, 104, 100, 104}), seen);

  sim::Receiver flat(Parse("[RfInfo]\nDrift=50,50,1\n"));
  for (const Record& rf : Reads(flat, 3)) EXPECT_EQ(50, rf[1]);
}

TEST(SimRfMotion, BadMotionSettingsAreRejected) {
  EXPECT_NE(std::string::npos, ParseError("[RfInfo]\nDrift=110,100,1\n").find("s.ini:2:"));
  EXPECT_NE(std::string::npos, ParseError("[RfInfo]\nDrift=100,110,0\n").find("step"));
  EXPECT_NE(std::string::npos, ParseError("[RfInfo]\nDrift=100,110\n").find("low,high,step"));
  EXPECT_NE(std::string::npos, ParseError("[RfInfo]\nChannel=3,32\n").find("out of range"));
  EXPECT_NE(std::string::npos, ParseError("[RfInfo]\nSignal=1\nDrift=1,2,1\n").find("exclude"));
  EXPECT_NE(std::string::npos, ParseError("[Faults]\nUnplugAfterRfReads=x\n").find("bad number"));
}

// The receiver goes away after the N-th RF-info read; other commands do not count towards N.
TEST(SimRfMotion, UnplugAfterRfReads) {
  sim::Receiver r(Parse("[RfInfo]\nSignal=80\n[Faults]\nUnplugAfterRfReads=3\n"));
  EXPECT_TRUE(simtest::Send(r, 0xBE01, 5));
  Record rf{};
  EXPECT_TRUE(simtest::ReadRecord(r, 6, &rf));
  Reads(r, 3);
  EXPECT_FALSE(r.Connected());
  EXPECT_FALSE(simtest::ReadRecord(r, 4, &rf));
  EXPECT_FALSE(simtest::Send(r, 0xBE01, 5));
  EXPECT_EQ(4u, r.RfInfoReads()) << "the failed read counts as a request too";

  EXPECT_FALSE(sim::Receiver(Parse("[Faults]\nUnplugAfterRfReads=0\n")).Connected());
}

TEST(SimRfMotion, TheRfLogHasOneLinePerRead) {
  simtest::ScratchFiles files;
  const std::string log = files.Path("rf.log");
  const std::string scenario = files.Path("scenario.ini");
  simtest::WriteFile(scenario, "[Receiver]\nRfLog=" + files.Name("rf.log") +
                                   "\n[RfInfo]\nSignal=120,130\nChannel=43\n[Faults]\nUnplugAfterRfReads=2\n");
  sim::Receiver* opened = nullptr;
  std::string error;
  ASSERT_FALSE(sim::Receiver::Open(scenario, &opened, &error)) << "channel 43 is out of range";
  simtest::WriteFile(scenario, "[Receiver]\nRfLog=" + files.Name("rf.log") +
                                   "\n[RfInfo]\nSignal=120,130\nChannel=11,12\n[Faults]\nUnplugAfterRfReads=2\n");
  ASSERT_TRUE(sim::Receiver::Open(scenario, &opened, &error)) << error;
  std::unique_ptr<sim::Receiver> r(opened);
  EXPECT_TRUE(simtest::Send(*r, 0xBE01, 5));  // not an RF-info read: not in this log
  Record rf{};
  EXPECT_TRUE(simtest::ReadRecord(*r, 4, &rf));
  EXPECT_TRUE(simtest::ReadRecord(*r, 4, &rf));
  EXPECT_FALSE(simtest::ReadRecord(*r, 4, &rf));

  std::istringstream lines(simtest::ReadFile(log));
  struct Line {
    unsigned read;
    long long ms;
    unsigned signal, channel;
    std::string outcome;
  };
  std::vector<Line> parsed;
  Line line;
  while (lines >> line.read >> line.ms >> line.signal >> line.channel >> line.outcome) parsed.push_back(line);
  ASSERT_EQ(3u, parsed.size());
  EXPECT_EQ(1u, parsed[0].read);
  EXPECT_EQ(120u, parsed[0].signal);
  EXPECT_EQ(11u, parsed[0].channel);
  EXPECT_EQ("ok", parsed[0].outcome);
  EXPECT_EQ(130u, parsed[1].signal);
  EXPECT_EQ(12u, parsed[1].channel);
  EXPECT_EQ(3u, parsed[2].read);
  EXPECT_EQ("fail", parsed[2].outcome);
  EXPECT_LE(parsed[0].ms, parsed[2].ms);
  EXPECT_GE(parsed[0].ms, 0);
}

}  // namespace

namespace {

// Another process pulls the receiver out by creating a file beside the scenario.
TEST(SimRfMotion, AnUnplugFilePullsTheReceiverOut) {
  simtest::ScratchFiles files;
  const std::string scenario = files.Path("scenario.ini");
  const std::string unplug = files.Path("Unplugged");
  simtest::WriteFile(scenario, "[Faults]\nUnplugFile=" + files.Name("Unplugged") + "\n");
  sim::Receiver* opened = nullptr;
  std::string error;
  ASSERT_TRUE(sim::Receiver::Open(scenario, &opened, &error)) << error;
  std::unique_ptr<sim::Receiver> r(opened);
  Record rf{};
  EXPECT_TRUE(simtest::ReadRecord(*r, 4, &rf));
  EXPECT_TRUE(r->Connected());
  simtest::WriteFile(unplug, "");
  EXPECT_FALSE(r->Connected());
  EXPECT_FALSE(simtest::ReadRecord(*r, 4, &rf));
  std::remove(unplug.c_str());
  EXPECT_FALSE(r->Connected()) << "stays out once pulled";
}

}  // namespace
