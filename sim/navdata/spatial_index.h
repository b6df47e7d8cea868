#pragma once

// Nearest-neighbour searches on the sphere: a k-d tree over the points' unit
// vectors, built once. Chord length grows with great-circle distance, so the
// tree can prune by it; results carry the great-circle distance.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "sim/navdata/geo.h"

namespace sim::navdata {

struct NearestHit {
  std::uint32_t item = 0;  // index of the point as given to the index
  double distanceMetres = 0.0;
};

class SpatialIndex {
 public:
  // Whether a candidate may be in the result; empty accepts every point.
  using Accept = std::function<bool(std::uint32_t item)>;

  SpatialIndex() = default;
  explicit SpatialIndex(std::span<const GeoPoint> points);

  std::size_t Size() const { return nodes_.size(); }

  // Up to `maxItems` accepted points within `maxMetres` of `centre` (the
  // limit included), nearest first; equal distances in item order.
  std::vector<NearestHit> Nearest(GeoPoint centre, double maxMetres, std::size_t maxItems,
                                  const Accept& accept = {}) const;

 private:
  struct Node {
    double xyz[3];
    std::uint32_t item;
    std::uint8_t axis;  // splitting axis of the subtree centred here
  };
  struct Search;

  void Build(std::size_t begin, std::size_t end);
  void Visit(Search& search, std::size_t begin, std::size_t end) const;

  // Implicit tree: the subtree of [begin, end) has its splitting node at the
  // middle, the halves left and right of it.
  std::vector<Node> nodes_;
  std::vector<GeoPoint> points_;
};

}  // namespace sim::navdata
