#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Hex text: each byte as two upper-case hexadecimal digits, bytes separated by one
// space, no leading or trailing space; the bytes 2, 5, 16 and 30 read "02 05 10 1E".
QString bytesToHexText(const QByteArray& bytes);

// Reads hex text leniently, the way answers come back from the driver: characters are
// collected with spaces skipped; two collected characters, or one followed by a space,
// make one byte, and a lone character at the end makes one byte too. Lower case is
// accepted. The first group that is not hexadecimal ends the reading, and the bytes
// read so far are the result.
QByteArray hexTextToBytes(QStringView text);
