#include "Libraries/MyDialogs/MyDialogs.h"

#include <gtest/gtest.h>

#include "support/FakeMessageBoxes.h"

namespace {

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
