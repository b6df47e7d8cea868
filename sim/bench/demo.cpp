#include "sim/bench/demo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "sim/bench/flight_plot.h"
#include "sim/draw/png.h"
#include "sim/draw/text_encoding.h"
#include "sim/host/element_names.h"

namespace bench {
namespace {

constexpr double kStartHeading = 0.0;  // true: the steering has to turn it
constexpr double kAirspeedKnots = 150.0;
constexpr int kFramesPerSecond = 18;
constexpr double kArrivalNm = 2.0;  // where the gauge ends its steering

// The place `nm` away from `from` along the true course: the host's own
// motion on the sphere, for an hour at `nm` knots.
sim::navdata::GeoPoint PointAlong(sim::navdata::GeoPoint from, double course, double nm) {
  sim::Aircraft mover;
  mover.latitude = from.latitude;
  mover.longitude = from.longitude;
  mover.trueHeading = course;
  mover.groundSpeedKnots = nm;
  mover.Advance(3600.0);
  return {mover.latitude, mover.longitude};
}

double DistanceNm(sim::navdata::GeoPoint from, sim::navdata::GeoPoint to) {
  return sim::navdata::GreatCircleMetres(from, to) / sim::navdata::kMetresPerNauticalMile;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What a shown string element of the gps gauge says, trimmed, as UTF-8.
std::string Shown(const sim::Gauge& gauge, std::string_view name) {
  const auto index = sim::GpsElementIndex(name);
  if (!index) return "";
  const std::vector<sim::ElementView> elements = gauge.Elements();
  const sim::ElementView& element = elements.at(*index);
  return element.hidden ? "" : text_encoding::Cp1252ToUtf8(Trimmed(element.text));
}

// The display as text: one line per row of shown strings, left to right.
std::string DisplayText(const sim::Gauge& gauge) {
  std::vector<const sim::ElementView*> shown;
  const std::vector<sim::ElementView> elements = gauge.Elements();
  for (const sim::ElementView& element : elements) {
    if (!element.hidden && element.type == ELEMENT_TYPE_STRING && !Trimmed(element.text).empty())
      shown.push_back(&element);
  }
  std::sort(shown.begin(), shown.end(), [](const sim::ElementView* a, const sim::ElementView* b) {
    return a->y != b->y ? a->y < b->y : a->x < b->x;
  });
  std::string text;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const bool new_row = i == 0 || shown[i]->y != shown[i - 1]->y;
    if (new_row) {
      text += i == 0 ? "  | " : "\n  | ";
    } else {
      // The ident's one-letter cells join; other neighbours keep one blank between them.
      const std::string& before = shown[i - 1]->text;
      const std::string& after = shown[i]->text;
      const bool letters = before.size() == 1 && after.size() == 1;
      if (!letters && before.back() != ' ' && after.front() != ' ') text += ' ';
    }
    text += text_encoding::Cp1252ToUtf8(shown[i]->text);
  }
  return text + "\n";
}

class Demo {
 public:
  Demo(const DemoOptions& options, std::ostream& out, std::ostream* progress)
      : options_(options),
        out_(out),
        progress_(progress),
        runner_(options.moduleFile, options.world, script_out_, script_err_) {}

  DemoOutcome Run() {
    std::error_code error;
    std::filesystem::create_directories(options_.outFolder, error);
    if (error) {
      throw std::runtime_error("cannot make the folder " + options_.outFolder.string() + ": " +
                               error.message());
    }
    LoadOverTheWorld();
    ShowPages();
    Fly();
    WriteTracks();
    WritePlot();
    return std::move(outcome_);
  }

 private:
  // Runs bench script lines; any fault of theirs is the demo's.
  void Script(const std::string& lines) {
    std::istringstream script(lines);
    if (runner_.Run(script) != kAllHeld) {
      throw std::runtime_error(Trimmed(script_err_.str() + script_out_.str()));
    }
  }

  sim::Panel& Panel() { return *runner_.LoadedPanel(); }
  sim::Gauge& Gps() { return *Panel().FindGauge("gps"); }

  std::filesystem::path Written(const std::string& name) {
    outcome_.files.push_back(options_.outFolder / name);
    return outcome_.files.back();
  }

