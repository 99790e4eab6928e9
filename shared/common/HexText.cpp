#include "HexText.h"

namespace {

int hexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  return -1;
}

// The value of one collected group of one or two digits, or -1.
int groupValue(const QChar* group, int length) {
  int value = 0;
  for (int i = 0; i < length; ++i) {
    const int digit = hexDigitValue(group[i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

QString bytesToHexText(const QByteArray& bytes) {
  static constexpr char digits[] = "0123456789ABCDEF";
  QString text;
  text.reserve(bytes.size() * 3);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (i > 0) text += QLatin1Char(' ');
    const auto byte = static_cast<unsigned char>(bytes[i]);
    text += QLatin1Char(digits[byte >> 4]);
    text += QLatin1Char(digits[byte & 0x0F]);
  }
  return text;
}

QByteArray hexTextToBytes(QStringView text) {
  QByteArray bytes;
  QChar group[2];
  int collected = 0;
  auto flush = [&]() {
    const int value = groupValue(group, collected);
    collected = 0;
    if (value < 0) return false;
    bytes.append(char(value));
    return true;
  };
  for (const QChar c : text) {
    if (c == u' ') {
      if (collected == 1 && !flush()) return bytes;
      continue;
    }
    group[collected++] = c;
    if (collected == 2 && !flush()) return bytes;
  }
  if (collected == 1) flush();
  return bytes;
}
