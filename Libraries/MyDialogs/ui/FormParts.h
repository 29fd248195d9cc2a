#pragma once
// The pieces every window of the program is built from: the fixed-size
// dialog frame, the program's font, and named buttons and labels placed at
// fixed positions.

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// A modal dialog of fixed size with only the system menu and the close box
// (the customize hint keeps a window manager from adding others).
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
// A main window of fixed size with the system menu, the minimise box and the
// close box: no maximise box.
inline constexpr Qt::WindowFlags kFixedMainWindowFlags =
    Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Names the form, sets its caption and fixes its client area to the size.
void SetUpFixedForm(QWidget& form, const char* name, const QString& caption, QSize client);
// The program's font: Arial, 12 pixels. Where Arial itself is missing, a face
// of the same metrics (Liberation Sans, Arimo) is asked for by name, so the
// captions fit their controls as designed.
QFont ProgramFont();
// Sets ProgramFont on a form and its controls.
void SetProgramFont(QWidget& form);
// The letters' font in the named family, bold. Where that family is missing,
// DejaVu Sans: it holds every letter of the code page and its capitals sit
// well in the stock panels and the squares.
QFont LetterFont(const QString& family, const QFont& base);

// A named button at the bounds that does not take Return for itself.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds);
// A named label with the caption at the bounds.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds);

// The program's icon in every size found beside the program; empty when the
// icon files are missing.
QIcon ProgramIcon();

// The window a message box or file dialog of ours opens over: the active
// window, else the program's first shown window. Under Wayland no window may
// be active while the program waits on a key, and a dialog without a parent
// would open wherever the compositor puts new windows.
QWidget* DialogParent();
// What every window of the program shares: its font, its icon and the roles
// screen readers meet in it.
void SetUpApplicationLook();
