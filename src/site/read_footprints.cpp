#include "read_footprints.h"

#include <fstream>
#include <system_error>

namespace ventora::site {
namespace {

// The first character that is not white space, or 0.
char FirstCharacter(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  char c = 0;
  // A UTF-8 byte-order mark may precede a JSON text.
  while (in.get(c)) {
    const auto u = static_cast<unsigned char>(c);
    if (u != ' ' && u != '\t' && u != '\r' && u != '\n' && u != 0xEF && u != 0xBB && u != 0xBF)
      return c;
  }
  return 0;
}

}  // namespace

FootprintFile ReadFootprints(const std::filesystem::path& file, const ReadRules& rules) {
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (error || !std::filesystem::exists(status))
    throw SiteError("cannot read \"" + file.string() + "\": no such file");
  if (!std::filesystem::is_regular_file(status))
    throw SiteError("cannot read \"" + file.string() + "\": not a regular file");
  if (std::filesystem::file_size(file, error) == 0 && !error)
    throw SiteError("\"" + file.string() + "\" is empty: it holds no building footprints");
  if (FirstCharacter(file) == '{') return ReadJsonFootprints(file, rules);
  return ReadOgrFootprints(file, rules);
}

}  // namespace ventora::site
