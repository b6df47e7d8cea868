// The runway page's ILS search through the host: a GPS module that keeps a
// nearest-VOR list and answers for the VOR named in "WaypointVorICAO", and
// the two lines the page shows under the runway.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commands_fixture.h"

namespace skelbor_test {
namespace {

using ::testing::ElementsAre;

struct Vor {
  std::string icao;
  std::string name;
  double hertz;
};

// The runway lines show at most this many characters.
constexpr std::size_t kLineChars = 32;

class RunwayRefreshTest : public CommandsTest {
 protected:
  void DescribeVors(const std::vector<Vor>& vors) {
    vors_ = vors;
    gps.SetStoredNumber("NearestVorItemsNumber", static_cast<double>(vors_.size()));
    gps.OnReadText("NearestVorCurrentICAO", [this] { return AtLine() ? AtLine()->icao : ""; });
    gps.OnReadNumber("NearestVorCurrentFrequency",
                     [this] { return AtLine() ? AtLine()->hertz : 0.0; });
    gps.OnReadText("WaypointVorName", [this] {
      const int line = static_cast<int>(gps.StoredNumber("NearestVorCurrentLine"));
      if (examined_.empty() || examined_.back() != line) examined_.push_back(line);
      for (const Vor& vor : vors_) {
        if (vor.icao == gps.StoredText("WaypointVorICAO")) return vor.name;
      }
      return std::string();
    });
  }

  // The airport KSEA with one runway, on the runway page.
  void LoadRunway(const std::string& designation, double lighting) {
    DescribeAirport("KSEA", 47.4, -122.3);
    gps.SetStoredNumber("WaypointAirportRunwaysNumber", 1);
    gps.SetStoredText("WaypointAirportRunwayDesignation", designation);
    gps.SetStoredNumber("WaypointAirportRunwayLighting", lighting);
    Load();
    panel->RunFrames(3);
    for (int press = 0; press < 3; ++press) Click(Button::kPage);
  }

  std::vector<std::string> RunwayLines() const {
    return {Line("runwayIlsLine1"), Line("runwayIlsLine2")};
  }

  static std::string Shown(const std::string& line) { return line.substr(0, kLineChars); }

  const Vor* AtLine() const {
    const double line = gps.StoredNumber("NearestVorCurrentLine");
    if (line < 0 || line >= static_cast<double>(vors_.size())) return nullptr;
    return &vors_[static_cast<std::size_t>(line)];
  }

