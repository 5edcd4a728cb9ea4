#include "idf/cp_model_writer.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "core/ascii_case.h"
#include "core/portable_std.h"

namespace ventora::idf {
namespace {

struct Edit {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string text;
};

// Sets field i of `o` to `value`, adding the missing fields before its ';'.
void SetField(std::vector<Edit>& edits, const IdfObject& o, std::size_t i,
              const std::string& value) {
  if (i < o.fields.size()) {
    edits.push_back({o.fields[i].begin, o.fields[i].end, value});
    return;
  }
  const std::size_t semicolon = o.end - 1;
  std::string added(i - o.fields.size(), ',');
  edits.push_back({semicolon, semicolon, added + "," + value});
}

// The whole lines an object stands on, when nothing else shares them.
Edit Removal(const std::string& text, const IdfObject& o) {
  std::size_t b = o.begin;
  while (b > 0 && (text[b - 1] == ' ' || text[b - 1] == '\t'))
    --b;
  if (b > 0 && text[b - 1] != '\n') b = o.begin;
  std::size_t e = o.end;
  std::size_t look = e;
  while (look < text.size() && (text[look] == ' ' || text[look] == '\t' || text[look] == '\r'))
    ++look;
  if (look < text.size() && text[look] == '!') look = text.find('\n', look);
  if (look == std::string::npos) {
    e = text.size();
  } else if (look < text.size() && text[look] == '\n') {
    e = look + 1;
  }
  // Between blank lines, one of them goes too, so removals leave no gaps.
  const bool wholeLines =
      (b == 0 || text[b - 1] == '\n') && (e == text.size() || text[e - 1] == '\n');
  const std::size_t before = b < 2 ? std::string::npos : text.find_last_not_of(" \t\r", b - 2);
  const bool blankBefore = b < 2 || before == std::string::npos || text[before] == '\n';
  const std::size_t next = text.find_first_not_of(" \t\r", e);
  if (wholeLines && blankBefore && next != std::string::npos && text[next] == '\n') e = next + 1;
  return {b, e, ""};
}

std::string WithLineEnds(std::string text, bool crlf) {
  std::erase(text, '\r');
  if (!crlf) return text;
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string FloatText(float v) {
  char buf[32];
  const auto r = portable::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string NodeName(const std::string& curve) {
  return curve + "_Node";
}

std::string CpModelText(const IdfFile& file, const BoxFit& fit, const std::string& header,
                        const std::string& curves, const std::vector<std::string>& curveNames,
                        float nodeHeight, std::vector<std::string>* notes) {
  const auto controls = file.All("AirflowNetwork:SimulationControl");
  if (controls.size() != 1) {
    throw IdfError(file.path + ": " + (controls.empty() ? "no" : std::to_string(controls.size())) +
                   " AirflowNetwork:SimulationControl object" + (controls.empty() ? "" : "s") +
                   " where the airflow network needs exactly one");
  }
  std::vector<Edit> edits;
  SetField(edits, *controls.front(), 2, "Input");  // Wind Pressure Coefficient Type
  SetField(edits, *controls.front(), 3,
           "ExternalNode");  // Height Selection for Local Wind Pressure

  std::string added = "\n" + header;
  std::set<const IdfObject*> rewritten;
  for (std::size_t i = 0; i < fit.openings.size(); ++i) {
    const std::string node = NodeName(curveNames[i]);
    SetField(edits, *fit.openings[i].airflowSurface, 2, node);  // External Node Name
    rewritten.insert(fit.openings[i].airflowSurface);
  }
  added += curves;
  for (std::size_t i = 0; i < fit.openings.size(); ++i) {
    added += "AirflowNetwork:MultiZone:ExternalNode,\n    " + NodeName(curveNames[i]) +
             ",  !- Name\n    " + FloatText(nodeHeight) + ",  !- External Node Height {m}\n    " +
             curveNames[i] +
             ",  !- Wind Pressure Coefficient Curve Name\n    No,  !- Symmetric Wind Pressure "
             "Coefficient Curve\n    Absolute;  !- Wind Angle Type\n\n";
  }
  // Whatever the new objects replace by type and name goes.
  const IdfFile fresh = ParseIdf(file.path, added);
  std::set<std::string> freshKeys;
  for (const IdfObject& o : fresh.objects)
    freshKeys.insert(AsciiLower(o.type) + "\n" + AsciiLower(o.Name()));

  // Names still in use once the openings point at their new nodes.
  std::set<std::string> used;
  std::vector<const IdfObject*> reports;  // output requests, which only ask
  for (const IdfObject& o : file.objects) {
    if (o.Is("Output:Variable")) {
      reports.push_back(&o);
      continue;
    }
    const bool node = o.Is("AirflowNetwork:MultiZone:ExternalNode");
    for (std::size_t f = 0; f < o.fields.size(); ++f) {
      if ((node && f == 0) || (f == 2 && rewritten.count(&o) != 0)) continue;
      used.insert(AsciiLower(o.fields[f].value));
    }
  }
  std::set<std::string> removedCurves;
  std::vector<const IdfObject*> keptNodes;
  for (const IdfObject& o : file.objects) {
    const bool replaced = freshKeys.count(AsciiLower(o.type) + "\n" + AsciiLower(o.Name())) != 0;
    const bool coefficients = o.Is("AirflowNetwork:MultiZone:WindPressureCoefficientArray") ||
                              o.Is("AirflowNetwork:MultiZone:WindPressureCoefficientValues");
    const bool node = o.Is("AirflowNetwork:MultiZone:ExternalNode");
    if (replaced || coefficients || (node && used.count(AsciiLower(o.Name())) == 0)) {
      edits.push_back(Removal(file.text, o));
      for (const IdfObject* r : reports) {
        if (node && notes != nullptr && SameIgnoringCase(r->Name(), o.Name()))
          notes->push_back(file.Where(*r) + " asks for the external node '" + o.Name() +
                           "', which the new nodes replace: it reports nothing now");
      }
      if (o.Is("AirflowNetwork:MultiZone:WindPressureCoefficientValues"))
        removedCurves.insert(AsciiLower(o.Name()));
    } else if (node) {
      keptNodes.push_back(&o);
    }
  }
  for (const IdfObject* o : keptNodes) {
    if (removedCurves.count(AsciiLower(o->Field(2))) != 0) {
      throw IdfError(
          file.Where(*o) +
          ": this external node is still used elsewhere in the model and "
          "names the coefficients '" +
          o->Field(2) +
          "', which go with the old coefficient array; give it a curve of its own first");
    }
  }

  std::sort(edits.begin(), edits.end(),
            [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
  const bool crlf = file.text.find("\r\n") != std::string::npos;
  std::string out;
  std::size_t at = 0;
  for (const Edit& e : edits) {
    if (e.begin < at) continue;  // a field inside an object already removed
    out.append(file.text, at, e.begin - at);
    out += e.text;
    at = e.end;
  }
  out.append(file.text, at, std::string::npos);
  if (!out.empty() && out.back() != '\n') out += crlf ? "\r\n" : "\n";
  out += WithLineEnds(added, crlf);
  return out;
}

}  // namespace ventora::idf
