#include "ring_fill.h"

#include <algorithm>
#include <utility>

#include "orientation.h"

namespace ventora::site {
namespace {

// An edge from its left end to its right end (equal x only for edges
// kept for counting crossings).
struct Edge {
  XY left, right;
  int set = 0;
};

void AddEdges(const std::vector<Ring>& rings, int set, bool vertical, std::vector<Edge>& edges) {
  for (const Ring& ring : rings) {
    std::size_t n = ring.size();
    if (n > 1 && ring.front().x == ring.back().x && ring.front().y == ring.back().y) --n;
    for (std::size_t i = 0; i < n; ++i) {
      XY a = ring[i], b = ring[(i + 1) % n];
      if (a.x == b.x && (!vertical || a.y == b.y)) continue;
      if (b.x < a.x || (b.x == a.x && b.y < a.y)) std::swap(a, b);
      edges.push_back({a, b, set});
    }
  }
}

void SortByLeftEnd(std::vector<Edge>& edges) {
  std::sort(edges.begin(), edges.end(),
            [](const Edge& a, const Edge& b) { return a.left.x < b.left.x; });
}

bool Crossing(const Edge& a, const Edge& b) {
  return Orientation(a.left, a.right, b.left) * Orientation(a.left, a.right, b.right) < 0 &&
         Orientation(b.left, b.right, a.left) * Orientation(b.left, b.right, a.right) < 0;
}

// Calls `pair` with every two edges whose boxes meet, until it says stop;
// the edges sorted by their left ends.
template <typename Pair>
void ForEachNearPair(const std::vector<Edge>& edges, Pair pair) {
  std::vector<const Edge*> active;
  for (const Edge& e : edges) {
    std::erase_if(active, [&](const Edge* a) { return a->right.x < e.left.x; });
    const double low = std::min(e.left.y, e.right.y), high = std::max(e.left.y, e.right.y);
    for (const Edge* a : active)
      if (std::max(a->left.y, a->right.y) >= low && std::min(a->left.y, a->right.y) <= high &&
          !pair(*a, e))
        return;
    active.push_back(&e);
  }
}

// Where two crossing edges meet, along x.
double CrossingX(const Edge& a, const Edge& b) {
  const XY d{a.right.x - a.left.x, a.right.y - a.left.y};
  const XY e{b.right.x - b.left.x, b.right.y - b.left.y};
  const double t =
      ((b.left.x - a.left.x) * e.y - (b.left.y - a.left.y) * e.x) / (d.x * e.y - d.y * e.x);
  const double x = a.left.x + t * d.x;
  return std::clamp(x, std::max(a.left.x, b.left.x), std::min(a.right.x, b.right.x));
}

double YAt(const Edge& e, double x) {
  if (x == e.left.x) return e.left.y;
  if (x == e.right.x) return e.right.y;
  return e.left.y + (x - e.left.x) * (e.right.y - e.left.y) / (e.right.x - e.left.x);
}

// A covered run of a strip: between edges `low` and `high`, from x `from`
// to x `to` (strips with the same two edges are joined).
struct Piece {
  std::size_t low, high;
  double from, to;
};

// Which owners cover, as the edges of a strip are crossed from below.
class Cover {
 public:
  Cover(const std::vector<RingSet>& sets, int least)
      : odd_(sets.size(), 0), owners_(sets.size()), least_(least) {
    for (std::size_t s = 0; s < sets.size(); ++s)
      owners_[s] = sets[s].owner;
    int most = 0;
    for (const RingSet& s : sets)
      most = std::max(most, s.owner);
    oddSets_.assign(static_cast<std::size_t>(most) + 1, 0);
  }
  bool Covered() const { return covering_ >= least_; }
  void Cross(int set) {
    const auto s = static_cast<std::size_t>(set);
    int& count = oddSets_[static_cast<std::size_t>(owners_[s])];
    odd_[s] ^= 1;
    if (odd_[s]) {
      if (count++ == 0) ++covering_;
    } else if (--count == 0) {
      --covering_;
    }
  }

 private:
  std::vector<char> odd_;
  std::vector<int> owners_, oddSets_;
  int covering_ = 0, least_;
};

}  // namespace

std::vector<Ring> FilledPieces(const std::vector<RingSet>& sets, int least) {
  std::vector<Edge> edges;
  for (std::size_t s = 0; s < sets.size(); ++s)
    AddEdges(sets[s].rings, static_cast<int>(s), false, edges);
  SortByLeftEnd(edges);
  std::vector<double> xs;
  for (const Edge& e : edges) {
    xs.push_back(e.left.x);
    xs.push_back(e.right.x);
  }
  ForEachNearPair(edges, [&](const Edge& a, const Edge& b) {
    if (Crossing(a, b)) xs.push_back(CrossingX(a, b));
    return true;
  });
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

  Cover cover(sets, least);
  std::vector<Piece> pieces;
  std::vector<std::size_t> open, active;  // pieces of the last strip; edges across this one
  std::vector<std::pair<double, std::size_t>> order;
  std::size_t next = 0;
  for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
    const double from = xs[k], to = xs[k + 1], middle = (from + to) / 2;
    std::erase_if(active, [&](std::size_t e) { return edges[e].right.x <= from; });
    for (; next < edges.size() && edges[next].left.x <= from; ++next)
      active.push_back(next);
    order.clear();
    for (std::size_t e : active)
      order.emplace_back(YAt(edges[e], middle), e);
    std::sort(order.begin(), order.end());
    std::vector<std::size_t> runs;
    std::size_t low = 0;
    for (const auto& entry : order) {
      const std::size_t e = entry.second;  // a lambda below takes it: no structured binding
      const bool before = cover.Covered();
      cover.Cross(edges[e].set);
      if (!before && cover.Covered()) low = e;
      if (!before || cover.Covered()) continue;
      const auto same = std::find_if(open.begin(), open.end(), [&](std::size_t p) {
        return pieces[p].low == low && pieces[p].high == e;
      });
      if (same != open.end()) {
        pieces[*same].to = to;
        runs.push_back(*same);
      } else {
        runs.push_back(pieces.size());
        pieces.push_back({low, e, from, to});
      }
    }
    open = std::move(runs);
  }
  std::vector<Ring> rings;
  rings.reserve(pieces.size());
  for (const Piece& p : pieces) {
    const Edge &low = edges[p.low], &high = edges[p.high];
    rings.push_back({{p.from, YAt(low, p.from)},
                     {p.to, YAt(low, p.to)},
                     {p.to, YAt(high, p.to)},
                     {p.from, YAt(high, p.from)}});
  }
  return rings;
}

std::size_t Crossings(const std::vector<Ring>& rings, std::size_t most) {
  std::vector<Edge> edges;
  AddEdges(rings, 0, true, edges);
  SortByLeftEnd(edges);
  std::size_t count = 0;
  ForEachNearPair(edges, [&](const Edge& a, const Edge& b) {
    if (Crossing(a, b)) ++count;
    return count < most;
  });
  return count;
}

}  // namespace ventora::site