  std::vector<Vor> vors_;
  std::vector<int> examined_;
};

const Vor kIsnq09L = {"I  KSEA ISNQ", "ISNQ 09L", 110.3e6};
const Vor kSeattle27R = {"V  K1   SEA", "SEATTLE 27R", 116.8e6};  // not the airport's
const Vor kIszi27R = {"I  KSEA ISZI", "ISZI 27R", 111.7e6};

TEST_F(RunwayRefreshTest, WalkVisitsTheListUpwardsFromTheFirstLine) {
  DescribeVors({kIsnq09L, kSeattle27R, kIszi27R});
  LoadRunway("09L-27R", 0.0);
  panel->RunFrames(10);  // five refreshes
  EXPECT_THAT(examined_, ElementsAre(0, 2, 1, 0, 2));
  EXPECT_EQ(TooltipOf(Button::kBlank), kIszi27R.icao);  // the VOR examined last
}

TEST_F(RunwayRefreshTest, EachRunwayEndFindsItsIls) {
  struct Case {
    const char* designation;
    std::vector<Vor> vors;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"09L-27R", {kIsnq09L, kSeattle27R, kIszi27R}, {"ISNQ 09L 110.30", "ISZI 27R 111.70"}},
      {"N-S-1",
       {{"I  KSEA INSX", "INSX N-S", 109.9e6}, {"I  KSEA IONE", "IONE 1", 110.1e6}},
       {"INSX N-S 109.90", "IONE 1 110.10"}},
      {"09", {{"I  KSEA INOD", "INOD 09", 109.5e6}}, {"INOD 09 109.50", ""}},
      {"09L-27R", {}, {"", ""}},
  };
  for (const Case& c : cases) {
    DescribeVors(c.vors);
    LoadRunway(c.designation, 0.0);
    panel->RunFrames(12);
    EXPECT_EQ(RunwayLines(), c.lines) << c.designation << " " << c.vors.size();
    Restart();
  }
}

TEST_F(RunwayRefreshTest, LightingGoesToTheShorterLine) {
  struct Case {
    std::vector<Vor> vors;
    double lighting;
    std::string line1;
    std::string line2;
  };
  const Vor long09L = {"I  KSEA ILNG", "ILS RWY 09L ISNQ", 110.3e6};   // a 23-character line
  const Vor long27R = {"I  KSEA ILNH", "ILS RWY 27R ISZIX", 111.7e6};  // a 24-character line
  const Case cases[] = {
      {{kIsnq09L}, 3, "ISNQ 09L 110.30", "Lights: Full Time"},
      {{}, 2, "Lights: Part Time", ""},
      {{long09L, long27R}, 1, "ILS RWY 09L ISNQ 110.30   Lts: None", "ILS RWY 27R ISZIX 111.70"},
      {{kIsnq09L, kIszi27R}, 4, "ISNQ 09L 110.30   Lights: Frequency", "ISZI 27R 111.70"},
      {{kIsnq09L}, 5, "ISNQ 09L 110.30", "Lights: "},
      {{kIsnq09L}, 0, "ISNQ 09L 110.30", ""},
      {{kIsnq09L}, -1, "ISNQ 09L 110.30", ""},
  };
  for (const Case& c : cases) {
    DescribeVors(c.vors);
    LoadRunway("09L-27R", c.lighting);
    panel->RunFrames(12);
    EXPECT_THAT(RunwayLines(), ElementsAre(Shown(c.line1), Shown(c.line2))) << c.lighting;
    Restart();
  }
}

// "Lights: " shortens to "Lts: " only past 25 characters of the line before it.
TEST_F(RunwayRefreshTest, LightingLabelShortensOnlyPastTwentyFiveCharacters) {
  const Vor line22 = {"I  KSEA ILNG", "ILS RWY 09L ISN", 110.3e6};    // a 22-character line
  const Vor line23 = {"I  KSEA ILNG", "ILS RWY 09L ISNQ", 110.3e6};   // a 23-character line
  const Vor line24 = {"I  KSEA ILNH", "ILS RWY 27R ISZIX", 111.7e6};  // a 24-character line
  DescribeVors({line22, line24});
  LoadRunway("09L-27R", 1);
  panel->RunFrames(12);
  EXPECT_EQ(RunwayLines()[0], Shown("ILS RWY 09L ISN 110.30   Lights: None"));
  Restart();
  DescribeVors({line23, line24});
  LoadRunway("09L-27R", 1);
  panel->RunFrames(12);
  EXPECT_EQ(RunwayLines()[0], Shown("ILS RWY 09L ISNQ 110.30   Lts: None"));
}

// On the runway page a current frequency at or past the list's end goes
// back to the first.
TEST_F(RunwayRefreshTest, FrequencyLineBeyondTheListGoesBackToTheFirst) {
  for (const double current : {4.0, 5.0}) {
    gps.SetStoredNumber("WaypointAirportFrequenciesNumber", 4.0);
    gps.SetStoredNumber("WaypointAirportCurrentFrequency", current);
    DescribeVors({});
    LoadRunway("09L-27R", 0.0);
    panel->RunFrames(12);
    EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentFrequency"), 0.0) << current;
    Restart();
  }
}

// Phase 1 brings a current runway at or past the list's end back to the first.
TEST_F(RunwayRefreshTest, RunwayBeyondTheListGoesBackToTheFirst) {
  for (const double current : {1.0, 2.0}) {
    DescribeVors({});
    LoadRunway("09L-27R", 0.0);  // one runway
    gps.SetStoredNumber("WaypointAirportCurrentRunway", current);
    panel->RunFrames(12);
    EXPECT_EQ(gps.StoredNumber("WaypointAirportCurrentRunway"), 0.0) << current;
    Restart();
  }
}

TEST_F(RunwayRefreshTest, SteppingToAnotherRunwayForgetsTheIlsFound) {
  DescribeVors({kIsnq09L, kSeattle27R, kIszi27R});
  LoadRunway("09L-27R", 0.0);
  panel->RunFrames(12);
  EXPECT_THAT(RunwayLines(), ElementsAre("ISNQ 09L 110.30", "ISZI 27R 111.70"));

  gps.SetStoredText("WaypointAirportRunwayDesignation", "16-34");
  Click(Button::kNext);
  panel->RunFrames(12);
  EXPECT_THAT(RunwayLines(), ElementsAre("", ""));
}

}  // namespace
}  // namespace skelbor_test
