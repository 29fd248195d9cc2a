#include "Libraries/File/TemporaryNames.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/WholeFile.h"
#include "support/TestFolders.h"

namespace {

constexpr size_t kLongestName = 255;

TEST(ReplaceFileAtomically, SavesAFileWhoseNameIsAsLongAsTheSystemAllows) {
  TTempFolder folder;
  for (const size_t length : {size_t{240}, size_t{245}, size_t{250}, kLongestName}) {
    const std::string name = std::string(length - 4, 'g') + ".gmg";
    ASSERT_TRUE(ReplaceFileAtomically(folder.File(name), "saved")) << length;
    EXPECT_EQ(folder.Read(name), "saved");
  }
}

TEST(TemporaryName, FitsWheneverTheFinalNameFits) {
  EXPECT_EQ(TemporaryName("g30.gmg", 68650, 0, kLongestName), "g30.gmg.tmp68650-0");
  for (size_t length = 200; length <= kLongestName; ++length) {
    const std::string name(length, 'w');
    const std::string temporary = TemporaryName(name, 99999, 99, kLongestName);
    EXPECT_LE(temporary.size(), kLongestName) << length;
    EXPECT_NE(temporary, name);
    EXPECT_TRUE(IsTemporaryNameOf(temporary, name, kLongestName)) << length;
  }
}

}  // namespace
