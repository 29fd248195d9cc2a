#include "window/StockAccessible.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

#include "Libraries/MyDialogs/ui/PanelAccessible.h"
#include "window/Announcer.h"
#include "window/BoardAccessible.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

namespace {

// The slot, 0 to 6, of a stock panel named "StockLetter1Panel" to
// "StockLetter7Panel"; -1 for any other object.
int StockSlotOfPanel(const QObject* object) {
  static const QRegularExpression stockName("^StockLetter([1-7])Panel$");
  const QRegularExpressionMatch match =
      object == nullptr ? QRegularExpressionMatch() : stockName.match(object->objectName());
  return match.hasMatch() ? match.captured(1).toInt() - 1 : -1;
}

}  // namespace

TStockAccessible::TStockAccessible(QLabel* panel, std::function<QString()> name,
                                   std::function<void()> press)
    : QAccessibleWidget(panel, QAccessible::Button),
      Name(std::move(name)),
      Press(std::move(press)) {}

QString TStockAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) {
    return Name();
  }
  if (t == QAccessible::Description) {
    //: Spoken by a screen reader: what pressing a stock slot does
    return QCoreApplication::translate("TStockAccessible", "Puts the letter at the board's frame");
  }
  return QAccessibleWidget::text(t);
}

QAccessible::State TStockAccessible::state() const {
  // The stock is one Tab stop: every slot is reached by the arrows from it.
  QAccessible::State state = QAccessibleWidget::state();
  state.focusable = true;
  return state;
}

QStringList TStockAccessible::actionNames() const {
  return {pressAction()};
}

void TStockAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction()) {
    Press();
  }
}

QStringList TStockAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName != pressAction()) {
    return {};
  }
  // The slot's digit, from the panel's name: the spoken name may be in any
  // language and word order.
  const int slot = StockSlotOfPanel(object());
  return slot < 0 ? QStringList() : QStringList{QString::number(slot + 1)};
}

namespace {

QAccessibleInterface* GameAccessibleFactory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<TBoardPaintBox*>(object)) {
    return new TBoardAccessible(board);
  }
  if (QAccessibleInterface* announcer = AnnouncerAccessible(object)) {
    return announcer;
  }
  // The stock panels are known by their names, which they have from the
  // start; the window they belong to is looked up when asked.
  auto* panel = qobject_cast<QLabel*>(object);
  const int slot = panel == nullptr ? -1 : StockSlotOfPanel(panel);
  if (slot < 0) {
    return nullptr;
  }
  const auto form = [panel] { return qobject_cast<TGlyphmasonForm*>(panel->window()); };
  return new TStockAccessible(
      panel,
      [form, slot] {
        TGlyphmasonForm* window = form();
        return window == nullptr ? QString() : window->StockSlotAccessibleName(slot);
      },
      [form, slot] {
        if (TGlyphmasonForm* window = form()) {
          window->PutStockLetterAtCursor(slot);
        }
      });
}

}  // namespace

void InstallGameAccessibility() {
  static bool installed = false;
  if (!installed) {
    InstallPanelAccessibility();
    QAccessible::installFactory(GameAccessibleFactory);
    installed = true;
  }
}
