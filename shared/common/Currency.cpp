#include "Currency.h"

#include <cmath>
#include <limits>
#include <stdexcept>

std::optional<Currency> Currency::fromDouble(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double scaled = std::round(value * Scale);
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double limit = 9223372036854775808.0;
  if (scaled >= limit || scaled < -limit) return std::nullopt;
  return Currency(static_cast<std::int64_t>(scaled));
}

std::optional<Currency> Currency::parse(QStringView text) {
  if (text.isEmpty()) return std::nullopt;
  qsizetype pos = 0;
  const bool negative = text[0] == u'-';
  if (negative || text[0] == u'+') ++pos;
  std::uint64_t units = 0;
  std::uint64_t fraction = 0;
  int fractionDigits = 0;
  bool seenSeparator = false;
  bool seenDigit = false;
  constexpr std::uint64_t maxMagnitude = std::uint64_t(std::numeric_limits<std::int64_t>::max());
  for (; pos < text.size(); ++pos) {
    const QChar c = text[pos];
    if (c == u'.' || c == u',') {
      if (seenSeparator) return std::nullopt;
      seenSeparator = true;
      continue;
    }
    if (c < u'0' || c > u'9') return std::nullopt;
    seenDigit = true;
    const unsigned digit = c.unicode() - u'0';
    if (seenSeparator) {
      if (++fractionDigits > 4) return std::nullopt;
      fraction = fraction * 10 + digit;
    } else {
      if (units > (maxMagnitude / Scale - digit) / 10) return std::nullopt;
      units = units * 10 + digit;
    }
  }
  if (!seenDigit) return std::nullopt;
  for (int i = fractionDigits; i < 4; ++i) fraction *= 10;
  const std::uint64_t magnitude = units * Scale + fraction;
  if (magnitude > maxMagnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return Currency(negative ? -value : value);
}

Currency Currency::fromString(QStringView text) {
  if (const auto value = parse(text)) return *value;
  throw std::invalid_argument("not a currency literal: " + text.toString().toStdString());
}

QString Currency::toString() const {
  const bool negative = scaled_ < 0;
  // Work in unsigned so that the most negative value has a magnitude too.
  const std::uint64_t magnitude =
      negative ? std::uint64_t(0) - std::uint64_t(scaled_) : std::uint64_t(scaled_);
  return QStringLiteral("%1%2.%3")
      .arg(negative ? QStringLiteral("-") : QString())
      .arg(magnitude / Scale)
      .arg(magnitude % Scale, 4, 10, QLatin1Char('0'));
}
