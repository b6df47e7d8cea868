#include "sim/bench/flight_record.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace bench {
namespace {

// Simulated time carries no date: the track is stamped from a fixed noon, so
// that map programs can replay it and every run writes the same file.
constexpr long kStartHourUtc = 12;
constexpr const char* kStartDate = "2000-01-01";

std::string XmlText(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string TimeAt(double seconds) {
  const long whole = std::lround(seconds);
  char text[40];
  // A flight of a day or more would need the date to roll over; the demo's
  // flights last minutes.
  std::snprintf(text, sizeof text, "%sT%02ld:%02ld:%02ldZ", kStartDate,
                (kStartHourUtc + whole / 3600) % 24, whole / 60 % 60, whole % 60);
  return text;
}

void Close(std::ofstream& out, const std::filesystem::path& file) {
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

void WriteGpx(const std::filesystem::path& file, const std::string& track_name,
              const std::vector<NamedPlace>& places, const std::vector<FlightSample>& samples) {
  std::ofstream out(file, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + file.string());
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gpx version=\"1.1\" creator=\"skelbor-bench\" "
         "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  char line[200];
  for (const NamedPlace& place : places) {
    std::snprintf(line, sizeof line, "  <wpt lat=\"%.6f\" lon=\"%.6f\"><name>",
                  place.position.latitude, place.position.longitude);
    out << line << XmlText(place.name) << "</name></wpt>\n";
  }
  out << "  <trk><name>" << XmlText(track_name) << "</name><trkseg>\n";
  for (const FlightSample& sample : samples) {
    std::snprintf(
        line, sizeof line, "    <trkpt lat=\"%.6f\" lon=\"%.6f\"><time>%s</time></trkpt>\n",
        sample.position.latitude, sample.position.longitude, TimeAt(sample.seconds).c_str());
    out << line;
  }
  out << "  </trkseg></trk>\n</gpx>\n";
  Close(out, file);
}

void WriteCsv(const std::filesystem::path& file, const std::vector<FlightSample>& samples) {
  std::ofstream out(file, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + file.string());
  out << "seconds,latitude,longitude,true_heading,true_track,ground_speed_kt,"
         "selected_heading,distance_nm,heading_hold\n";
  char line[200];
  for (const FlightSample& sample : samples) {
    std::snprintf(line, sizeof line, "%.0f,%.6f,%.6f,%.1f,%.1f,%.1f,%.0f,%.2f,%d\n", sample.seconds,
                  sample.position.latitude, sample.position.longitude, sample.trueHeading,
                  sample.trueTrack, sample.groundSpeedKnots, sample.selectedHeading,
                  sample.distanceNm, sample.steering ? 1 : 0);
    out << line;
  }
  Close(out, file);
}

}  // namespace bench
