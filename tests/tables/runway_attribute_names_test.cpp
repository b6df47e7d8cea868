#include "tables/runway_attribute_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct Name {
  std::int32_t code;
  const char* name;
};

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(RunwayLightingName, ListedCodesAndEmptyFallback) {
  constexpr Name kNames[] = {{0, "Unknown"},   {1, "None"}, {2, "Part Time"}, {3, "Full Time"},
                             {4, "Frequency"}, {5, ""},     {-1, ""},         {101, ""},
                             {kMin, ""},       {kMax, ""}};
  for (const Name& n : kNames) EXPECT_STREQ(RunwayLightingName(n.code), n.name) << n.code;
}

TEST(RunwaySurfaceName, ListedCodesAndUnknownFallback) {
  constexpr Name kNames[] = {
      {1, "Concrete"},  {2, "Asphalt"},     {101, "Grass"},    {102, "Turf"},
      {103, "Dirt"},    {104, "Coral"},     {105, "Gravel"},   {106, "Oil Treated"},
      {107, "Steel"},   {108, "Bituminus"}, {109, "Brick"},    {110, "Macadam"},
      {111, "Planks"},  {112, "Sand"},      {113, "Shale"},    {114, "Tarmac"},
      {115, "Snow"},    {116, "Ice"},       {201, "Water"},    {0, "Unknown"},
      {3, "Unknown"},   {100, "Unknown"},   {117, "Unknown"},  {200, "Unknown"},
      {202, "Unknown"}, {-1, "Unknown"},    {-101, "Unknown"}, {kMin, "Unknown"},
      {kMax, "Unknown"}};
  for (const Name& n : kNames) EXPECT_STREQ(RunwaySurfaceName(n.code), n.name) << n.code;
}

}  // namespace
