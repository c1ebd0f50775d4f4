// The pairing tool's window built in this process as its program builds it: when it goes, a hook
// above it (the way a skin binds a form) still sees its last message, and its GDI objects go too.
#include <gtest/gtest.h>

#include "forms/application.h"
#include "pairtool/app/pair_form.h"
#include "receiver/softcpu.h"
#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/driver/teardown_watch.h"
#include "tests/wine/pairtool/installation.h"

namespace pairtool_test {
namespace {

TEST(PairToolForm, GoesWholeWithEveryHookAboveItAndItsObjects) {
  forms::Application::Initialize();
  const usb::UsbPlatformOps noHub{};  // the window does not touch the receiver until Pair
  TSoftCpu cpu(noHub);
  const auto oneWindow = [&cpu] {
    auto form = forms::MakeForm<TPairForm>(cpu, StageFolder(), 0x0409);
    form->FireCreate();
    HWND window = form->Handle();
    driver::WatchTeardown(window);
    form.reset();
    return driver::SawTeardown(window);
  };
  EXPECT_TRUE(oneWindow());  // also the warm-up: Wine's one-time objects
  const driver::GdiCounts before = driver::CountGdiObjects();
  EXPECT_TRUE(oneWindow());
  EXPECT_EQ(before.total, driver::CountGdiObjects().total);
}

}  // namespace
}  // namespace pairtool_test
