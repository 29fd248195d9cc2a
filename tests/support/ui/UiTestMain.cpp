// Window tests run without a display, in the offscreen platform, inside the
// program's own application object. GLYPHMASON_TEST_PLATFORM names another
// platform (xcb) for the runs on a real X server.
//
// The offscreen platform gets two screens: the one it has alone, 800 x 600
// at the origin, and one left of it at negative coordinates, where windows
// and hints must work as well.

#include <gtest/gtest.h>

#include <QTemporaryFile>

#include "Libraries/Error/ui/GuardedApplication.h"

namespace {
constexpr const char* kOffscreenScreens = R"({
  "screens": [
    {"name": "Left", "x": -1280, "y": 0, "width": 1280, "height": 1024,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "Origin", "x": 0, "y": 0, "width": 800, "height": 600,
     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
  ]
})";
}  // namespace

int main(int argc, char** argv) {
  QByteArray platform = qEnvironmentVariable("GLYPHMASON_TEST_PLATFORM", "offscreen").toUtf8();
  QTemporaryFile screens;
  if (platform == "offscreen" && screens.open()) {
    screens.write(kOffscreenScreens);
    screens.flush();
    platform += ":configfile=" + screens.fileName().toUtf8();
  }
  qputenv("QT_QPA_PLATFORM", platform);
  ::testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TGuardedApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
