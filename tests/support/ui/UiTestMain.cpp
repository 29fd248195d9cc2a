// Window tests run without a display, in the offscreen platform, inside the
// program's own application object. GLYPHMASON_TEST_PLATFORM names another
// platform (xcb) for the runs on a real X server.

#include <gtest/gtest.h>

#include "Libraries/Error/ui/GuardedApplication.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("GLYPHMASON_TEST_PLATFORM", "offscreen").toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TGuardedApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
