#pragma once
// The pieces every window of the program is built from: the fixed-size
// dialog frame, the program's font, and named buttons and labels placed at
// fixed positions.

#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// A modal dialog of fixed size with only the system menu and the close box.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// Names the form, sets its caption and fixes its client area to the size.
void SetUpFixedForm(QWidget& form, const char* name, const QString& caption, QSize client);
// The program's font for a form and its controls: Arial, 12 pixels.
void SetProgramFont(QWidget& form);

// A named button at the bounds that does not take Return for itself.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds);
// A named label with the caption at the bounds.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds);
