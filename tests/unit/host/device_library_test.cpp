// The binding of the device-access library: loading once, failure values without a library or an
// export, look-up at every call, and the path buffer.
#include <gtest/gtest.h>

#include "host/receiver/device_library.h"
#include "host/receiver/quarn.h"
#include "tests/unit/host/fake_device_library.h"

namespace {

using hosttest::FakeDeviceLibrary;

class DeviceLibraryTest : public ::testing::Test {
 protected:
  sim::Receiver receiver{sim::Scenario()};
  FakeDeviceLibrary fake{&receiver};
  host::TDeviceLibrary library{fake.Ops()};
};

TEST_F(DeviceLibraryTest, MissingLibraryGivesFailureValues) {
  fake.fileMissing = true;
  EXPECT_EQ(0, library.BindDeviceLibrary(nullptr));
  EXPECT_EQ(u"C:\\Suite\\DLL\\DLL_Hidora.dll", fake.loadedFile);
  EXPECT_FALSE(library.Loaded());

  std::u16string path = u"kept";
  uint16_t tag = 7;
  EXPECT_EQ(-1, library.FindReceiver(0, &path, &tag));
  EXPECT_EQ(u"kept", path);
  EXPECT_EQ(7, tag);
  uint8_t buffer[8] = {};
  EXPECT_EQ(0, library.SendCommand(u"SIM\\RECEIVER", 1, 0xBF01, 1, 1));
  EXPECT_EQ(0, library.ReadCommand(u"SIM\\RECEIVER", 1, 0xB600, 6, 8, buffer));
  EXPECT_TRUE(receiver.Log().empty());
  library.ReleaseDeviceLibrary();
  EXPECT_EQ(0, fake.unloads);
}

TEST_F(DeviceLibraryTest, SecondBindCallsInitialAgainWithoutSecondCopy) {
  int window = 0;
  EXPECT_EQ(1, library.BindDeviceLibrary(&window));
  EXPECT_EQ(1, library.BindDeviceLibrary(&window));
  EXPECT_EQ(1, fake.loads);
  EXPECT_EQ(2, fake.initialCalls);
  EXPECT_EQ(&window, fake.lastWindow);
}

TEST_F(DeviceLibraryTest, ReleaseClosesThenUnloadsAndLaterCallsFail) {
  library.BindDeviceLibrary(nullptr);
  library.ReleaseDeviceLibrary();
  EXPECT_EQ(1, fake.closeQueryCalls);
  EXPECT_EQ(1, fake.unloads);
  EXPECT_FALSE(library.Loaded());
  EXPECT_EQ(-1, library.FindReceiver(0, nullptr, nullptr));
  EXPECT_EQ(0, library.SendCommand(u"SIM\\RECEIVER", 1, 0xBF01, 1, 1));

  library.ReleaseDeviceLibrary();  // nothing loaded: harmless
  EXPECT_EQ(1, fake.unloads);
  library.BindDeviceLibrary(nullptr);
  EXPECT_EQ(2, fake.loads);
}

TEST_F(DeviceLibraryTest, MissingExportFailsAloneAndExportsAreLookedUpEveryCall) {
  fake.missingExports = {"Read", "Initial", "CloseQuery"};
  EXPECT_EQ(0, library.BindDeviceLibrary(nullptr));
  EXPECT_TRUE(library.Loaded());

  std::u16string path;
  uint16_t tag = 0;
  EXPECT_EQ(1, library.FindReceiver(0, &path, &tag));
  uint8_t buffer[8] = {};
  EXPECT_EQ(0, library.ReadCommand(path, tag, 0xB600, 6, 8, buffer));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(1, library.SendCommand(path, tag, 0xBF02, 0, 1));
  EXPECT_EQ(3, fake.Lookups("Write"));

  library.ReleaseDeviceLibrary();  // no CloseQuery export: still unloads
  EXPECT_EQ(1, fake.unloads);

  fake.missingExports = {"GetUsbDeviceFromHub"};
  library.BindDeviceLibrary(nullptr);
  EXPECT_EQ(-1, library.FindReceiver(0, &path, &tag));
}

TEST_F(DeviceLibraryTest, FindReceiverReturnsCountUnchangedAndKeepsLow16BitsOfTag) {
  library.BindDeviceLibrary(nullptr);
  fake.receivers = 3;
  std::u16string path;
  uint16_t tag = 0;
  EXPECT_EQ(3, library.FindReceiver(0, &path, &tag));
  EXPECT_EQ(u"SIM\\RECEIVER", path);
  EXPECT_EQ(0x0001, tag);

  fake.receivers = 0;
  EXPECT_EQ(0, library.FindReceiver(0, &path, &tag));
  EXPECT_EQ(u"", path);
}

TEST_F(DeviceLibraryTest, PathOf127CharactersFitsAndAMissingTerminatorIsCut) {
  library.BindDeviceLibrary(nullptr);
  fake.path = std::u16string(127, u'p');
  std::u16string path;
  uint16_t tag = 0;
  EXPECT_EQ(1, library.FindReceiver(0, &path, &tag));
  EXPECT_EQ(fake.path, path);

  fake.leaveUnterminated = true;
  library.FindReceiver(0, &path, &tag);
  EXPECT_EQ(std::u16string(128, u'X'), path);
}

TEST_F(DeviceLibraryTest, OnlyTheLowByteOfAResultCounts) {
  library.BindDeviceLibrary(nullptr);
  std::u16string path;
  uint16_t tag = 0;
  library.FindReceiver(0, &path, &tag);
  host::TQUARN quarn(&library, path, tag);
  EXPECT_TRUE(quarn.UpdateMode(1));
  EXPECT_FALSE(quarn.UpdateMode(3));  // refused: the library answers 0x100

  fake.success = 0x7F01;
  EXPECT_TRUE(quarn.UpdateMode(2));
}

TEST(TQUARNWithoutLibrary, EveryCommandFails) {
  host::TQUARN quarn;
  uint16_t words[128] = {};
  EXPECT_FALSE(quarn.SetPairing(1));
  EXPECT_FALSE(quarn.ReadPage(0x2700, words));
  EXPECT_EQ(-1, quarn.ReadMouseSlot(0));
  EXPECT_EQ(0, quarn.ReadGeneration());
}

}  // namespace
