#include "sim/navdata/apt_reader.h"

#include <optional>
#include <string_view>
#include <utility>

#include "sim/navdata/fields.h"
#include "sim/navdata/row_code.h"
#include "sim/navdata/text_file.h"
#include "sim/navdata/world_conventions.h"

namespace sim::navdata {

namespace {

constexpr std::size_t kMaxIdentLength = 7;

// Why a row cannot be used; empty when it can.
using Fault = std::string;

bool ParsePosition(std::string_view latitudeField, std::string_view longitudeField,
                   GeoPoint& position) {
  return ParseNumber(latitudeField, position.latitude) && ValidLatitude(position.latitude) &&
         ParseNumber(longitudeField, position.longitude) && ValidLongitude(position.longitude);
}

bool ParseInt(std::string_view field, int& value) {
  long number = 0;
  if (!ParseNumber(field, number)) return false;
  value = static_cast<int>(number);
  return true;
}

class AptParser {
 public:
  AptParser(TextFile& file, LoadReport& report, const AirportLinesHook& hook)
      : file_(file), report_(report), hook_(hook) {}

  std::vector<Airport> Run() {
    std::string_view line;
    bool ended = false;
    while (!ended && file_.NextLine(line)) {
      const int code = RowCode(line);
      switch (code) {
        case -1:
          break;
        case -2:
          Skip("the row does not start with a row code");
          break;
        case 99:
          ended = true;
          break;
        case 1:
        case 16:
        case 17:
          FinishAirport();
          StartAirport(code, line);
          break;
        case 100:
          AirportRow(line, [&] { return LandRunway(line); });
          break;
        case 101:
          AirportRow(line, [&] { return WaterRunway(line); });
          break;
        case 102:
          AirportRow(line, [&] { return Helipad(line); });
          break;
        case 1302:
          AirportRow(line, [&] { return Metadata(line); });
          break;
        default:
          if (FrequencyTypeOfRow(code)) AirportRow(line, [&] { return FrequencyRow(code, line); });
          break;
      }
    }
    FinishAirport();
    if (!ended) {
      report_.Note(file_.Name(), file_.LineNumber(),
                   "the file ends without the closing 99 row; it may be truncated");
    }
    return std::move(airports_);
  }

 private:
  enum class State { NoAirport, InAirport, InRejectedAirport };

  void Skip(std::string reason) {
    report_.SkipLine(file_.Name(), file_.LineNumber(), std::move(reason));
  }

  void StartAirport(int code, std::string_view line) {
    Fields fields(line);
    fields.Next();
    const std::string_view elevation = fields.Next();
    fields.Next();
    fields.Next();
    const std::string_view ident = fields.Next();
    current_ = Airport{};
    datumLatitude_.reset();
    datumLongitude_.reset();
    helipads_.clear();
    lines_.clear();
    headerLine_ = file_.LineNumber();
    double feet = 0.0;
    if (!ParseNumber(elevation, feet)) {
      state_ = State::InRejectedAirport;
      return Skip("airport header: bad elevation '" + std::string(elevation) + "'");
    }
    if (ident.empty() || ident.size() > kMaxIdentLength) {
      state_ = State::InRejectedAirport;
      return Skip("airport header: the ident must have 1 to 7 characters");
    }
    current_.kind = code == 1    ? AirportKind::Land
                    : code == 16 ? AirportKind::SeaplaneBase
                                 : AirportKind::Heliport;
    current_.elevationMetres = FeetToMetres(feet);
    current_.ident = std::string(ident);
    current_.name = std::string(fields.Rest());
    state_ = State::InAirport;
    KeepLine(line);
  }

  void FinishAirport() {
    if (state_ != State::InAirport) return;
    std::optional<GeoPoint> datum;
    if (datumLatitude_ && datumLongitude_) datum = GeoPoint{*datumLatitude_, *datumLongitude_};
    const std::optional<GeoPoint> position = AirportPosition(datum, current_.runways, helipads_);
    state_ = State::NoAirport;
    if (!position) {
      report_.SkipLine(
          file_.Name(), headerLine_,
          "airport " + current_.ident + " has no datum, runway or helipad to place it; skipped");
      return;
    }
    current_.position = *position;
    if (hook_) hook_(current_, lines_);
    airports_.push_back(std::move(current_));
  }

  void KeepLine(std::string_view line) {
    if (hook_) lines_.emplace_back(line);
  }

