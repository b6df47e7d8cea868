// The manual shows the display as the bench draws it: every picture in
// docs/images is made by a script beside it, and making them again gives the
// same pixels, so the manual cannot drift from what the module shows.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "sim/draw/png.h"
#include "tests/bench/bench_fixture.h"

namespace bench_test {
namespace {

namespace fs = std::filesystem;

TEST_F(BenchTest, TheManualsPicturesAreWhatItsScriptsDrawToday) {
  const fs::path images = fs::path(DOCS_DIR) / "images";
  std::set<std::string> made;
  for (const auto& entry : fs::directory_iterator(images)) {
    if (entry.path().extension() != ".skb") continue;
    fs::copy_file(entry.path(), folder_ / entry.path().filename());
    std::ifstream script(folder_ / entry.path().filename());
    runner_ = std::make_unique<bench::ScriptRunner>(
        SKELBOR_MODULE_FILE, bench::ScriptRunner::WorldFiles::InFolder(WORLD_DATA_DIR), out_, err_);
    EXPECT_EQ(runner_->Run(script, {entry.path().filename().string(), folder_}), bench::kAllHeld)
        << out_.str() << err_.str();
  }
  for (const auto& entry : fs::directory_iterator(folder_)) {
    if (entry.path().extension() != ".png") continue;
    const std::string name = entry.path().filename().string();
    made.insert(name);
    const fs::path committed = images / name;
    ASSERT_TRUE(fs::exists(committed)) << name << " is made but not in docs/images";
    EXPECT_TRUE(draw::ReadPng(entry.path()) == draw::ReadPng(committed))
        << name << " differs from what the scripts draw: run skelbor-bench run docs/images/*.skb "
        << "and look at the change";
  }
  EXPECT_GE(made.size(), 7u);

  // No picture without a script, and none the manual names is missing.
  for (const auto& entry : fs::directory_iterator(images)) {
    if (entry.path().extension() == ".png") {
      EXPECT_TRUE(made.contains(entry.path().filename().string()))
          << entry.path() << " is made by no script";
    }
  }
  std::ifstream manual_file(fs::path(DOCS_DIR) / "manual.md");
  std::stringstream manual;
  manual << manual_file.rdbuf();
  const std::string text = manual.str();
  const std::regex picture(R"(\(images/([a-z0-9-]+\.png)\))");
  std::set<std::string> named;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), picture);
       it != std::sregex_iterator(); ++it) {
    EXPECT_TRUE(made.contains((*it)[1].str())) << (*it)[1].str();
    named.insert((*it)[1].str());
  }
  EXPECT_EQ(named, made) << "every picture is shown in the manual";
}

}  // namespace
}  // namespace bench_test
