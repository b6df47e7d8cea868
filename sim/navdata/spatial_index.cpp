#include "sim/navdata/spatial_index.h"

#include <algorithm>
#include <cmath>
#include <queue>

namespace sim::navdata {

namespace {

// Ranges this small are scanned rather than split further.
constexpr std::size_t kLeafSize = 8;
// Slack on the chord limit so that rounding cannot drop a point that lies on
// the distance limit; the exact distance decides afterwards.
constexpr double kChordSlack = 1e-9;

struct Candidate {
  double chordSquared;
  std::uint32_t item;
  bool operator<(const Candidate& other) const {
    return chordSquared != other.chordSquared ? chordSquared < other.chordSquared
                                              : item < other.item;
  }
};

}  // namespace

struct SpatialIndex::Search {
  double xyz[3];
  double limit;  // squared chord beyond which nothing can qualify
  std::size_t maxItems;
  const Accept& accept;
  std::priority_queue<Candidate> best;  // the worst kept candidate on top

  double Bound() const {
    return best.size() == maxItems ? std::min(limit, best.top().chordSquared) : limit;
  }

  void Consider(const Node& node) {
    const double dx = node.xyz[0] - xyz[0];
    const double dy = node.xyz[1] - xyz[1];
    const double dz = node.xyz[2] - xyz[2];
    const Candidate candidate{dx * dx + dy * dy + dz * dz, node.item};
    if (candidate.chordSquared > limit) return;
    if (best.size() == maxItems && !(candidate < best.top())) return;
    if (accept && !accept(node.item)) return;
    if (best.size() == maxItems) best.pop();
    best.push(candidate);
  }
};

SpatialIndex::SpatialIndex(std::span<const GeoPoint> points)
    : points_(points.begin(), points.end()) {
  nodes_.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const UnitVector v = ToUnitVector(points[i]);
    nodes_.push_back({{v.x, v.y, v.z}, static_cast<std::uint32_t>(i), 0});
  }
  Build(0, nodes_.size());
}

void SpatialIndex::Build(std::size_t begin, std::size_t end) {
  if (end - begin <= kLeafSize) return;
  double low[3] = {2.0, 2.0, 2.0};
  double high[3] = {-2.0, -2.0, -2.0};
  for (std::size_t i = begin; i < end; ++i) {
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], nodes_[i].xyz[a]);
      high[a] = std::max(high[a], nodes_[i].xyz[a]);
    }
  }
  std::uint8_t axis = 0;
  for (std::uint8_t a = 1; a < 3; ++a) {
    if (high[a] - low[a] > high[axis] - low[axis]) axis = a;
  }
  const std::size_t middle = begin + (end - begin) / 2;
  std::nth_element(nodes_.begin() + static_cast<std::ptrdiff_t>(begin),
                   nodes_.begin() + static_cast<std::ptrdiff_t>(middle),
                   nodes_.begin() + static_cast<std::ptrdiff_t>(end),
                   [axis](const Node& a, const Node& b) { return a.xyz[axis] < b.xyz[axis]; });
  nodes_[middle].axis = axis;
  Build(begin, middle);
  Build(middle + 1, end);
}

void SpatialIndex::Visit(Search& search, std::size_t begin, std::size_t end) const {
  if (end - begin <= kLeafSize) {
    for (std::size_t i = begin; i < end; ++i) search.Consider(nodes_[i]);
    return;
  }
  const std::size_t middle = begin + (end - begin) / 2;
  const Node& node = nodes_[middle];
  search.Consider(node);
  const double offset = search.xyz[node.axis] - node.xyz[node.axis];
  const bool nearIsLow = offset < 0.0;
  if (nearIsLow) {
    Visit(search, begin, middle);
  } else {
    Visit(search, middle + 1, end);
  }
  if (offset * offset <= search.Bound()) {
    if (nearIsLow) {
      Visit(search, middle + 1, end);
    } else {
      Visit(search, begin, middle);
    }
  }
}

std::vector<NearestHit> SpatialIndex::Nearest(GeoPoint centre, double maxMetres,
                                              std::size_t maxItems, const Accept& accept) const {
  std::vector<NearestHit> hits;
  if (maxItems == 0 || !(maxMetres >= 0.0) || nodes_.empty()) return hits;
  const UnitVector v = ToUnitVector(centre);
  Search search{{v.x, v.y, v.z},
                ChordSquaredForMetres(maxMetres) * (1.0 + kChordSlack) + 1e-14,
                maxItems,
                accept,
                {}};
  Visit(search, 0, nodes_.size());
  hits.reserve(search.best.size());
  while (!search.best.empty()) {
    const std::uint32_t item = search.best.top().item;
    search.best.pop();
    const double metres = GreatCircleMetres(centre, points_[item]);
    if (metres <= maxMetres) hits.push_back({item, metres});
  }
  std::sort(hits.begin(), hits.end(), [](const NearestHit& a, const NearestHit& b) {
    return a.distanceMetres != b.distanceMetres ? a.distanceMetres < b.distanceMetres
                                                : a.item < b.item;
  });
  return hits;
}

}  // namespace sim::navdata
