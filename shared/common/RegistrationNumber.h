#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// The registration number (RNM) of a cash register: a sequence number of up to ten
// digits followed by six check digits computed from that number, the owner's INN and
// the register's serial number.

inline constexpr std::uint16_t CrcCcittPolynomial = 0x1021;
inline constexpr std::uint16_t CrcCcittInitial = 0xFFFF;

// CRC-16/CCITT-FALSE over the low eight bits of each character: most significant bit
// first, no reflection, no final XOR.
std::uint16_t CRCCITT16(QStringView text, std::uint16_t polynomial = CrcCcittPolynomial,
                        std::uint16_t initial = CrcCcittInitial);

// Zeros in front up to the width; a longer text is cut to its first `width` characters.
QString AddLeadingZeros(const QString& text, int width);
// Zeros in front up to the width; a longer text is returned whole.
QString PadLeftZeros(const QString& text, int width);

// The two programs pad the parts differently, and the difference shows only for an
// over-long sequence number: the test program cuts it to ten digits, the wizard keeps
// it whole and so proposes a longer number.
enum class RnmPadding {
  CutToWidth,  // AddLeadingZeros: the test program
  KeepLonger,  // PadLeftZeros: the wizard
};

QString GenerateRNM(const QString& number, const QString& inn, const QString& serial,
                    RnmPadding padding);
// True when the RNM is exactly what the wizard generates from its first ten characters.
bool CheckRNM(const QString& rnm, const QString& inn, const QString& serial);
