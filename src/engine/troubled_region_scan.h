#pragma once
// The scan behind the troubled region (engine/troubled_region.h): the
// windward wall's Cp with the wind head on, at points spread over each cell
// of RbH, FAR and SAR and each PAD band, judged as the run judges every Cp.
// ventora-troubled-region writes the table from it; a test holds the table
// to it.

#include <string>

namespace ventora::troubled {

// The findings of cell (slice, rbh, far, sar), one letter per PAD band
// (kNothing, kNegativeAbove, kBeyond or kBoth).
std::string ScanCell(int slice, int rbh, int far, int sar);

}  // namespace ventora::troubled
