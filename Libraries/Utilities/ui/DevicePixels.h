#pragma once
// Drawing on whole pixels of a scaled screen. At a scale of 1.25 or 1.5 a
// widget's logical pixels fall between the screen's own: a one-pixel line
// becomes a blurred or doubled seam. Drawn in the target's own pixels, every
// edge at the whole pixel nearest its true place, every line is sharp and
// edges that neighbours share fall on the same pixel.

class QPainter;

class TDevicePixels {
 public:
  // Sets the painter (on top of what it does now) to draw in its target's
  // own pixels, counted from the whole pixel nearest the painted area's
  // corner. At a scale of 1 on whole pixels the painter is unchanged.
  explicit TDevicePixels(QPainter& painter);

  // Logical to target pixels.
  double Ratio() const { return Scale; }
  // The target pixel an edge at that logical distance right of (EdgeX) or
  // below (EdgeY) the corner falls on, counted from the painter's new
  // origin.
  int EdgeX(double logical) const;
  int EdgeY(double logical) const;
  // The width in target pixels of a line one logical pixel wide: whole
  // pixels only, never less than one.
  int LineWidth() const;

 private:
  double Scale = 1;
  // Where the painted area's corner truly lies in the target.
  double CornerX = 0;
  double CornerY = 0;
};