  void LoadOverTheWorld() {
    Script("world builtin\ngps world\nsetting Default DefaultICAO " + options_.airport +
           "\nload\n");
    world_ = runner_.LoadedWorld();
    airport_ = world_->FindAirport(options_.airport);
    if (airport_ == nullptr) {
      throw std::runtime_error("the navigation data has no " + options_.airport);
    }
    start_ = PointAlong(airport_->position, options_.startBearing, options_.startNm);
    char setup[256];
    std::snprintf(setup, sizeof setup,
                  "aircraft %.6f %.6f %.1f %.1f\n"
                  "wind %.1f %.1f\n"
                  "seconds 2\n",
                  start_.latitude, start_.longitude, kStartHeading, kAirspeedKnots,
                  options_.windFrom, options_.windKnots);
    Script(setup);
    out_ << "skelbor-bench demo: " << world_->Airports().size() << " airports, "
         << world_->Vors().size() << " VORs, DMEs and ILS, " << world_->Ndbs().size()
         << " NDBs; default airport " << options_.airport << " from the settings file\n";
    char aircraft[256];
    std::snprintf(aircraft, sizeof aircraft,
                  "aircraft %.1f NM from %s on a true bearing of %03.0f at %.4f %.4f, heading "
                  "%03.0f true at %.0f kt, wind %03.0f/%.0f kt\n",
                  options_.startNm, options_.airport.c_str(), options_.startBearing,
                  start_.latitude, start_.longitude, kStartHeading, kAirspeedKnots,
                  options_.windFrom, options_.windKnots);
    out_ << aircraft;
  }

  void ShowPage(const std::string& title, const std::string& file) {
    const std::filesystem::path picture = Written(file);
    runner_.WritePicture(picture, options_.scale);
    out_ << "\n" << title << " (" << picture.string() << "):\n" << DisplayText(Gps());
  }

  void ShowPages() {
    ShowPage("Airport page", "1-airport.png");
    Script("click PAGE\nframes 3\n");
    ShowPage("Details page", "2-details.png");
    Script("click PAGE\nframes 3\n");
    ShowPage("Navaids page, nearest VORs", "3-navaids-vor.png");
    Script("click ^\nframes 3\n");
    ShowPage("Navaids page, nearest NDBs (^)", "4-navaids-ndb.png");
    Script("click ^\nframes 3\n");
    ShowPage("Navaids page, the airport's frequencies (^)", "5-navaids-frequencies.png");
    // The runway refresh walks the nearest-ILS list a line per update or two.
    Script("click PAGE\nseconds 5\n");
    ShowPage("Runways page", "6-runways.png");
    // STO opens the saved list, the second STO stores the airport in the
    // selected slot; RCL shows the list again.
    Script("click STO\nframes 3\nclick STO\nframes 3\nclick RCL\nframes 3\n");
    ShowPage("Saved page after STO", "7-saved.png");
    Script("click RCL\nseconds 1\n");
    ShowPage("Airport page, the saved airport recalled (RCL)", "8-airport-recalled.png");
  }

  sim::navdata::GeoPoint Here() {
    const sim::Aircraft& aircraft = Panel().AircraftState();
    return {aircraft.latitude, aircraft.longitude};
  }

  void LogMinute(std::ofstream& log, double seconds) {
    const sim::Aircraft& aircraft = Panel().AircraftState();
    char line[256];
    std::snprintf(line, sizeof line,
                  "%02d:%02d  %s  dist %s  brg %s  ETE %s  heading selected %03.0f  "
                  "(track %03.0f true, %.1f NM to go)\n",
                  static_cast<int>(seconds) / 60, static_cast<int>(seconds) % 60,
                  Shown(Gps(), "airportIdentChar0").empty() ? "----" : options_.airport.c_str(),
                  Shown(Gps(), "airportDistance").c_str(), Shown(Gps(), "airportBearing").c_str(),
                  Shown(Gps(), "airportEte").c_str(), aircraft.selectedHeading,
                  aircraft.TrueTrack(), DistanceNm(Here(), airport_->position));
    out_ << line;
    log << line;
  }

  void ShowProgress(double seconds, bool done) {
    if (progress_ == nullptr) return;
    char line[128];
    std::snprintf(line, sizeof line, "\rflying: %02d:%02d simulated, %5.1f NM to %s%s",
                  static_cast<int>(seconds) / 60, static_cast<int>(seconds) % 60,
                  DistanceNm(Here(), airport_->position), options_.airport.c_str(),
                  done ? "\n" : "");
    *progress_ << line << std::flush;
  }

