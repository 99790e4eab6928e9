#pragma once

#include <array>
#include <optional>

// The control's baud-rate codes (property BaudRate): the code is the index.
constexpr std::array<int, 10> baudRateTable = {2400,  4800,   9600,   19200,  38400,
                                               57600, 115200, 230400, 460800, 921600};

// Bits per second of a code; nothing for a code outside the table.
std::optional<int> baudRateOfCode(int code);

// The order in which a device search tries the codes: the usual factory settings first.
constexpr std::array<int, 10> baudRateSearchOrder = {6, 1, 7, 8, 9, 5, 3, 2, 4, 0};
