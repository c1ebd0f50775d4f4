// A complete skinned, shaped form saved as PNG, to look at what the skin draws.
#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace skintest {
namespace {

TEST(Screenshot, SkinnedShapedForm) {
  HBITMAP background = DemoBackground();
  HWND form = SkinnedDemoForm(background);
  EXPECT_TRUE(Screenshot(form, OutputFolder() + L"skinned_form.png"));
  DestroyForm(form);
  DeleteObject(background);
}

}  // namespace
}  // namespace skintest
