// The live bench's doors, in-process: faulty requests are answered 4xx with
// a reason and change nothing; the panel answers clicks, hovers and holds.
#include "sim/serve/http_api.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "sim/serve/sim_loop.h"

namespace {

using nlohmann::json;

class ServeApiTest : public testing::Test {
 protected:
  void SetUp() override {
    serve::SessionOptions options;
    options.moduleFile = SKELBOR_MODULE_FILE;
    options.world = bench::ScriptRunner::WorldFiles::InFolder(SKELBOR_DATA_DIR);
    options.settings = "[Default]\r\nDefaultICAO=KSEA\r\n";
    // The loop's thread loads the module and runs it: it owns the panel.
    std::promise<void> loaded;
    looper_ = std::thread([&] {
      try {
        loop_ = std::make_unique<serve::SimLoop>(options);
      } catch (...) {
        loaded.set_exception(std::current_exception());
        return;
      }
      loaded.set_value();
      loop_->Run();
    });
    loaded.get_future().get();
    serve::RouteApi(server_, *loop_);
    port_ = server_.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    listener_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::yield();
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    ASSERT_EQ(Post("/api/rate", R"({"rate": 0})").first, 200);
  }

  void TearDown() override {
    loop_->Stop();
    server_.stop();
    listener_.join();
    looper_.join();
  }

  std::pair<int, json> Answer(const httplib::Result& result) {
    if (!result) return {0, json()};
    return {result->status, json::parse(result->body, nullptr, false)};
  }
  std::pair<int, json> Post(const std::string& path, const std::string& body) {
    return Answer(client_->Post(path.c_str(), body, "application/json"));
  }
  std::pair<int, json> Get(const std::string& path) { return Answer(client_->Get(path.c_str())); }

  // The state as the page reads it, less what runs on by itself.
  json Settled() {
    json state = Get("/api/state").second;
    for (const char* key : {"keyEvents", "settings", "screen", "trail"})
      EXPECT_TRUE(state.contains(key));
    return state;
  }

