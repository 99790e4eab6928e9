#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <span>

// Why a registered register is re-registered: a set of reasons held as one unsigned
// 32-bit number, bit n standing for reason number n + 1. Bits 0 to 21 and bit 31 carry
// a reason; bits 22 to 30 carry none.
using ChangeReasonSet = std::uint32_t;

struct ChangeReason {
  int bit;
  QStringView text;

  int number() const { return bit + 1; }
};

// Every reason, in table order (reasons 1 to 22, then 32).
std::span<const ChangeReason> changeReasons();

// How the reason dialog captions a reason: "1. Замена фискального накопителя".
QString changeReasonCaption(const ChangeReason& reason);

// The texts of the reasons in the set, in table order, as reports list them; bits that
// carry no reason are left out.
QStringList changeReasonTexts(ChangeReasonSet set);
