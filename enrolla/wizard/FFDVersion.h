#pragma once

#include <cstdint>

namespace Enrolla {

// The fiscal-document-format version the register works in, as the version codes number
// it (2 "ФФД 1.05", 4 "ФФД 1.2", …). Cash-core registers keep it in table 10, the others
// in table 17.
std::int32_t ReadFFDVersion();
// Writes the version; the cash core codes "1.0 new" as 0, and the other registers need
// field 3 of table 17 set to 2 for any version after the first.
void WriteFFDVersion(std::int32_t version);

}  // namespace Enrolla
