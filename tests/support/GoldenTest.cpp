#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// Sets the variable for the life of the object, then puts back what was there.
class TScopedUpdateVariable {
 public:
  explicit TScopedUpdateVariable(const char* value) {
    if (const char* old = std::getenv(kName)) {
      Old = old;
    }
    ::setenv(kName, value, 1);
  }
  ~TScopedUpdateVariable() {
    if (Old) {
      ::setenv(kName, Old->c_str(), 1);
    } else {
      ::unsetenv(kName);
    }
  }

 private:
  static constexpr const char* kName = "GLYPHMASON_UPDATE_GOLDEN";
  std::optional<std::string> Old;
};

TEST(GoldenFiles, OnlyTheValueOneRewritesThem) {
  const std::string name = "Unmade/NeverWritten.txt";
  const std::filesystem::path path = std::filesystem::path(GLYPHMASON_GOLDEN_FOLDER) / name;
  for (const char* value : {"0", "", "true", "yes", "10"}) {
    TScopedUpdateVariable update(value);
    EXPECT_FALSE(MatchesGolden(name, "made")) << value;
    EXPECT_FALSE(std::filesystem::exists(path)) << value;
    std::filesystem::remove_all(path.parent_path());
  }
}

}  // namespace
