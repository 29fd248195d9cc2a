#include "Libraries/Utilities/BoolText.h"

#include <gtest/gtest.h>

namespace {

TEST(BoolText, OnlyExactUpperCaseTrueIsTrue) {
  EXPECT_EQ(BoolToText(true), "TRUE");
  EXPECT_EQ(BoolToText(false), "FALSE");
  EXPECT_TRUE(TextToBool("TRUE"));
  EXPECT_FALSE(TextToBool("True"));
  EXPECT_FALSE(TextToBool("true"));
  EXPECT_FALSE(TextToBool("TRUE "));
}

}  // namespace
