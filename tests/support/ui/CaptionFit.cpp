#include "support/ui/CaptionFit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <climits>

namespace {

struct TCaptionRoom {
  QString Caption;
  QSize Needed;
  QSize Room;
};

// A push button's or a check box's caption against the contents area the style gives it.
TCaptionRoom ButtonRoom(const QAbstractButton& button, QStyle::SubElement contents) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  const QRect room = button.style()->subElementRect(contents, &option, &button);
  return {button.text(), button.fontMetrics().size(Qt::TextShowMnemonic, button.text()),
          room.size()};
}

TCaptionRoom LabelRoom(const QLabel& label) {
  const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                   -label.margin(), -label.margin());
  const QFontMetrics metrics = label.fontMetrics();
  if (!label.wordWrap()) {
    return {label.text(), metrics.size(0, label.text()), room.size()};
  }
  // A word-wrapped caption takes the room's width; its height must fit.
  const QRect wrapped =
      metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), Qt::TextWordWrap, label.text());
  return {label.text(), wrapped.size(), room.size()};
}

TCaptionRoom GroupBoxRoom(const QGroupBox& box) {
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
  const QRect label =
      box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
  // The title stands on the frame's top edge: it must end inside the box.
  const QSize needed = box.fontMetrics().size(Qt::TextShowMnemonic, box.title());
  return {box.title(), needed, QSize(box.width() - label.left(), label.height())};
}

TCaptionRoom LineEditRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  const QRect room = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  return {edit.text(), edit.fontMetrics().size(0, edit.text()), room.size()};
}

bool RoomOf(const QWidget& control, TCaptionRoom& caption) {
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    caption = ButtonRoom(*button, QStyle::SE_PushButtonContents);
  } else if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
    caption = ButtonRoom(*box, QStyle::SE_CheckBoxContents);
  } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    caption = LabelRoom(*label);
  } else if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
    caption = GroupBoxRoom(*group);
  } else if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
    caption = LineEditRoom(*edit);
  } else {
    return false;
  }
  return !caption.Caption.isEmpty();
}

std::string SizeText(QSize size) {
  return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

}  // namespace

std::vector<std::string> CaptionsThatDoNotFit(const QWidget& window) {
  std::vector<std::string> overflows;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    TCaptionRoom caption;
    if (!control->isVisibleTo(&window) || !RoomOf(*control, caption)) {
      continue;
    }
    if (caption.Needed.width() > caption.Room.width() ||
        caption.Needed.height() > caption.Room.height()) {
      overflows.push_back(control->objectName().toStdString() + ": \"" +
                          caption.Caption.toStdString() + "\" needs " + SizeText(caption.Needed) +
                          ", has " + SizeText(caption.Room));
    }
  }
  return overflows;
}

std::vector<std::string> ControlsThatOverlap(const QWidget& window) {
  std::vector<std::string> overlaps;
  QList<const QWidget*> parents = window.findChildren<const QWidget*>();
  parents.prepend(&window);
  for (const QWidget* parent : parents) {
    std::vector<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!child->isWindow() && child->isVisibleTo(&window)) {
        shown.push_back(child);
      }
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j) {
        if (shown[i]->geometry().intersects(shown[j]->geometry())) {
          overlaps.push_back(shown[i]->objectName().toStdString() + " overlaps " +
                             shown[j]->objectName().toStdString());
        }
      }
    }
  }
  return overlaps;
}
