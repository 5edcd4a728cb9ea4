#pragma once
// The regular meshes that fill a facade with elements: the settings the two
// mesh dialogs leave behind and the node positions they stand for.

#include <cstdint>
#include <string>
#include <vector>

#include "core/job.h"

namespace ventora {

inline constexpr int kMaxMeshNodes = 400;

// What the mesh dialogs last accepted; kept between uses.
struct MeshSettings {
  std::int16_t MeshNH = 0;  // nodes across
  std::int16_t MeshNV = 0;  // nodes up (across the second roof direction)
  float MeshX0 = 0;         // first node, m
  float MeshZ0 = 0;
  float MeshDX = 0;  // spacing, m
  float MeshDZ = 0;
  bool MeshAccepted = false;  // a mesh dialog was confirmed
};

struct MeshNode {
  float x = 0;
  float z = 0;
};

// Automatic mesh: each of n nodes sits at the centre of one of n equal strips
// of the extent; a single node stands at the typed MeshX0 / MeshZ0. Sets
// MeshDX and MeshDZ for more than one node. Rows of nodes bottom first.
std::vector<MeshNode> AutoMeshNodes(MeshSettings& mesh, FacadeExtents extents);

// User mesh: MeshNH x MeshNV nodes from the first node at the given spacings.
std::vector<MeshNode> UserMeshNodes(const MeshSettings& mesh);

// A node coordinate as the grid shows it: at most two decimals (halves
// rounded away from zero), no trailing zeros, the given decimal separator.
std::string NodeText(double value, char decimal);

}  // namespace ventora
