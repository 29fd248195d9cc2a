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

TEST(ComboBoxInput, TheLimitsAndEmptyTextAreTakenElseAWarningPutsTheDefaultBack) {
  const struct {
    const char* Text;
    int32_t Value;
    bool Warned;
  } cases[] = {{"10", 10, false}, {"30", 30, false}, {"", 15, false},
               {"9", 15, true},   {"31", 15, true},  {"abc", 15, true}};
  QWidget parent;
  for (const auto& c : cases) {
    QComboBox* box = BoardSizeBox(parent, c.Text);
    TFakeMessageBoxes boxes;
    EXPECT_EQ(GetIntFromComboBox(box, 10, 30, 15), c.Value) << c.Text;
    ASSERT_EQ(boxes.Shown.size(), c.Warned ? 1u : 0u) << c.Text;
    if (c.Warned) {
      EXPECT_EQ(boxes.Shown[0].Caption + ": " + boxes.Shown[0].Text,
                "Warning: Integer value outside limits.\nIt will be set to default.\n"
                "    * Minimum = 10\n    * Maximum = 30\n    * Default = 15");
      EXPECT_EQ(box->currentText(), "15");
    }
  }
  // Text that is no number is recorded as well.
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: 'abc' is not a valid integer value");
  EXPECT_EQ(GlobalFunStat.Function, "GetIntFromComboBox");
  EXPECT_EQ(GetIntFromComboBoxUnbounded(BoardSizeBox(parent, "-2147483648")), INT32_MIN);
}

TEST(Clipboard, WindowsLettersAreCopiedAndEmptyTextLeavesTheClipboardAlone) {
  TFakeMessageBoxes boxes;
  TErrorRecorder errors;
  EXPECT_TRUE(CopyTextToClipboard("\xC4pfel", "", false, false));  // Windows-1252 A umlaut
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\xC3\x84pfel"));
  EXPECT_FALSE(CopyTextToClipboard("", "Failed to copy report to clipboard.", true, false));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"There is no text to copy to clipboard."});
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\xC3\x84pfel"));
}

}  // namespace
