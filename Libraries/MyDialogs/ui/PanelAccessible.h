#pragma once
// The roles a screen reader follows for the program's plain panels and
// windows.

// Makes a plain panel (a QFrame) known to screen readers as a grouping
// rather than a border, which they take for a window of its own, and every
// plain top-level widget as a window. Installed once, after the application
// object exists; later calls do nothing.
void InstallPanelAccessibility();
