#include "support/Golden.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(GLYPHMASON_GOLDEN_FOLDER) / name;
}

bool UpdatingGolden() {
  const char* update = std::getenv("GLYPHMASON_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

}  // namespace

std::string ReadGolden(const std::string& name) {
  std::ifstream in(GoldenPath(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& bytes) {
  if (UpdatingGolden()) {
    std::filesystem::create_directories(GoldenPath(name).parent_path());
    std::ofstream(GoldenPath(name), std::ios::binary) << bytes;
    return ::testing::AssertionSuccess();
  }
  const std::string golden = ReadGolden(name);
  if (bytes == golden) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "differs from tests/golden/" << name << "\n--- golden:\n"
                                       << golden << "\n--- made:\n"
                                       << bytes;
}

std::string Replaced(std::string text, const std::string& part, const std::string& placeholder) {
  for (size_t at = 0; !part.empty() && (at = text.find(part, at)) != std::string::npos;
       at += placeholder.size()) {
    text.replace(at, part.size(), placeholder);
  }
  return text;
}
