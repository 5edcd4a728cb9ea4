#include "idf/idf_text.h"

#include <fstream>
#include <sstream>

#include "core/ascii_case.h"
#include "core/text_lines.h"

namespace ventora::idf {
namespace {

bool LineEnd(char c) {
  return c == '\n' || c == '\r';
}

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

bool IdfObject::Is(std::string_view t) const {
  return SameIgnoringCase(type, t);
}

const std::string& IdfObject::Field(std::size_t i) const {
  static const std::string kEmpty;
  return i < fields.size() ? fields[i].value : kEmpty;
}

std::vector<const IdfObject*> IdfFile::All(std::string_view type) const {
  std::vector<const IdfObject*> found;
  for (const IdfObject& o : objects)
    if (o.Is(type)) found.push_back(&o);
  return found;
}

std::string IdfFile::Where(const IdfObject& object) const {
  std::string where = path + ", line " + std::to_string(object.line) + ", " + object.type;
  if (!object.Name().empty()) where += " '" + object.Name() + "'";
  return where;
}

IdfFile ParseIdf(std::string path, std::string text) {
  IdfFile file{std::move(path), std::move(text), {}};
  const std::string& t = file.text;
  constexpr std::size_t kNone = std::string::npos;
  int line = 1;
  IdfObject current;
  bool inObject = false;
  std::size_t valueBegin = kNone;  // first and one past the last byte of
  std::size_t valueEnd = kNone;    // the field's value outside comments
  int valueLine = 0;
  // A byte-order mark is kept in the text written back, but is no type.
  const std::size_t start = t.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  for (std::size_t i = start; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '!') {
      while (i + 1 < t.size() && !LineEnd(t[i + 1]))
        ++i;
      continue;
    }
    // LF, CR LF and CR alone each end one line, as any editor saves them.
    if (c == '\n' || (c == '\r' && (i + 1 == t.size() || t[i + 1] != '\n'))) ++line;
    if (Blank(c)) continue;
    if (!inObject) {
      inObject = true;
      current = IdfObject{};
      current.begin = i;
      current.line = line;
    }
    if (c != ',' && c != ';') {
      if (valueBegin == kNone) {
        valueBegin = i;
        valueLine = line;
      }
      valueEnd = i + 1;
      continue;
    }
    IdfField field{"", i, i, line};
    if (valueBegin != kNone)
      field = {t.substr(valueBegin, valueEnd - valueBegin), valueBegin, valueEnd, valueLine};
    valueBegin = valueEnd = kNone;
    if (current.type.empty() && current.fields.empty()) {
      if (field.value.empty()) {
        throw IdfError(file.path + ", line " + std::to_string(line) + ": '" + std::string(1, c) +
                       "' where an object type should begin");
      }
      current.type = field.value;
    } else {
      current.fields.push_back(std::move(field));
    }
    if (c == ';') {
      current.end = i + 1;
      file.objects.push_back(std::move(current));
      current = IdfObject{};
      inObject = false;
    }
  }
  if (inObject) {
    throw IdfError(file.path + ", line " + std::to_string(current.line) +
                   ": the object that begins here is not ended by ';'");
  }
  return file;
}

IdfFile ReadIdfFile(const std::string& path) {
  // A device or a pipe is never opened: reading it could go on for ever.
  if (const std::string why = WhyNotReadable(path, kModelFileLimit); !why.empty())
    throw IdfError(path + ": the file is not read: " + why);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw IdfError(path + ": cannot be opened");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw IdfError(path + ": cannot be read");
  return ParseIdf(path, text.str());
}

}  // namespace ventora::idf