  void Fly() {
    const std::filesystem::path log_file = Written("flight.log");
    std::ofstream log(log_file);
    if (!log) throw std::runtime_error("cannot write " + log_file.string());
    out_ << "\nACT: steering to " << options_.airport << " (log every simulated minute, "
         << log_file.string() << "):\n";
    Script("click ACT\n");
    const sim::Aircraft& aircraft = Panel().AircraftState();
    if (!aircraft.headingHold) throw std::runtime_error("ACT did not engage the heading hold");
    double seconds = 0.0;
    Sample(seconds);
    LogMinute(log, seconds);
    while (aircraft.headingHold) {
      if (seconds >= options_.longestFlightSeconds) {
        if (progress_ != nullptr) *progress_ << "\n";
        throw std::runtime_error("steering did not end within " +
                                 std::to_string(static_cast<int>(seconds / 60)) +
                                 " simulated minutes");
      }
      runner_.RunFrames(kFramesPerSecond);
      seconds += 1.0;
      Sample(seconds);
      if (std::fmod(seconds, 60.0) == 0.0) LogMinute(log, seconds);
      if (std::fmod(seconds, 10.0) == 0.0) ShowProgress(seconds, false);
    }
    ShowProgress(seconds, true);
    outcome_.flightSeconds = seconds;
    outcome_.endDistanceNm = DistanceNm(Here(), airport_->position);
    char end[160];
    std::snprintf(end, sizeof end, "%02d:%02d  steering ended %.2f NM from %s, heading hold off\n",
                  static_cast<int>(seconds) / 60, static_cast<int>(seconds) % 60,
                  outcome_.endDistanceNm, options_.airport.c_str());
    out_ << end;
    log << end;
    if (!log.flush()) throw std::runtime_error("cannot write " + log_file.string());
    ShowPage("Airport page on arrival", "9-arrival.png");
  }

  void Sample(double seconds) {
    const sim::Aircraft& aircraft = Panel().AircraftState();
    outcome_.track.push_back(Here());
    outcome_.samples.push_back({seconds, Here(), aircraft.trueHeading, aircraft.TrueTrack(),
                                aircraft.groundSpeedKnots, aircraft.selectedHeading,
                                DistanceNm(Here(), airport_->position), aircraft.headingHold});
  }

  void WriteTracks() {
    const std::filesystem::path gpx = Written("flight.gpx");
    const std::string name = "skelbor-bench demo to " + options_.airport;
    WriteGpx(
        gpx, name,
        {{options_.airport + " " + text_encoding::Cp1252ToUtf8(airport_->name), airport_->position},
         {"start", start_}},
        outcome_.samples);
    const std::filesystem::path csv = Written("flight.csv");
    WriteCsv(csv, outcome_.samples);
    out_ << "\nthe track: " << gpx.string() << " (GPX), " << csv.string() << " (CSV)\n";
  }

  void WritePlot() {
    const std::filesystem::path plot = Written("flight-plot.png");
    FlightMarks marks;
    char title[200];
    std::snprintf(title, sizeof title, "%s %s: from %.0f NM on %03.0f°, wind %03.0f°/%.0f kt",
                  options_.airport.c_str(), text_encoding::Cp1252ToUtf8(airport_->name).c_str(),
                  options_.startNm, options_.startBearing, options_.windFrom, options_.windKnots);
    marks.title = title;
    marks.secondsPerPoint = 1;
    marks.arrivalRadiusNm = kArrivalNm;
    marks.endMarked = true;
    draw::WritePng(FlightPlot(*world_, *airport_, outcome_.track, marks), plot);
    out_ << "flight plot: " << plot.string() << "\n";
  }

  const DemoOptions& options_;
  std::ostream& out_;
  std::ostream* progress_;
  std::ostringstream script_out_;
  std::ostringstream script_err_;
  ScriptRunner runner_;
  const sim::navdata::World* world_ = nullptr;
  const sim::navdata::Airport* airport_ = nullptr;
  sim::navdata::GeoPoint start_;
  DemoOutcome outcome_;
};

}  // namespace

DemoOutcome RunDemo(const DemoOptions& options, std::ostream& out, std::ostream* progress) {
  return Demo(options, out, progress).Run();
}

}  // namespace bench
