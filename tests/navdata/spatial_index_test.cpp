#include "sim/navdata/spatial_index.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/navdata/world.h"
#include "test_files.h"

namespace {

using namespace sim::navdata;

const World& Bundled() {
  static const World world = [] {
    LoadReport report;
    return World::Load(navdata_test::BundledApt(), navdata_test::BundledNav(), report);
  }();
  return world;
}

template <class Item, class Accept>
std::vector<NearestHit> BruteForce(const std::vector<Item>& items, GeoPoint centre,
                                   double maxMetres, std::size_t maxItems, Accept accept) {
  std::vector<NearestHit> hits;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const double metres = GreatCircleMetres(centre, items[i].position);
    if (metres <= maxMetres && accept(items[i])) {
      hits.push_back({static_cast<std::uint32_t>(i), metres});
    }
  }
  std::sort(hits.begin(), hits.end(), [](const NearestHit& a, const NearestHit& b) {
    return a.distanceMetres != b.distanceMetres ? a.distanceMetres < b.distanceMetres
                                                : a.item < b.item;
  });
  if (hits.size() > maxItems) hits.resize(maxItems);
  return hits;
}

void ExpectSameHits(const std::vector<NearestHit>& actual, const std::vector<NearestHit>& expected,
                    const std::string& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].item, expected[i].item) << what << " #" << i;
    EXPECT_DOUBLE_EQ(actual[i].distanceMetres, expected[i].distanceMetres) << what << " #" << i;
  }
}

struct Search {
  GeoPoint centre;
  double maxNm;
  std::size_t maxItems;
};

const Search kSearches[] = {
    {{47.4502, -122.3123}, 20.0, 20},    // Seattle: dense
    {{47.4502, -122.3123}, 250.0, 500},  // beyond the dense area's edge
    {{47.4502, -122.3123}, 0.0, 5},      // nothing but what sits on the centre
    {{48.0, -123.0}, 10000.0, 1},
    {{51.47, -0.45}, 500.0, 15},   // London
    {{-16.0, 179.9}, 3000.0, 25},  // across the date line
    {{89.9, 0.0}, 2000.0, 10},     // the pole
    {{-90.0, 0.0}, 12000.0, 40},
    {{0.0, 0.0}, 10800.0, 100000},  // half the earth, no count limit
};

TEST(SpatialIndex, NearestAirportsAndNdbsAgreeWithABruteForceScan) {
  const World& world = Bundled();
  const auto any = [](const auto&) { return true; };
  for (const Search& s : kSearches) {
    const double metres = s.maxNm * kMetresPerNauticalMile;
    const std::string what = std::to_string(s.centre.latitude) + "," +
                             std::to_string(s.centre.longitude) + " " + std::to_string(s.maxNm);
    ExpectSameHits(world.NearestAirports(s.centre, metres, s.maxItems),
                   BruteForce(world.Airports(), s.centre, metres, s.maxItems, any), "apt " + what);
    ExpectSameHits(world.NearestNdbs(s.centre, metres, s.maxItems),
                   BruteForce(world.Ndbs(), s.centre, metres, s.maxItems, any), "ndb " + what);
  }
}

TEST(SpatialIndex, NearestVorsHonourTheKindFilter) {
  const World& world = Bundled();
  // ILS only (the runway refresh), everything but ILS (the navaid page), all, and one kind.
  const std::uint32_t filters[] = {64, 191, kAllVorKinds, VorFilterBit(VorKind::Tacan), 0};
  for (const Search& s : kSearches) {
    for (const std::uint32_t filter : filters) {
      const double metres = s.maxNm * kMetresPerNauticalMile;
      const auto accept = [filter](const Vor& v) { return (filter & VorFilterBit(v.kind)) != 0; };
      ExpectSameHits(
          world.NearestVors(s.centre, metres, s.maxItems, filter),
          BruteForce(world.Vors(), s.centre, metres, s.maxItems, accept),
          "filter " + std::to_string(filter) + " at " + std::to_string(s.centre.latitude));
    }
  }
  const auto ils = world.NearestVors({47.4502, -122.3123}, 15000.0, 20, 64);
  ASSERT_FALSE(ils.empty());
  for (const NearestHit& hit : ils) EXPECT_EQ(world.Vors()[hit.item].kind, VorKind::Ils);
}

TEST(SpatialIndex, LimitsOfASearch) {
  // Points one to five degrees of longitude east of the origin, and a
  // duplicate of the first.
  std::vector<GeoPoint> points;
  for (int i = 1; i <= 5; ++i) points.push_back({0.0, static_cast<double>(i)});
  points.push_back({0.0, 1.0});
  const SpatialIndex index(points);
  const double oneDegree = GreatCircleMetres({0.0, 0.0}, {0.0, 1.0});
  const GeoPoint origin{0.0, 0.0};

  EXPECT_TRUE(index.Nearest(origin, 1e9, 0).empty());
  EXPECT_TRUE(index.Nearest(origin, -1.0, 10).empty());
  EXPECT_TRUE(index.Nearest(origin, oneDegree * 0.999, 10).empty());
  // The limit itself counts; equal distances come in item order.
  const auto two = index.Nearest(origin, oneDegree, 10);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].item, 0u);
  EXPECT_EQ(two[1].item, 5u);
  const auto three = index.Nearest(origin, 1e9, 3);
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[2].item, 1u);
  const auto filtered =
      index.Nearest(origin, 1e9, 2, [](std::uint32_t item) { return item % 2 == 0; });
  ASSERT_EQ(filtered.size(), 2u);
  EXPECT_EQ(filtered[0].item, 0u);
  EXPECT_EQ(filtered[1].item, 2u);
  EXPECT_TRUE(SpatialIndex().Nearest(origin, 1e9, 5).empty());
}

TEST(Geo, DistancesAndCoursesOnTheSphere) {
  EXPECT_NEAR(GreatCircleMetres({0, 0}, {0, 1}), kEarthRadiusMetres * std::numbers::pi / 180, 1e-6);
  EXPECT_NEAR(GreatCircleMetres({0, 0}, {90, 0}), kEarthRadiusMetres * std::numbers::pi / 2, 1e-6);
  EXPECT_NEAR(GreatCircleMetres({0, 0}, {0, 180}), kEarthRadiusMetres * std::numbers::pi, 1e-6);
  EXPECT_EQ(GreatCircleMetres({47.5, -122.3}, {47.5, -122.3}), 0.0);
  EXPECT_NEAR(GreatCircleMetres({0, 179.5}, {0, -179.5}), GreatCircleMetres({0, 0}, {0, 1}), 1e-6);
  EXPECT_NEAR(InitialCourseDegrees({0, 0}, {0, 1}), 90.0, 1e-9);
  EXPECT_NEAR(InitialCourseDegrees({0, 1}, {0, 0}), 270.0, 1e-9);
  EXPECT_NEAR(InitialCourseDegrees({0, 0}, {-1, 0}), 180.0, 1e-9);
  EXPECT_NEAR(InitialCourseDegrees({0, 179.5}, {0, -179.5}), 90.0, 1e-9);
  // Northwards a hair west of north stays near 360, never 360 itself.
  const double course = InitialCourseDegrees({0, 0}, {1, -1e-12});
  EXPECT_GT(course, 359.9);
  EXPECT_LT(course, 360.0);
}

}  // namespace
