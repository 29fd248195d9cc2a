#pragma once
// Golden files: what a test produces, compared byte for byte with a file
// under tests/golden/. A test never writes them; after a deliberate change
// they are made anew with GLYPHMASON_UPDATE_GOLDEN=1 (see the README) and
// the difference is reviewed before it is committed.

#include <gtest/gtest.h>

#include <string>

// The golden file's contents; empty when there is none.
std::string ReadGolden(const std::string& name);

// Success when the bytes equal the golden file `name` (a path below
// tests/golden/); when updating (GLYPHMASON_UPDATE_GOLDEN is exactly "1";
// any other value, "0" among them, compares), writes them there instead.
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& bytes);

// The text with every occurrence of `part` replaced by `placeholder`: folders
// and programs that differ from machine to machine or run to run.
std::string Replaced(std::string text, const std::string& part, const std::string& placeholder);
