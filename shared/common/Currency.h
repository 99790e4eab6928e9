#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// A money amount with four decimals, kept as a 64-bit integer count of 1/10000
// units so that no amount ever passes through binary floating point.
class Currency {
 public:
  static constexpr std::int64_t Scale = 10000;

  constexpr Currency() = default;

  static constexpr Currency fromScaled(std::int64_t scaled) { return Currency(scaled); }
  static constexpr Currency fromUnits(std::int64_t units) { return Currency(units * Scale); }
  // Rounds half away from zero to four decimals; nullopt when out of range or not finite.
  static std::optional<Currency> fromDouble(double value);
  // Accepts an optional sign, digits and one '.' or ',' with at most four decimals.
  // Anything else (blanks, exponents, "inf", hex) is refused with nullopt.
  static std::optional<Currency> parse(QStringView text);
  // For literals in code and tests; throws std::invalid_argument on bad text.
  static Currency fromString(QStringView text);

  constexpr std::int64_t scaled() const { return scaled_; }
  double toDouble() const { return double(scaled_) / Scale; }
  // Fixed form with four decimals and a point: "-12.3400".
  QString toString() const;

  constexpr auto operator<=>(const Currency&) const = default;
  constexpr Currency operator-() const { return Currency(-scaled_); }
  constexpr Currency operator+(Currency other) const { return Currency(scaled_ + other.scaled_); }
  constexpr Currency operator-(Currency other) const { return Currency(scaled_ - other.scaled_); }

 private:
  constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
  std::int64_t scaled_ = 0;
};
