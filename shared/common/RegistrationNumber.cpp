#include "RegistrationNumber.h"

#include "Crc16.h"

#include <QByteArray>

namespace {

constexpr int NumberWidth = 10;
constexpr int InnWidth = 12;
constexpr int SerialWidth = 20;
constexpr int CheckWidth = 6;

QString pad(const QString& text, int width, RnmPadding padding) {
  return padding == RnmPadding::CutToWidth ? AddLeadingZeros(text, width)
                                           : PadLeftZeros(text, width);
}

}  // namespace

std::uint16_t CRCCITT16(QStringView text, std::uint16_t polynomial, std::uint16_t initial) {
  // Each character contributes its low 8 bits.
  QByteArray lowBytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) lowBytes[i] = char(text[i].unicode() & 0xFF);
  return crc16Ccitt(lowBytes, polynomial, initial);
}

QString AddLeadingZeros(const QString& text, int width) {
  return PadLeftZeros(text.left(width), width);
}

QString PadLeftZeros(const QString& text, int width) { return text.rightJustified(width, u'0'); }

QString GenerateRNM(const QString& number, const QString& inn, const QString& serial,
                    RnmPadding padding) {
  const QString paddedNumber = pad(number, NumberWidth, padding);
  const QString checked =
      paddedNumber + pad(inn, InnWidth, padding) + pad(serial, SerialWidth, padding);
  return paddedNumber + pad(QString::number(CRCCITT16(checked)), CheckWidth, padding);
}

bool CheckRNM(const QString& rnm, const QString& inn, const QString& serial) {
  return GenerateRNM(rnm.left(NumberWidth), inn, serial, RnmPadding::KeepLonger) == rnm;
}
