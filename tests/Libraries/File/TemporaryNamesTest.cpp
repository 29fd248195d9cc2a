#include "Libraries/File/TemporaryNames.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/WholeFile.h"
#include "support/TestFolders.h"

namespace {

constexpr size_t kLongestName = 255;

// The id of a process that has ended: a child that exits at once, reaped.
uint32_t EndedProcessId() {
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  return static_cast<uint32_t>(child);
}

// Writes the file and dates it two hours back, as a save that broke off long ago.
void WriteOldFile(const TTempFolder& folder, const std::string& name) {
  folder.Write(name, "an interrupted save");
  std::filesystem::last_write_time(
      folder.File(name), std::filesystem::file_time_type::clock::now() - std::chrono::hours(2));
}

TEST(ReplaceFileAtomically, AGameWhoseLongNameDiffersNearItsEndKeepsItsTemporaries) {
  const uint32_t writer = EndedProcessId();
  for (const size_t length : {size_t{244}, size_t{250}}) {
    TTempFolder folder;
    const std::string stem(length - 4, 'g');
    // Each too long for a temporary name in full; the last two one byte apart.
    const std::string games[] = {stem + ".gmg", stem.substr(1) + "h.gmg", stem + "s.gmg"};
    for (const std::string& game : games) {
      WriteOldFile(folder, TemporaryName(game, writer, 1, kLongestName));
    }
    ASSERT_TRUE(ReplaceFileAtomically(folder.File(games[0]), "saved"));
    EXPECT_FALSE(FileExists(folder.File(TemporaryName(games[0], writer, 1, kLongestName))));
    for (const std::string& game : {games[1], games[2]}) {
      EXPECT_TRUE(FileExists(folder.File(TemporaryName(game, writer, 1, kLongestName))))
          << game.size();
    }
  }
}

TEST(ReplaceFileAtomically, OnlyOldLeftoversOfEndedSavesOfTheSameFileAreRemoved) {
  TTempFolder folder;
  // A user's own files named like temporaries survive a save.
  const std::string usersOwn[] = {"mygame.gmg.tmp1-1", "mygame.gmg.tmp99999-99",
                                  "mygame.gmg.tmp68650-0", "mygame.gmg.tmp"};
  for (const std::string& name : usersOwn) {
    WriteOldFile(folder, name);
  }
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("mygame.gmg"), "saved"));
  for (const std::string& name : usersOwn) {
    EXPECT_EQ(folder.Read(name), "an interrupted save") << name;
  }
  const uint32_t ended = EndedProcessId();
  const std::string leftover = TemporaryName("g30.gmg", ended, 0, kLongestName);
  WriteOldFile(folder, leftover);
  // Its writer still runs: this very process.
  const std::string running = TemporaryName("g30.gmg", ::getpid(), 7, kLongestName);
  WriteOldFile(folder, running);
  // Written a moment ago: a writer elsewhere may still be at it.
  const std::string recent = TemporaryName("g30.gmg", ended, 1, kLongestName);
  folder.Write(recent, "a save under way");
  const std::string folderNamedLikeOne = TemporaryName("g30.gmg", ended, 2, kLongestName);
  ::mkdir(folder.File(folderNamedLikeOne).c_str(), 0755);
  const std::string ofAnotherFile = TemporaryName("g31.gmg", ended, 0, kLongestName);
  WriteOldFile(folder, ofAnotherFile);
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("g30.gmg"), "saved"));
  EXPECT_FALSE(FileExists(folder.File(leftover)));
  for (const std::string& name : {running, recent, folderNamedLikeOne, ofAnotherFile}) {
    EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
  }
  // Another user's file stays, where this user may hand files to another.
  const std::string othersName = TemporaryName("g30.gmg", ended, 3, kLongestName);
  WriteOldFile(folder, othersName);
  if (::chown(folder.File(othersName).c_str(), ::getuid() + 1, static_cast<gid_t>(-1)) == 0) {
    ASSERT_TRUE(ReplaceFileAtomically(folder.File("g30.gmg"), "saved again"));
    EXPECT_TRUE(FileExists(folder.File(othersName)));
  }
}

TEST(TemporaryName, FitsWheneverTheFinalNameFitsAndNamesItsWriter) {
  EXPECT_EQ(TemporaryName("g30.gmg", 68650, 0, kLongestName), "g30.gmg.glyphmason-68650-0.tmp");
  for (size_t length = 200; length <= kLongestName; ++length) {
    const std::string name(length, 'w');
    const std::string temporary = TemporaryName(name, UINT32_MAX, 99, kLongestName);
    EXPECT_LE(temporary.size(), kLongestName) << length;
    uint32_t writer = 0;
    EXPECT_TRUE(IsTemporaryNameOf(temporary, name, kLongestName, writer)) << length;
    EXPECT_EQ(writer, UINT32_MAX);
  }
  // A name cut short never ends inside a letter of two bytes.
  std::string accented;
  while (accented.size() < kLongestName - 1) {
    accented += "\xC3\xA9";
  }
  const std::string temporary = TemporaryName(accented, 1234567, 12, kLongestName);
  EXPECT_EQ(temporary.substr(0, temporary.find('~')).size() % 2, 0U) << temporary;
}

}  // namespace
