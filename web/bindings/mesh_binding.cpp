// The facade editor's two meshes for the page: the counts, coordinates and
// spacings read and refused as the desktop's mesh dialogs read them, and the
// nodes they fill the grid with (core/mesh_fill.h, core/mesh_refusal.h).
#include <emscripten/bind.h>

#include <cmath>
#include <string>

#include "core/job.h"
#include "core/mesh_fill.h"
#include "core/mesh_refusal.h"
#include "core/number_parse.h"
#include "core/number_text.h"
#include "web/bindings/page_numbers.h"

namespace ventora::web {
namespace {

using emscripten::val;

constexpr char kDecimal = '.';

// A refusal and the box to go back to.
val Refusal(const std::string& text, const std::string& box) {
  val result = val::object();
  result.set("refusal", text);
  result.set("box", box);
  return result;
}

MeshSettings SettingsOf(const val& mesh) {
  MeshSettings s;
  s.MeshNH = mesh["NH"].as<std::int16_t>();
  s.MeshNV = mesh["NV"].as<std::int16_t>();
  s.MeshX0 = mesh["X0"].as<float>();
  s.MeshZ0 = mesh["Z0"].as<float>();
  s.MeshDX = mesh["DX"].as<float>();
  s.MeshDZ = mesh["DZ"].as<float>();
  return s;
}

// The settings and the node texts the grid is filled with.
val Filled(const MeshSettings& s, const std::vector<MeshNode>& nodes) {
  val mesh = val::object();
  mesh.set("NH", s.MeshNH);
  mesh.set("NV", s.MeshNV);
  mesh.set("X0", s.MeshX0);
  mesh.set("Z0", s.MeshZ0);
  mesh.set("DX", s.MeshDX);
  mesh.set("DZ", s.MeshDZ);
  val texts = val::array();
  for (const MeshNode& n : nodes) {
    val row = val::array();
    row.call<void>("push", NodeText(n.x, kDecimal));
    row.call<void>("push", NodeText(n.z, kDecimal));
    texts.call<void>("push", row);
  }
  val result = val::object();
  result.set("mesh", mesh);
  result.set("nodes", texts);
  return result;
}

// The automatic mesh's count of nodes across (box "NH") or up ("NV"): a
// whole number from 1 to 400. {count} or {refusal, box}.
val AutoMeshCount(const std::string& box, const std::string& typed) {
  const MeshBox what = box == "NH" ? MeshBox{"Number of horizontal nodes", "NH", ""}
                                   : MeshBox{"Number of vertical nodes", "NV", ""};
  const limits::Range accepted = limits::Closed(1, kMaxMeshNodes);
  NumberText numbers = PageNumbers();
  std::string text = typed;
  if (!text.empty() && numbers.IsIntegerText(text)) {
    const double value = numbers.TextToNumber(text);
    if (!accepted.Contains(static_cast<float>(value)))
      return Refusal(MeshRangeText(what, value, accepted, kDecimal), box);
    val result = val::object();
    result.set("count", static_cast<int>(std::lround(value)));
    return result;
  }
  return Refusal(MeshNotANumberText(what, Trimmed(typed), accepted, true, kDecimal), box);
}

// The one coordinate of a direction with a single node ("X value:").
val AutoMeshCoordinate(const std::string& what, const std::string& typed) {
  NumberText numbers = PageNumbers();
  std::string text = typed;
  numbers.ToLocaleDecimal(text);
  if (text.empty() || !IsLocaleNumber(text, numbers.Locale()))
    return Refusal(what + " \"" + typed + "\" is not a number of metres.", "value");
  val result = val::object();
  result.set("value", numbers.TextToSingle(text));
  return result;
}

// The automatic mesh over a facade L by H from the counts (and single
// coordinates) already read.
val AutoMesh(const val& mesh, float L, float H) {
  MeshSettings s = SettingsOf(mesh);
  if (s.MeshNH * s.MeshNV > kMaxMeshNodes)
    return Refusal(TotalNodesText(s.MeshNH * s.MeshNV, kDecimal), "NH");
  const std::vector<MeshNode> nodes = AutoMeshNodes(s, {L, H});
  return Filled(s, nodes);
}

// How many nodes fit from `first` to `last` at `spacing` (one for none).
long long PossibleNodes(float first, float last, float spacing) {
  if (spacing == 0) return 1;
  const float steps = (last - first) / spacing;
  if (!(steps < 1e9f)) return 1000000000LL;
  return static_cast<long long>(std::floor(steps)) + 1;
}

// The user's mesh: the boxes' texts (X0, Z0, DX, DZ, NH, NV), whether to
// fill the facade, whether it is a wall; the facade's L and H.
class UserMeshReading {
 public:
  UserMeshReading(const val& boxes, bool fill, bool wall, float L, float H)
      : boxes_(boxes),
        fill_(fill),
        wall_(wall),
        L_(L),
        zmin_(static_cast<float>(0.07 * H)),
        zmax_(static_cast<float>(0.93 * H)) {}

