// The EnergyPlus model reader: any text is split into objects or refused
// with an IdfError, never a fault. A model it splits keeps every field's
// value at the bytes it says; it reads the same a second time and with its
// line ends turned to CR alone; its surfaces are read or refused by name.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "idf/idf_geometry.h"
#include "idf/idf_text.h"

namespace {

using namespace ventora::idf;

std::string WithCrLineEnds(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\n' ? '\r' : text[i];
  }
  return out;
}

std::string OneLineEnd(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
    out += value[i] == '\r' ? '\n' : value[i];
  }
  return out;
}

void CheckRanges(const IdfFile& file) {
  for (const IdfObject& o : file.objects) {
    if (o.type.empty() || o.end <= o.begin || o.end > file.text.size()) std::abort();
    for (const IdfField& f : o.fields)
      if (f.end < f.begin || f.end > o.end ||
          file.text.compare(f.begin, f.end - f.begin, f.value) != 0)
        std::abort();
  }
}

// Same objects, same values (line ends aside), same lines.
bool SameModel(const IdfFile& a, const IdfFile& b) {
  if (a.objects.size() != b.objects.size()) return false;
  for (std::size_t i = 0; i < a.objects.size(); ++i) {
    const IdfObject& x = a.objects[i];
    const IdfObject& y = b.objects[i];
    if (OneLineEnd(x.type) != OneLineEnd(y.type) || x.line != y.line ||
        x.fields.size() != y.fields.size())
      return false;
    for (std::size_t f = 0; f < x.fields.size(); ++f)
      if (OneLineEnd(x.fields[f].value) != OneLineEnd(y.fields[f].value) ||
          x.fields[f].line != y.fields[f].line)
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  IdfFile file;
  try {
    file = ParseIdf("m.idf", text);
  } catch (const IdfError&) {
    // Refused in one line-end form, refused in the other.
    try {
      ParseIdf("m.idf", WithCrLineEnds(text));
    } catch (const IdfError&) {
      return 0;
    }
    std::abort();
  }
  CheckRanges(file);
  if (!SameModel(file, ParseIdf("m.idf", text))) std::abort();
  if (!SameModel(file, ParseIdf("m.idf", WithCrLineEnds(text)))) std::abort();
  try {
    const IdfGeometry geometry = ReadGeometry(file);
    for (const IdfSurface& s : geometry.surfaces)
      if (s.points.size() < 3) std::abort();
  } catch (const IdfError&) {
  }
  return 0;
}
