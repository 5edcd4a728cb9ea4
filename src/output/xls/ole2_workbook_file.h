#pragma once
// Puts a workbook stream into an OLE2 compound file (the container of Excel
// 97-2003 workbooks) on disk. The file is written under a unique temporary
// name beside the target and renamed onto it only when complete, so the target
// is either the old file or the whole new one, never a partial write.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace ventora {

// Throws std::runtime_error with a message naming the file when it cannot
// write or rename; the temporary file is removed then.
void SaveWorkbookFile(const std::filesystem::path& target, const std::vector<std::uint8_t>& stream);

}  // namespace ventora
