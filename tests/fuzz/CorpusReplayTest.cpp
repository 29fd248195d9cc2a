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

#include "fuzz/FuzzSupport.h"
#include "support/TestCommandLine.h"

namespace {

struct TFuzzTarget {
  const char* Name;  // the folder of its inputs
  int (*Run)(const uint8_t*, size_t);
};

const TFuzzTarget kTargets[] = {{"StoredText", FuzzStoredText},
                                {"Dictionary", FuzzDictionary},
                                {"GameFile", FuzzGameFile},
                                {"WordsList", FuzzWordsList}};

class FuzzInputs : public ::testing::TestWithParam<TFuzzTarget> {};

TEST_P(FuzzInputs, EveryKeptInputPassesItsTarget) {
  const TTestCommandLine restored;  // a target sets its own
  int inputs = 0;
  for (const char* kept : {"corpus", "crashes"}) {
    std::error_code none;  // a target without findings has no folder of them
    for (const auto& input : std::filesystem::directory_iterator(
             std::filesystem::path(GLYPHMASON_FUZZ_FOLDER) / kept / GetParam().Name, none)) {
      std::ifstream file(input.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(file), {}};
      try {
        GetParam().Run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      } catch (const std::exception& broken) {
        ADD_FAILURE() << input.path() << ": " << broken.what();
      }
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 0) << "no inputs for " << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzInputs, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<TFuzzTarget>& info) {
                           return std::string(info.param.Name);
                         });

}  // namespace
