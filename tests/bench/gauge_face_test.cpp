#include "sim/bench/gauge_face.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sim/draw/bmp.h"
#include "sim/draw/face.h"
#include "sim/host/element_names.h"
#include "tests/bench/bench_fixture.h"

namespace bench_test {
namespace {

struct Dumped {
  draw::Rgb colour;
  std::string text;
};

// The `screen` lines: name -> colour and text.
std::map<std::string, Dumped> ParseScreen(const std::string& out) {
  std::map<std::string, Dumped> dumped;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    if (tab1 == std::string::npos) continue;
    if (tab2 == std::string::npos) {  // the indicator: its icon number
      dumped[line.substr(0, tab1)] = {draw::Rgb{}, line.substr(tab1 + 1)};
      continue;
    }
    const unsigned long rgb = std::stoul(line.substr(tab1 + 1, 6), nullptr, 16);
    dumped[line.substr(0, tab1)] = {
        draw::Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                  static_cast<std::uint8_t>(rgb)},
        line.substr(tab2 + 1)};
  }
  return dumped;
}

bool Inside(const sim::ElementView& element, int x, int y) {
  return x >= element.x && y >= element.y && x < element.x + element.width &&
         y < element.y + element.height;
}

TEST_F(BenchTest, TheDrawnFaceShowsWhatTheScreenDumpSays) {
  struct Case {
    const char* what;
    std::string commands;
    int steering;
  };
  const std::vector<Case> cases = {
      {"airport page", "", 0},
      {"details page", "click PAGE\nframes 3\n", 0},
      {"saved list while steering", "click STO\nframes 3\nclick ACT\nframes 3\n", 1},
  };
  const draw::Font font(draw::kGaugeFontPath, draw::kGaugeFontPixelsPerEm);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(Run(std::string(kSeattle) + c.commands + "screen\n"), bench::kAllHeld) << err_.str();
    const std::map<std::string, Dumped> dumped = ParseScreen(out_.str());
    ASSERT_GT(dumped.size(), 10u);
    EXPECT_EQ(dumped.at("steeringIndicator").text, std::to_string(c.steering));

    sim::Panel& panel = *runner_->LoadedPanel();
    bench::BitmapFolder bitmaps(panel.Library().Folder());
    const sim::Gauge& gps = *panel.FindGauge("gps");
    const draw::Image face = draw::RenderFace(bench::FaceOf(gps, bitmaps), font);
    const draw::Image background = draw::LoadBmp(panel.Library().Folder() / "256.bmp");
    ASSERT_EQ(face.Width(), background.Width());
    ASSERT_EQ(face.Height(), background.Height());

    std::vector<sim::ElementView> shown;
    for (const sim::ElementView& element : gps.Elements()) {
      if (element.type != ELEMENT_TYPE_STRING) continue;
      const std::string name(sim::kGpsElementNames[static_cast<std::size_t>(element.index)]);
      EXPECT_EQ(dumped.count(name) == 1, !element.hidden) << name;
      if (!element.hidden) shown.push_back(element);
    }
    // Only shown boxes and the indicator change the background; the
    // indicator is red exactly while steering.
    const sim::ElementView indicator{.x = 235, .y = 65, .width = 10, .height = 10};
    for (int y = 0; y < face.Height(); ++y) {
      for (int x = 0; x < face.Width(); ++x) {
        if (face.At(x, y) == background.At(x, y) || Inside(indicator, x, y)) continue;
        bool in_box = false;
        for (const sim::ElementView& element : shown) in_box = in_box || Inside(element, x, y);
        EXPECT_TRUE(in_box) << "pixel " << x << "," << y << " outside every shown element";
      }
    }
    EXPECT_EQ(face.At(240, 70) == (draw::Rgb{255, 0, 0}), c.steering == 1);
    // Every shown text is drawn in its dumped colour: its fully covered
    // pixels carry exactly that colour.
    for (const sim::ElementView& element : shown) {
      const std::string name(sim::kGpsElementNames[static_cast<std::size_t>(element.index)]);
      const Dumped& dump = dumped.at(name);
      if (dump.text.find_first_not_of(' ') == std::string::npos) continue;
      int inked = 0;
      for (int y = element.y; y < element.y + element.height; ++y) {
        for (int x = element.x; x < element.x + element.width && x < face.Width(); ++x) {
          if (face.At(x, y) == dump.colour) ++inked;
        }
      }
      EXPECT_GT(inked, 0) << name << " \"" << dump.text << "\"";
    }
  }
}

TEST_F(BenchTest, TheSheetPutsBothGaugesSideBySideAtTheScale) {
  ASSERT_EQ(Run(std::string(kSeattle) + "png sheet.png 3\n"), bench::kAllHeld) << err_.str();
  EXPECT_GT(std::filesystem::file_size("sheet.png"), 0u);
  sim::Panel& panel = *runner_->LoadedPanel();
  bench::BitmapFolder bitmaps(panel.Library().Folder());
  const draw::Font font(draw::kGaugeFontPath, draw::kGaugeFontPixelsPerEm);
  const draw::Face gps = bench::FaceOf(*panel.FindGauge("gps"), bitmaps);
  const draw::Face icon = bench::FaceOf(*panel.FindGauge("icon"), bitmaps);
  // The icon gauge is its bitmap and nothing else.
  EXPECT_EQ(draw::RenderFace(icon, font), bitmaps.Bitmap(768));

  const draw::Image sheet = bench::FacesSideBySide({gps, icon}, font, 3);
  ASSERT_EQ(sheet.Width(), 3 * (250 + 10 + 50));
  ASSERT_EQ(sheet.Height(), 3 * 130);
  const draw::Image gps_face = draw::RenderFace(gps, font, 3);
  const draw::Image icon_face = draw::RenderFace(icon, font, 3);
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < 750; ++x) ASSERT_EQ(sheet.At(x, y), gps_face.At(x, y));
  }
  for (int y = 0; y < icon_face.Height(); ++y) {
    for (int x = 0; x < icon_face.Width(); ++x) ASSERT_EQ(sheet.At(780 + x, y), icon_face.At(x, y));
  }
}

}  // namespace
}  // namespace bench_test
