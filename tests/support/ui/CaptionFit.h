#pragma once
// Whether every caption of a window fits its control, measured in the fonts
// the program resolves at run time: the room a control gives its text is
// taken from the style that draws it.

#include <string>
#include <vector>

class QWidget;

// One line for each shown button, check box, label, group box or edit of the
// window whose caption is wider or taller than its control's content area:
// "Name: "caption" needs W x H, has w x h".
std::vector<std::string> CaptionsThatDoNotFit(const QWidget& window);
// One line for each pair of shown controls of one parent whose bounds
// overlap: "A overlaps B".
std::vector<std::string> ControlsThatOverlap(const QWidget& window);
