// ventora-limits-table [FILE]: writes the user guide's table of limits
// (Markdown) into FILE, or on standard output.
#include <fstream>
#include <iostream>

#include "core/parameter_table.h"

int main(int argc, char** argv) {
  const std::string table = ventora::limits::ParameterTableMarkdown();
  if (argc < 2) {
    std::cout << table;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << table;
  file.close();
  if (file) return 0;
  std::cerr << "ventora-limits-table: cannot write \"" << argv[1] << "\"\n";
  return 1;
}
