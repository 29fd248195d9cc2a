#include "Libraries/File/PathText.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, SplitsAtTheLastSeparator) {
  EXPECT_EQ(DirectoryOfPath("/opt/Glyphmason/Glyphmason"), "/opt/Glyphmason/");
  EXPECT_EQ(NameOfPath("/opt/Glyphmason/Glyphmason"), "Glyphmason");
  EXPECT_EQ(DirectoryOfPath("Glyphmason"), "");
  EXPECT_EQ(NameOfPath("Glyphmason"), "Glyphmason");
  EXPECT_EQ(NameOfPath("/opt/"), "");
}

TEST(PathText, SeparatorIsAddedOnlyToNonEmptyPaths) {
  EXPECT_EQ(IncludeSlashIfNotEmpty(""), "");
  EXPECT_EQ(IncludeSlashIfNotEmpty("/opt"), "/opt/");
  EXPECT_EQ(IncludeSlashIfNotEmpty("/opt/"), "/opt/");
}

}  // namespace
