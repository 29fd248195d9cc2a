#include "Libraries/MyDialogs/MyDialogs.h"

#include <gtest/gtest.h>

#include "support/FakeMessageBoxes.h"

namespace {

TEST(MessageBoxes, FiveKindsHaveTheirCaptionsAndStyles) {
  TFakeMessageBoxes boxes;
  ShowMessageDialog("m");
  ShowWarningDialog("w");
  ShowErrorDialog("e");
  boxes.Answer(kIdYes);
  boxes.Answer(kIdNo);
  ShowQueryDialog("q");
  ShowQueryCancelDialog("qc");
  ASSERT_EQ(boxes.Shown.size(), 5u);
  const std::vector<std::pair<std::string, uint32_t>> expected = {
      {"Message", 64}, {"Warning", 48}, {"Error", 16}, {"Query", 36}, {"Query", 35}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(boxes.Shown[i].Caption, expected[i].first);
    EXPECT_EQ(boxes.Shown[i].Style, expected[i].second | kMbTaskModal);
  }
}

TEST(MessageBoxes, ABoxThatFailsToShowOrIsMissingCancels) {
  EXPECT_EQ(MessageBoxesSeam::Current(), nullptr);
  EXPECT_EQ(ShowQueryCancelDialog("?"), drCancel);
  EXPECT_FALSE(ShowQueryDialog("?"));
  TFakeMessageBoxes boxes;
  boxes.Answer(0);
  boxes.Answer(0);
  EXPECT_EQ(ShowQueryCancelDialog("?"), drCancel);
  EXPECT_FALSE(ShowQueryDialog("?"));
  EXPECT_EQ(boxes.Beeps, (std::vector<uint32_t>{kBeepExclamation, kBeepExclamation}));
  EXPECT_EQ(ShowDialogBox("", "", kMbOk), drOk);
}

}  // namespace
