#pragma once

#include <QString>

#include <cstdint>

class TDriver;

// Bits per second for the driver's BaudRate code; a code outside the table reads as 4800.
int captionBaudRate(std::int32_t code);

// The window caption: the default caption followed by where the driver is connected,
// " [Serial: COM1 Baudrate 115200]", " [DCOM:host COM1 Baudrate 115200]" or
// " [TCP: 192.168.0.5: 7778]"; other connection types add nothing. Reads only the
// properties the connection type needs.
QString connectionCaption(TDriver& driver);