  val Read() {
    MeshSettings s;
    val refusal = val::null();
    if (!Box("X0", "x coordinate", "X0", limits::ClosedOpen(0, L_), s.MeshX0, refusal) ||
        !Box("Z0", "z coordinate", wall_ ? "Z0" : "Y0", limits::ClosedOpen(zmin_, zmax_), s.MeshZ0,
             refusal) ||
        !Box("DX", "Horizontal distance between nodes", "DX", limits::Closed(0, L_), s.MeshDX,
             refusal) ||
        !Box("DZ", "Vertical distance between nodes", wall_ ? "DZ" : "DY",
             limits::Closed(0, zmax_ - zmin_), s.MeshDZ, refusal))
      return refusal;
    const long long nx = PossibleNodes(s.MeshX0, L_, s.MeshDX);
    const long long nz = PossibleNodes(s.MeshZ0, zmax_, s.MeshDZ);
    if (!Count("NH", "Number of horizontal nodes", nx, "DX", s.MeshNH, refusal) ||
        !Count("NV", "Number of vertical nodes", nz, "DZ", s.MeshNV, refusal))
      return refusal;
    if (s.MeshNH * s.MeshNV > kMaxMeshNodes) {
      const bool typed = !fill_ && !Text("NH").empty();
      return Refusal(TotalNodesText(s.MeshNH * s.MeshNV, kDecimal), typed ? "NH" : "DX");
    }
    return Filled(s, UserMeshNodes(s));
  }

 private:
  std::string Text(const char* box) const { return boxes_[box].as<std::string>(); }

  bool Box(const char* box, const std::string& name, const char* symbol, limits::Range range,
           float& value, val& refusal) {
    const MeshBox what{name, symbol, "m"};
    NumberText numbers = PageNumbers();
    const std::string typed = Trimmed(Text(box));
    std::string text = Text(box);
    numbers.ToLocaleDecimal(text);
    bool read = !text.empty() && IsLocaleNumber(text, numbers.Locale());
    if (read) {
      value = numbers.TextToSingle(text);
      read = !numbers.ConvError() && std::isfinite(value);
    }
    if (!read) {
      refusal = Refusal(MeshNotANumberText(what, typed, range, false, kDecimal), box);
      return false;
    }
    if (range.Contains(value)) return true;
    refusal = Refusal(MeshRangeText(what, value, range, kDecimal), box);
    return false;
  }

  // As many as fit when the box is empty or the facade is to be filled,
  // else the typed number, which must fit.
  bool Count(const char* box, const char* name, long long possible, const char* spacing,
             std::int16_t& count, val& refusal) {
    const MeshBox what{name, box, ""};
    const auto most =
        static_cast<std::int16_t>(possible < kMaxMeshNodes ? possible : kMaxMeshNodes);
    const limits::Range fits = limits::Closed(1, most);
    std::string text = Text(box);
    if (fill_ || text.empty()) {
      if (possible > kMaxMeshNodes) {
        const limits::Range held{0, limits::End::Unbounded, kMaxMeshNodes, limits::End::Inclusive};
        refusal = Refusal(MeshRangeText(what, static_cast<double>(possible), held, kDecimal,
                                        "filling the facade"),
                          spacing);
        return false;
      }
      count = static_cast<std::int16_t>(possible);
      return true;
    }
    NumberText numbers = PageNumbers();
    if (!numbers.IsIntegerText(text)) {
      refusal = Refusal(MeshNotANumberText(what, Trimmed(Text(box)), fits, true, kDecimal), box);
      return false;
    }
    const double typed = numbers.TextToNumber(text);
    if (!fits.Contains(static_cast<float>(typed))) {
      refusal = Refusal(MeshRangeText(what, typed, fits, kDecimal), box);
      return false;
    }
    count = static_cast<std::int16_t>(std::lround(typed));
    return true;
  }

  val boxes_;
  bool fill_;
  bool wall_;
  float L_;
  float zmin_;
  float zmax_;
};

val UserMesh(const val& boxes, bool fill, bool wall, float L, float H) {
  return UserMeshReading(boxes, fill, wall, L, H).Read();
}

}  // namespace

EMSCRIPTEN_BINDINGS(mesh) {
  emscripten::function("autoMeshCount", &AutoMeshCount);
  emscripten::function("autoMeshCoordinate", &AutoMeshCoordinate);
  emscripten::function("autoMesh", &AutoMesh);
  emscripten::function("userMesh", &UserMesh);
}

}  // namespace ventora::web
