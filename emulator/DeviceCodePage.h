#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The register keeps and prints text in its 8-bit code page (windows-1251); these convert
// between that and the driver's wide text.
namespace codepage {

// True when every character of text has a byte in the code page.
bool fits(const QString& text);
// The text as the printer renders it: control characters become spaces and characters
// outside the code page become "?".
QString printable(const QString& text);
// Only for text that fits().
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);

}  // namespace codepage
