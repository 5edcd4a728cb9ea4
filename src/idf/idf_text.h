#pragma once
// EnergyPlus's text input: objects of comma-separated fields ended by ';',
// '!' comments to the end of the line (LF, CR LF or CR), object types
// compared without case, a UTF-8 byte-order mark skipped.
// The text is kept whole and every object and field knows where it stands in
// it, so that a model can be written back with only chosen fields changed.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ventora::idf {

// A model that cannot be used; the message names the file, the line and the
// object where there is one, and is meant to be shown as it is.
class IdfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct IdfField {
  std::string value;      // blanks around it removed
  std::size_t begin = 0;  // byte range of the value in the text (empty
  std::size_t end = 0;    // fields: where the value would go)
  int line = 0;
};

struct IdfObject {
  std::string type;              // as written
  std::vector<IdfField> fields;  // after the type
  std::size_t begin = 0;         // first byte of the type
  std::size_t end = 0;           // one past the ';'
  int line = 0;                  // line of the type, from 1

  bool Is(std::string_view t) const;
  // Field i's value, or "" past the last one.
  const std::string& Field(std::size_t i) const;
  // The first field: the name of nearly every object.
  const std::string& Name() const { return Field(0); }
};

struct IdfFile {
  std::string path;
  std::string text;
  std::vector<IdfObject> objects;

  std::vector<const IdfObject*> All(std::string_view type) const;
  // "file.idf, line 12, Zone 'West'": where a message points.
  std::string Where(const IdfObject& object) const;
};

// Splits `text` into objects. Throws IdfError for an object without its ';'
// or a ';' without a type, naming the line.
IdfFile ParseIdf(std::string path, std::string text);

// The largest EnergyPlus model read: the largest of EnergyPlus's own
// examples is a few MiB.
inline constexpr std::uintmax_t kModelFileLimit = 256u << 20;

// Reads and parses the file at `path`, a regular file of at most
// kModelFileLimit bytes. Throws IdfError.
IdfFile ReadIdfFile(const std::string& path);

}  // namespace ventora::idf