  std::thread looper_;
  std::unique_ptr<serve::SimLoop> loop_;
  httplib::Server server_;
  std::thread listener_;
  int port_ = 0;
  std::unique_ptr<httplib::Client> client_;
};

TEST_F(ServeApiTest, FaultyRequestsAreRefusedWithTheirReasonAndChangeNothing) {
  struct Case {
    const char* path;
    const char* body;
    const char* reason;
  };
  const Case cases[] = {
      {"/api/click", "{\"name\": ", "not JSON"},
      {"/api/click", "[1, 2]", "JSON object"},
      {"/api/click", R"({"name": "FLAPS"})", "unknown button \"FLAPS\""},
      {"/api/click", R"({"name": "ACT", "button": "middle"})", "unknown mouse button"},
      {"/api/click", R"({"gauge": "gps", "x": 250, "y": 10})", "off the gps gauge"},
      {"/api/click", R"({"gauge": "gps", "x": 10, "y": -1})", "off the gps gauge"},
      {"/api/click", R"({"gauge": "icon", "x": 60, "y": 10})", "off the icon gauge"},
      {"/api/click", R"({"gauge": "radio", "x": 1, "y": 1})", "no gauge \"radio\""},
      {"/api/click", R"({"gauge": "gps", "x": "ten", "y": 1})", "\"x\" must be a number"},
      {"/api/press", R"({"name": "ACT", "button": "right"})", "only the left button"},
      {"/api/rate", R"({"rate": 1e300})", "\"rate\" must be a number from 0 to 16"},
      {"/api/rate", R"({"rate": 3})", "0 (pause), 1, 4 or 16"},
      {"/api/units", R"({"units": 3})", "\"units\""},
      {"/api/aircraft", R"({"lat": 91})", "\"lat\""},
      {"/api/aircraft", R"({"knots": -5})", "\"knots\""},
      {"/api/wind", R"({"from": 90})", "\"knots\""},
      {"/api/frames", R"({"frames": 0})", "\"frames\""},
      {"/api/seticao", R"({"icao": 5})", "\"icao\" must be a text"},
      {"/api/world", R"({"folder": "/nonexistent"})", "no navigation data"},
  };
  const json before = Settled();
  for (const Case& c : cases) {
    const auto [status, body] = Post(c.path, c.body);
    EXPECT_EQ(status, 400) << c.path << " " << c.body;
    EXPECT_NE(body.value("error", "").find(c.reason), std::string::npos)
        << c.path << " " << c.body << ": " << body.dump();
  }
  const json after = Settled();
  EXPECT_EQ(after["frame"], before["frame"]);
  EXPECT_EQ(after["aircraft"], before["aircraft"]);
  EXPECT_EQ(after["screen"], before["screen"]);
  EXPECT_EQ(after["keyEvents"], before["keyEvents"]);
  EXPECT_EQ(Get("/api/rate").second["rate"], 0);

  EXPECT_EQ(Get("/api/hover?gauge=gps&x=999&y=1").first, 400);
  EXPECT_EQ(Get("/api/map?lat=47&lon=-122").first, 400);  // no radius
  EXPECT_EQ(Get("/api/nothing").first, 404);
}

TEST_F(ServeApiTest, ClicksGoToTheModulesMouseTable) {
  // The row decides: a right click on PAGE calls nothing, on ACT it hands
  // the airport over; a left click on ACT engages steering.
  EXPECT_EQ(Post("/api/click", R"({"name": "PAGE", "button": "right"})").second["handled"], false);
  EXPECT_EQ(Post("/api/click", R"({"name": "ACT", "button": "right"})").second["handled"], true);
  EXPECT_EQ(Post("/api/click", R"({"gauge": "gps", "x": 60, "y": 110})").second["handled"], true);
  Post("/api/frames", R"({"frames": 2})");
  const json state = Settled();
  EXPECT_EQ(state["directTo"]["ident"], "KSEA");
  EXPECT_EQ(state["steering"], true);
  EXPECT_EQ(state["aircraft"]["headingHold"], true);
  ASSERT_FALSE(state["keyEvents"].empty());
  EXPECT_EQ(state["keyEvents"].back()["name"], "HEADING_BUG_SET");
}

TEST_F(ServeApiTest, HoverReadsTheTooltipAndCursorOfTheRowUnderTheMouse) {
  const json page = Get("/api/hover?gauge=gps&x=25&y=117").second;
  EXPECT_EQ(page["tooltip"], "Next Page");
  EXPECT_EQ(page["cursor"], "hand");
  const json up = Get("/api/hover?gauge=gps&x=225&y=92").second;
  EXPECT_EQ(up["tooltip"], "Char Up");
  EXPECT_EQ(up["cursor"], "uparrow");
  const json close = Get("/api/hover?gauge=gps&x=242&y=7").second;
  EXPECT_EQ(close["helpId"], 43911);
  EXPECT_EQ(Get("/api/hover?gauge=gps&x=125&y=40").second["cursor"], "none");
}

TEST_F(ServeApiTest, AHeldButtonRepeatsUntilReleased) {
  Post("/api/click", R"({"name": "RCL"})");  // the saved list, page 4
  Post("/api/frames", R"({"frames": 2})");
  ASSERT_TRUE(Settled()["screen"].contains("savedHeader"));
  const auto selected = [&] {
    const json screen = Settled()["screen"];
    for (const auto& [name, element] : screen.items()) {
      if (name.rfind("savedSlot", 0) == 0 && element["color"] == "00ffff") return name;
    }
    return std::string();
  };
  EXPECT_EQ(selected(), "savedSlot0");
  Post("/api/press", R"({"name": ">"})");
  Post("/api/frames", R"({"frames": 15})");  // a step, then repeats at frames 9, 12 and 15
  Post("/api/release", "");
  const std::string held = selected();
  Post("/api/frames", R"({"frames": 30})");
  EXPECT_EQ(selected(), held) << "no repeats after the release";
  EXPECT_EQ(held, "savedSlot4");
}

TEST_F(ServeApiTest, ControlsActAsTheBenchScriptsDo) {
  EXPECT_EQ(
      Post("/api/aircraft", R"({"lat": 47.5, "lon": -122.5, "heading": 90, "knots": 120})").first,
      200);
  EXPECT_EQ(Post("/api/wind", R"({"from": 270, "knots": 20})").first, 200);
  EXPECT_EQ(Post("/api/units", R"({"units": 1})").first, 200);
  EXPECT_EQ(Post("/api/seticao", R"({"icao": "KBFI"})").second["getIcao"], "A      KBFI");
  Post("/api/frames", R"({"frames": 18})");
  const json state = Settled();
  EXPECT_NEAR(state["aircraft"]["groundSpeed"].get<double>(), 140.0, 0.5);
  EXPECT_EQ(state["units"], 1);
  EXPECT_EQ(state["facility"]["ident"], "KBFI");
  EXPECT_EQ(state["trailSerial"], 1);
  const json map = Get("/api/map?lat=47.45&lon=-122.31&radius=5").second;
  ASSERT_FALSE(map["airports"].empty());
  EXPECT_EQ(map["airports"][0]["ident"], "KSEA");
  EXPECT_FALSE(map["airports"][0]["runways"].empty());
}

TEST_F(ServeApiTest, AnotherWorldLoadsTheModuleAnewKeepingTheSettingsFile) {
  Post("/api/click", R"({"name": "STO"})");  // the saved list; the second STO stores KSEA
  Post("/api/frames", R"({"frames": 3})");
  Post("/api/click", R"({"name": "STO"})");
  Post("/api/frames", R"({"frames": 3})");
  const std::string settings = Settled()["settings"];
  ASSERT_NE(settings.find("[Saved]"), std::string::npos) << settings;
  const auto [status, body] = Post("/api/world", json{{"folder", SKELBOR_DATA_DIR}}.dump());
  EXPECT_EQ(status, 200) << body.dump();
  const json state = Settled();
  EXPECT_EQ(state["frame"], 0);
  EXPECT_EQ(state["settings"], settings);
  EXPECT_EQ(state["getIcao"], "A      KSEA");
}

}  // namespace
