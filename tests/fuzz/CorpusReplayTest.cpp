// Every input kept for the fuzz targets (the seeds in fuzz/corpus/ and the
// reproducers of findings in fuzz/crashes/) goes once more through its
// target, as a plain test of both builds: a reader that crashes, trips a
// sanitizer or breaks a target's promise on one of them fails here.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "fuzz/FuzzSupport.h"

namespace {

struct TFuzzTarget {
  const char* Name;  // the folder of its inputs
  int (*Run)(const uint8_t*, size_t);
};

const TFuzzTarget kTargets[] = {{"StoredText", FuzzStoredText},
                                {"Dictionary", FuzzDictionary},
                                {"GameFile", FuzzGameFile},
                                {"WordsList", FuzzWordsList}};

std::vector<std::filesystem::path> InputsOf(const std::string& target) {
  std::vector<std::filesystem::path> inputs;
  for (const char* kept : {"corpus", "crashes"}) {
    const std::filesystem::path folder = std::filesystem::path(GLYPHMASON_FUZZ_FOLDER) / kept / target;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (entry.is_regular_file()) {
        inputs.push_back(entry.path());
      }
    }
  }
  return inputs;
}

class FuzzInputs : public ::testing::TestWithParam<TFuzzTarget> {};

TEST_P(FuzzInputs, EveryKeptInputPassesItsTarget) {
  const std::vector<std::string> commandLine = Os::CommandLine();
  const std::vector<std::filesystem::path> inputs = InputsOf(GetParam().Name);
  EXPECT_FALSE(inputs.empty()) << "no inputs for " << GetParam().Name;
  for (const std::filesystem::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    try {
      GetParam().Run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    } catch (const std::exception& broken) {
      ADD_FAILURE() << input << ": " << broken.what();
    }
  }
  Os::SetCommandLineForTesting(commandLine);
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzInputs, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<TFuzzTarget>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
