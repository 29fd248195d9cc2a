#include "Libraries/Utilities/ui/Utilities.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

#include "Libraries/Error/FunStatContext.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"

namespace {

QComboBox* BoardSizeBox(QWidget& parent, const QString& text) {
  auto* box = new QComboBox(&parent);
  box->setEditable(true);
  box->setCurrentText(text);
  return box;
}

TEST(ComboBoxInput, ValueOutsideLimitsWarnsAndPutsDefaultBack) {
  QWidget parent;
  QComboBox* box = BoardSizeBox(parent, "31");
  TFakeMessageBoxes boxes;
  EXPECT_EQ(GetIntFromComboBox(box, 10, 30, 15), 15);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Caption, "Warning");
  EXPECT_EQ(boxes.Shown[0].Text,
            "Integer value outside limits.\nIt will be set to default.\n    * Minimum = 10\n"
            "    * Maximum = 30\n    * Default = 15");
  EXPECT_EQ(box->currentText(), "15");
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
}

TEST(ComboBoxInput, LimitsThemselvesEmptyTextAndUnboundedNegativesAreAccepted) {
  QWidget parent;
  TFakeMessageBoxes boxes;
  EXPECT_EQ(GetIntFromComboBox(BoardSizeBox(parent, "10"), 10, 30, 15), 10);
  EXPECT_EQ(GetIntFromComboBox(BoardSizeBox(parent, "30"), 10, 30, 15), 30);
  EXPECT_EQ(GetIntFromComboBox(BoardSizeBox(parent, ""), 10, 30, 15), 15);
  EXPECT_EQ(GetIntFromComboBoxUnbounded(BoardSizeBox(parent, "-2147483648")), INT32_MIN);
  EXPECT_TRUE(boxes.Shown.empty());
}

TEST(ComboBoxInput, NonNumberWarnsAndRecordsConversionError) {
  QWidget parent;
  QComboBox* box = BoardSizeBox(parent, "abc");
  TFakeMessageBoxes boxes;
  EXPECT_EQ(GetIntFromComboBoxUnbounded(box), 0);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_NE(boxes.Shown[0].Text.find("* Minimum = -2147483648\n    * Maximum = 2147483647\n"
                                     "    * Default = 0"),
            std::string::npos);
  EXPECT_EQ(box->currentText(), "0");
  EXPECT_EQ(GlobalFunStat.Status, fsError);
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: 'abc' is not a valid integer value");
  EXPECT_EQ(GlobalFunStat.Function, "GetIntFromComboBox");
}

TEST(Clipboard, CopiesAppendsAndBeeps) {
  TFakeMessageBoxes boxes;
  QGuiApplication::clipboard()->setText("ab");
  EXPECT_TRUE(CopyTextToClipboard("c", "", true, true));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "abc");
  EXPECT_EQ(boxes.Beeps, (std::vector<uint32_t>{kBeepDefault}));
  EXPECT_TRUE(CopyTextToClipboard("\xC4pfel", "", false, false));  // Windows-1252 A umlaut
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\xC3\x84pfel"));
  EXPECT_EQ(boxes.Beeps.size(), 1u);
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
}

TEST(Clipboard, EmptyTextWarnsAndLeavesClipboardAlone) {
  TFakeMessageBoxes boxes;
  TErrorRecorder errors;
  QGuiApplication::clipboard()->setText("keep");
  EXPECT_FALSE(CopyTextToClipboard("", "Failed to copy report to clipboard.", true, false));
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Text, "There is no text to copy to clipboard.");
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "keep");
}

}  // namespace
