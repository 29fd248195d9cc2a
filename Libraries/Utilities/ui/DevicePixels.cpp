#include "Libraries/Utilities/ui/DevicePixels.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

TDevicePixels::TDevicePixels(QPainter& painter) {
  const QTransform toDevice = painter.deviceTransform();
  Scale = toDevice.m11();
  const QPointF corner = toDevice.map(QPointF(0, 0));
  CornerX = corner.x();
  CornerY = corner.y();
  const double shiftX = std::round(CornerX) - CornerX;
  const double shiftY = std::round(CornerY) - CornerY;
  if (Scale != 1 || shiftX != 0 || shiftY != 0) {
    painter.setWorldTransform(
        QTransform(1 / Scale, 0, 0, 1 / Scale, shiftX / Scale, shiftY / Scale), true);
  }
}

int TDevicePixels::EdgeX(double logical) const {
  return static_cast<int>(std::lround(CornerX + logical * Scale) - std::lround(CornerX));
}

int TDevicePixels::EdgeY(double logical) const {
  return static_cast<int>(std::lround(CornerY + logical * Scale) - std::lround(CornerY));
}

int TDevicePixels::LineWidth() const {
  // A scale a hair below a whole number still counts as that number.
  return std::max(1, static_cast<int>(std::floor(Scale + 0.01)));
}
