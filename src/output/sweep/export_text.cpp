#include "output/sweep/export_text.h"

#include <stdexcept>

#include "core/replace_file.h"
#include "core/shortest_float.h"

namespace ventora {

void AppendNumber(std::string& out, float value) {
  char buffer[32];
  out.append(buffer, WriteShortestFloat(buffer, value));
}

std::string NumberString(float value) {
  std::string text;
  AppendNumber(text, value);
  return text;
}

int NumberOnFacade(const WindSweep& sweep, std::size_t e) {
  // The elements come facade by facade, each facade's in its order.
  std::size_t first = e;
  while (first > 0 && sweep.elements[first - 1].iface == sweep.elements[e].iface)
    --first;
  return static_cast<int>(e - first) + 1;
}

std::string ElementLabel(int iface, int number) {
  std::string label(1, 'F');
  label.append(std::to_string(iface)).append("_E").append(std::to_string(number));
  return label;
}

std::string ElementLabel(const WindSweep& sweep, std::size_t e) {
  return ElementLabel(sweep.elements[e].iface, NumberOnFacade(sweep, e));
}

void WriteExportFile(const std::filesystem::path& path, const std::string& text) {
  try {
    ReplaceFile(path, text);
  } catch (const FileFault& e) {
    throw std::runtime_error("Cannot write " + std::string(e.what()));
  }
}

}  // namespace ventora
