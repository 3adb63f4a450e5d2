// Format: the runtime's Format function for the patterns the program uses.
// Numbers: "0000", "00", "########0.00", "###,###,###,###0." + zeros, runs of "0";
// dates: "YYYYMMDD", "DDMMYYYYHHMMSS", "dd/mm/yy hh:mm", "dd/mm/yy", "hh:mm",
// "dd/mm/yyyy", "MM-DD-YYYY", "HH:MM:SS" (case-insensitive letters; "mm" after an
// hour is minutes). Rounding is half to even. Decimal and thousands marks and the
// date separator come from Regional.
#pragma once
#include <QString>
#include "base/variant.h"

namespace base {
QString Format(const Variant& v, const QString& patron);
}  // namespace base
