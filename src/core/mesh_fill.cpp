#include "core/mesh_fill.h"

#include <cmath>
#include <cstdio>

namespace ventora {
namespace {

// Single-precision arithmetic, as the mesh values are 32-bit.
std::vector<MeshNode> Nodes(int nh, int nv, float x0, float z0, float dx, float dz) {
  std::vector<MeshNode> nodes;
  if (nh <= 0 || nv <= 0) return nodes;
  nodes.reserve(static_cast<std::size_t>(nh) * static_cast<std::size_t>(nv));
  for (int j = 1; j <= nv; ++j)
    for (int i = 1; i <= nh; ++i)
      nodes.push_back({static_cast<float>(i - 1) * dx + x0, static_cast<float>(j - 1) * dz + z0});
  return nodes;
}

}  // namespace

std::vector<MeshNode> AutoMeshNodes(MeshSettings& mesh, FacadeExtents extents) {
  float x0 = mesh.MeshX0;
  float z0 = mesh.MeshZ0;
  if (mesh.MeshNH >= 2) {
    mesh.MeshDX = extents.L / static_cast<float>(mesh.MeshNH);
    x0 = mesh.MeshDX / 2;
  }
  if (mesh.MeshNV >= 2) {
    mesh.MeshDZ = extents.H / static_cast<float>(mesh.MeshNV);
    z0 = mesh.MeshDZ / 2;
  }
  return Nodes(mesh.MeshNH, mesh.MeshNV, x0, z0, mesh.MeshDX, mesh.MeshDZ);
}

std::vector<MeshNode> UserMeshNodes(const MeshSettings& mesh) {
  return Nodes(mesh.MeshNH, mesh.MeshNV, mesh.MeshX0, mesh.MeshZ0, mesh.MeshDX, mesh.MeshDZ);
}

std::string NodeText(double value, char decimal) {
  const double hundredths = std::round(value * 100.0);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", hundredths / 100.0);
  std::string text = buf;
  while (!text.empty() && text.back() == '0')
    text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  const auto point = text.find('.');
  if (point != std::string::npos) text[point] = decimal;
  return text;
}

}  // namespace ventora
