// The settings file that puts a simulated receiver into a simulated USB tree.
#include "simulator/simulated_usb.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "receiver/receiver_protocol.h"
#include "receiver/softcpu.h"

namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return path;
}

TEST(SimulatedUsb, ReceiverIsFoundWhereTheTreeSaysAndAnswersCommands) {
  WriteFile("su_scenario.ini", "[Receiver]\nProductId=0x055F\n");
  WriteFile("su_tree.txt", "controller 1\nhub 1/3 ports=4\ndevice 1/3/2 receiver\n");
  const std::string settings =
      WriteFile("su_settings.ini", "[Simulator]\nScenario=su_scenario.ini\nTree=su_tree.txt\n");
  std::unique_ptr<sim::SimulatedUsb> usb;
  std::string error;
  ASSERT_TRUE(sim::SimulatedUsb::Open(settings, &usb, &error)) << error;

  TSoftCpu cpu(usb->Ops());
  EXPECT_FALSE(cpu.FindReceiver(receiver::kVendorId, receiver::kProductIdA));
  ASSERT_TRUE(cpu.FindReceiver(receiver::kVendorId, receiver::kProductIdB));
  EXPECT_EQ(2, cpu.Chosen().port);
  ASSERT_TRUE(cpu.SetParameter(1, 7));
  EXPECT_EQ(7, usb->ReceiverDevice().Parameter(1));
  EXPECT_EQ(0, usb->Tree().OpenHandles());
}

TEST(SimulatedUsb, BadSettingsAreReportedWithTheFileName) {
  std::unique_ptr<sim::SimulatedUsb> usb;
  std::string error;
  const std::string noScenario = WriteFile("su_bad1.ini", "[Simulator]\nTree=x.txt\n");
  EXPECT_FALSE(sim::SimulatedUsb::Open(noScenario, &usb, &error));
  EXPECT_NE(std::string::npos, error.find("su_bad1.ini")) << error;

  const std::string unknownKey = WriteFile("su_bad2.ini", "[Simulator]\nScenario=a.ini\nColour=3\n");
  EXPECT_FALSE(sim::SimulatedUsb::Open(unknownKey, &usb, &error));
  EXPECT_NE(std::string::npos, error.find(":3:")) << error;

  WriteFile("su_ok.ini", "[Receiver]\n");
  const std::string badTree =
      WriteFile("su_bad3.ini", "[Simulator]\nScenario=su_ok.ini\nTree=su_badtree.txt\n");
  WriteFile("su_badtree.txt", "device 0/1 receiver\n");  // no controller 0
  EXPECT_FALSE(sim::SimulatedUsb::Open(badTree, &usb, &error));
  EXPECT_NE(std::string::npos, error.find("su_badtree.txt")) << error;
  EXPECT_EQ(nullptr, usb);

  EXPECT_FALSE(sim::SimulatedUsb::Open(::testing::TempDir() + "su_missing.ini", &usb, &error));
}

}  // namespace
