#include "Libraries/Text/Text.h"

#include <gtest/gtest.h>

#include "Libraries/MyMath/MyMath.h"
#include "Libraries/Text/Cp1252.h"
#include "Libraries/Text/Numbers.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripAndBrokenUtf8IsAQuestionMark) {
  std::string all;
  for (int c = 1; c < 256; ++c) {
    all += static_cast<char>(c);
  }
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Utf8ToCp1252("\xC3\xB1o\xE4\xB8\xAD"), "\xF1o?");  // n tilde, o, a CJK sign
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // cut-off sequence
  // Overlong forms and surrogates are broken UTF-8.
  EXPECT_EQ(Utf8ToCp1252(std::string("a\xC0\x80") + "b"), "a?b");  // no byte 0
  EXPECT_EQ(Utf8ToCp1252("\xC1\x81"), "?");                        // no A
  EXPECT_EQ(Utf8ToCp1252("\xE0\x81\x81"), "?");
  EXPECT_EQ(Utf8ToCp1252("\xF0\x80\x81\x81"), "?");
  EXPECT_EQ(Utf8ToCp1252("\xE0\x82\xAC"), "?");    // the euro sign's code, overlong
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80x"), "?x");  // a surrogate
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC\xC2\xA0"), "\x80\xA0");
}

TEST(Cp1252, TextsWithPathsShowUtf8FileNamesAndWindowsLetters) {
  const struct {
    const char* Text;
    const char* Shown;
  } cases[] = {
      {"/home/\xC3\x9C" "ber/x.gmg", "/home/\xC3\x9C" "ber/x.gmg"},      // a UTF-8 path
      {"\xDC" "BER", "\xC3\x9C" "BER"},                                // a Windows-1252 word
      {"Save \"/h/\xE2\x82\xAC.gmg\"? \xC4", "Save \"/h/\xE2\x82\xAC.gmg\"? \xC3\x84"},  // both
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                          // overlong: two letters
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},           // a surrogate: three
      {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},                        // cut short
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextWithPathsToUtf8(c.Text), c.Shown) << c.Text;
  }
}

TEST(Cp1252, CapitalsOfAccentedLetters) {
  EXPECT_EQ(UpperCaseCp1252("abz\xE4\xF1\xE9\xFE"), "ABZ\xC4\xD1\xC9\xDE");
  EXPECT_EQ(UpperCaseCp1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
  EXPECT_EQ(UpperCaseCp1252("\xDF\xB5\xF7" "1-"), "\xDF\xB5\xF7" "1-");  // no capital
}

TEST(Numbers, DecimalIntegersOnly) {
  EXPECT_EQ(StrToInt32("-15"), -15);
  EXPECT_EQ(StrToInt32("+7"), 7);
  EXPECT_EQ(StrToInt32("2147483647"), INT32_MAX);
  for (const char* bad :
       {"", "1x", " 1", "2147483648", "0x10", "+", "-", "+-5", "-+5", "++5", "--5"}) {
    EXPECT_THROW(StrToInt32(bad), std::invalid_argument) << bad;
  }
}

TEST(MyMath, RoundsHalfUp) {
  EXPECT_EQ(RoundHalfUp(2.5), 3);
  EXPECT_EQ(RoundHalfUp(2.4999), 2);
  EXPECT_EQ(RoundHalfUp(-2.5), -2);
  EXPECT_EQ(RoundHalfUp(-2.6), -3);
  EXPECT_EQ(RoundHalfUp(0), 0);
}

}  // namespace
