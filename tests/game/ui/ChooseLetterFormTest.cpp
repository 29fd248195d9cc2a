// The letter choice's grid drawn at every scale of the screen.

#include "game/ui/ChooseLetterForm.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>
#include <set>
#include <vector>

namespace {

// The lengths of the runs of one colour and of the others along a line.
struct TRuns {
  std::vector<int> Lines;
  std::vector<int> Between;
};

TRuns RunsAlong(const QImage& image, int y, QRgb line) {
  TRuns runs;
  int length = 0;
  bool inLine = image.pixel(0, y) == line;
  for (int x = 0; x <= image.width(); ++x) {
    const bool isLine = x < image.width() && image.pixel(x, y) == line;
    if (x < image.width() && isLine == inLine) {
      ++length;
      continue;
    }
    (inLine ? runs.Lines : runs.Between).push_back(length);
    inLine = isLine;
    length = 1;
  }
  return runs;
}

}  // namespace

TEST(LetterChoiceGrid, EveryBoxAndEveryGapIsAsWideAsTheOthersAtEveryScale) {
  TChooseLetterForm form;
  form.CreateLetterPanels();
  form.SetLetters("DejaVu Sans", {});  // boxes without letters
  const QRgb line = form.palette().color(QPalette::WindowText).rgb();
  for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
    QImage image(form.LettersPanel->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    form.LettersPanel->render(&image);
    // Across the middle of the first row of boxes.
    const TRuns runs = RunsAlong(image, qRound(20 * ratio), line);
    ASSERT_EQ(runs.Lines.size(), 2u * TChooseLetterForm::kColumns) << "scale " << ratio;
    EXPECT_EQ(std::set<int>(runs.Lines.begin(), runs.Lines.end()).size(), 1u) << "scale " << ratio;
    // Inside a box, then the gap to the next one, in turn; the first and the
    // last stretch are the margins.
    std::set<int> gaps;
    for (size_t n = 2; n + 1 < runs.Between.size(); n += 2) {
      gaps.insert(runs.Between[n]);
    }
    EXPECT_EQ(gaps.size(), 1u) << "scale " << ratio;
  }
}
