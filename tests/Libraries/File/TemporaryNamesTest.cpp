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

TEST(ReplaceFileAtomically, RemovesTheFilesOwnLeftoversOfInterruptedSavesOnly) {
  TTempFolder folder;
  const std::string longName = std::string(251, 'g') + ".gmg";
  const std::string leftovers[] = {"g30.gmg.tmp68650-0", "g30.gmg.tmp7-12",
                                   std::string(246, 'g') + ".tmp123-4"};
  const std::string others[] = {"Glyphmason.ini.tmp5-1",
                                "g30.gmg.tmpX-0",
                                "g30.gmg.tmp1-",
                                "g30.gmg.tmp123456-0",
                                "g30.gmg.bak",
                                "g30.gmg.tmp1-2.txt",
                                std::string(245, 'g') + ".tmp123-4"};
  for (const std::string& name : leftovers) {
    folder.Write(name, "an interrupted save");
  }
  for (const std::string& name : others) {
    folder.Write(name, "another file");
  }
  ::mkdir(folder.File("g30.gmg.tmp1-1").c_str(), 0755);
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("g30.gmg"), "saved"));
  ASSERT_TRUE(ReplaceFileAtomically(folder.File(longName), "saved"));
  for (const std::string& name : leftovers) {
    EXPECT_FALSE(FileExists(folder.File(name))) << name;
  }
  for (const std::string& name : others) {
    EXPECT_EQ(folder.Read(name), "another file") << name;
  }
  EXPECT_TRUE(FileExists(folder.File("g30.gmg.tmp1-1")));
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
