#include "LineSpeed.h"

std::optional<LineWithSpeed> parseLineWithSpeed(QStringView text) {
  const qsizetype at = text.lastIndexOf(u'@');
  const QStringView line = at < 0 ? text : text.first(at);
  if (line.isEmpty()) return std::nullopt;
  if (at < 0) return LineWithSpeed{line.toString(), std::nullopt};
  bool ok = false;
  const int speed = text.sliced(at + 1).toInt(&ok);
  if (!ok || speed <= 0) return std::nullopt;
  return LineWithSpeed{line.toString(), speed};
}
