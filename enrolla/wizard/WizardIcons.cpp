#include "WizardIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <numbers>

namespace Enrolla {

namespace {

constexpr int IconSide = 64;  // drawn large, shown scaled down
const QColor inkColour(0x37, 0x47, 0x5a);
const QColor fillColour(0x5b, 0x8d, 0xc9);

QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(IconSide, IconSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(inkColour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

QPainterPath gearOutline(QPointF centre, double outer, double inner, int teeth) {
  QPainterPath path;
  const double step = 2 * std::numbers::pi / teeth;
  for (int tooth = 0; tooth < teeth; ++tooth) {
    const double start = tooth * step;
    // Each tooth: rising flank, flat top, falling flank, then the root between teeth.
    const double corners[] = {start, start + step * 0.15, start + step * 0.45, start + step * 0.6};
    const double radii[] = {inner, outer, outer, inner};
    for (int corner = 0; corner < 4; ++corner) {
      const QPointF point(centre.x() + radii[corner] * std::cos(corners[corner]),
                          centre.y() + radii[corner] * std::sin(corners[corner]));
      if (tooth == 0 && corner == 0)
        path.moveTo(point);
      else
        path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

}  // namespace

QIcon homeIcon() {
  return drawnIcon([](QPainter& painter) {
    const QPolygonF roof{{6, 31}, {32, 8}, {58, 31}};
    const QPolygonF walls{{13, 27}, {13, 56}, {51, 56}, {51, 27}};
    painter.setBrush(fillColour);
    painter.drawPolygon(walls);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(roof);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(26, 37, 12, 19));
  });
}

QIcon settingsIcon() {
  return drawnIcon([](QPainter& painter) {
    const QPointF centre(32, 32);
    QPainterPath gear = gearOutline(centre, 28, 20, 8);
    gear.addEllipse(centre, 8, 8);
    painter.setBrush(fillColour);
    painter.drawPath(gear);
  });
}

}  // namespace Enrolla