  // Rows of an airport: kept when good, counted when bad; rows after a
  // rejected header are passed over, since their airport is already counted.
  template <class Parse>
  void AirportRow(std::string_view line, Parse parse) {
    if (state_ == State::InRejectedAirport) return;
    if (state_ == State::NoAirport) return Skip("row outside an airport");
    const Fault fault = parse();
    if (!fault.empty()) return Skip(fault);
    KeepLine(line);
  }

  Fault LandRunway(std::string_view line) {
    std::string_view f[20];
    if (SplitFields(line, f, 20) < 20) return "land runway row: too few fields";
    double width = 0.0;
    int surface = 0;
    int edgeLights = 0;
    RunwayEnd first{std::string(f[8]), {}};
    RunwayEnd second{std::string(f[17]), {}};
    if (!ParseNumber(f[1], width) || width < 0.0) return "land runway row: bad width";
    if (!ParseInt(f[2], surface)) return "land runway row: bad surface";
    if (!ParseInt(f[6], edgeLights)) return "land runway row: bad edge lights";
    if (!ParsePosition(f[9], f[10], first.position) ||
        !ParsePosition(f[18], f[19], second.position)) {
      return "land runway row: bad end position";
    }
    current_.runways.push_back(
        MakeLandRunway(width, surface, edgeLights, std::move(first), std::move(second)));
    return {};
  }

  Fault WaterRunway(std::string_view line) {
    std::string_view f[9];
    if (SplitFields(line, f, 9) < 9) return "water runway row: too few fields";
    double width = 0.0;
    RunwayEnd first{std::string(f[3]), {}};
    RunwayEnd second{std::string(f[6]), {}};
    if (!ParseNumber(f[1], width) || width < 0.0) return "water runway row: bad width";
    if (!ParsePosition(f[4], f[5], first.position) || !ParsePosition(f[7], f[8], second.position)) {
      return "water runway row: bad end position";
    }
    current_.runways.push_back(MakeWaterRunway(width, std::move(first), std::move(second)));
    return {};
  }

  Fault Helipad(std::string_view line) {
    std::string_view f[4];
    GeoPoint position;
    if (SplitFields(line, f, 4) < 4 || !ParsePosition(f[2], f[3], position)) {
      return "helipad row: bad position";
    }
    helipads_.push_back(position);
    return {};
  }

  Fault FrequencyRow(int code, std::string_view line) {
    Fields fields(line);
    fields.Next();
    long value = 0;
    // Up to 1 GHz, in the row's unit.
    const long maximum = code >= 1000 ? 1000000 : 100000;
    if (!ParseNumber(fields.Next(), value) || value <= 0 || value > maximum) {
      return "frequency row: bad frequency";
    }
    current_.frequencies.push_back(
        {*FrequencyTypeOfRow(code), FrequencyHertz(code, value), std::string(fields.Rest())});
    return {};
  }

  Fault Metadata(std::string_view line) {
    Fields fields(line);
    fields.Next();
    const std::string_view key = fields.Next();
    const std::string_view value = fields.Rest();
    if (value.empty()) return {};
    if (key == "city") {
      current_.city = std::string(value);
    } else if (key == "datum_lat" || key == "datum_lon") {
      const bool latitude = key == "datum_lat";
      double degrees = 0.0;
      if (!ParseNumber(value, degrees) ||
          !(latitude ? ValidLatitude(degrees) : ValidLongitude(degrees))) {
        return "metadata row: bad " + std::string(key);
      }
      (latitude ? datumLatitude_ : datumLongitude_) = degrees;
    }
    return {};
  }

  TextFile& file_;
  LoadReport& report_;
  const AirportLinesHook& hook_;
  State state_ = State::NoAirport;
  Airport current_;
  std::size_t headerLine_ = 0;
  std::optional<double> datumLatitude_;
  std::optional<double> datumLongitude_;
  std::vector<GeoPoint> helipads_;
  std::vector<std::string> lines_;
  std::vector<Airport> airports_;
};

}  // namespace

bool IsReadableAptVersion(int version) { return version >= 1000 && version <= 1200; }

AirportFile ReadAirports(const std::filesystem::path& path, LoadReport& report,
                         const AirportLinesHook& hook) {
  TextFile file(path);
  AirportFile result;
  result.header = ReadDataHeader(file, "apt.dat", IsReadableAptVersion, "1000 to 1200");
  result.airports = AptParser(file, report, hook).Run();
  return result;
}

}  // namespace sim::navdata
