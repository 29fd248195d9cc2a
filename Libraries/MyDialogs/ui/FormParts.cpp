#include "Libraries/MyDialogs/ui/FormParts.h"

#include <QLabel>
#include <QPushButton>

void SetUpFixedForm(QWidget& form, const char* name, const QString& caption, QSize client) {
  form.setObjectName(name);
  form.setWindowTitle(caption);
  form.setFixedSize(client);
}

void SetProgramFont(QWidget& form) {
  QFont font("Arial");
  font.setPixelSize(12);
  form.setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setGeometry(bounds);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(bounds);
  return label;
}
