#pragma once
// The shared string table of a BIFF8 workbook: SST, continued in CONTINUE
// records once it passes the record size limit, and its EXTSST index.

#include <cstdint>
#include <vector>

#include "output/xls/biff8_bytes.h"
#include "output/xls/biff8_text.h"

namespace ventora {

// Appends SST (+ CONTINUE) and EXTSST to `stream`, which must hold the
// workbook stream from its first byte (EXTSST records absolute positions).
// `uses` is the number of cells that refer to the table.
void WriteSharedStrings(Biff8Bytes& stream, const std::vector<Biff8Text>& strings,
                        std::uint32_t uses);

}  // namespace ventora
