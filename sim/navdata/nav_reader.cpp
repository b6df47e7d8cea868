#include "sim/navdata/nav_reader.h"

#include <unordered_map>
#include <utility>

#include "sim/navdata/fields.h"
#include "sim/navdata/row_code.h"
#include "sim/navdata/text_file.h"
#include "sim/navdata/world_conventions.h"

namespace sim::navdata {

namespace {

enum RowType {
  kNdb = 2,
  kVor = 3,
  kLocalizer = 4,
  kLocalizerOnly = 5,
  kGlideSlope = 6,
  kInnerMarker = 9,
  kDme = 12,
  kStandaloneDme = 13,
};

bool IsIlsComponent(int type) { return type >= kLocalizer && type <= kInnerMarker; }
bool IsDme(int type) { return type == kDme || type == kStandaloneDme; }

// A DME row, kept until every VOR and localizer is known so that it can be
// paired with them.
struct PendingDme {
  Vor vor;
  bool ilsName = false;
};

std::string PairingKey(std::string_view ident, std::uint32_t hertz) {
  return std::string(ident) + '/' + std::to_string(hertz);
}

}  // namespace

bool IsReadableNavVersion(int version) {
  return version == 810 || version == 1100 || version == 1150 || version == 1200;
}

std::string ParseNavRow(std::string_view line, int version, NavRow& row) {
  Fields fields(line);
  long type = 0;
  if (!ParseNumber(fields.Next(), type)) return "the row does not start with a row code";
  row = NavRow{};
  row.type = static_cast<int>(type);
  const std::string_view latitude = fields.Next();
  const std::string_view longitude = fields.Next();
  if (!ParseNumber(latitude, row.position.latitude) || !ValidLatitude(row.position.latitude) ||
      !ParseNumber(longitude, row.position.longitude) || !ValidLongitude(row.position.longitude)) {
    return "navaid row: bad position";
  }
  double range = 0.0;
  if (!ParseNumber(fields.Next(), row.elevationFeet)) return "navaid row: bad elevation";
  // Up to 1 GHz: kHz for NDBs, 10 kHz units otherwise.
  const long maximum = row.type == kNdb ? 1000000 : 100000;
  if (!ParseNumber(fields.Next(), row.frequency) || row.frequency < 0 || row.frequency > maximum) {
    return "navaid row: bad frequency";
  }
  if (!ParseNumber(fields.Next(), range)) return "navaid row: bad range";
  if (!ParseNumber(fields.Next(), row.field)) return "navaid row: bad type-specific field";
  row.ident = fields.Next();
  if (row.ident.empty()) return "navaid row: no ident";
  const bool newFormat = version >= 1100;
  if (IsIlsComponent(row.type)) {
    row.airport = fields.Next();
    if (newFormat) fields.Next();  // ICAO region
    row.runway = fields.Next();
    if (row.runway.empty()) return "ILS row: no airport and runway";
  } else if (newFormat) {
    const std::string_view terminal = fields.Next();
    if (fields.Next().empty()) return "navaid row: no region fields";
    if (IsDme(row.type) && terminal != "ENRT") row.airport = terminal;
  } else if (IsDme(row.type) && IsIlsDmeName(fields.Rest())) {
    row.airport = fields.Next();
    row.runway = fields.Next();
  }
  row.name = fields.Rest();
  return {};
}

NavaidFile ReadNavaids(const std::filesystem::path& path, LoadReport& report) {
  TextFile file(path);
  NavaidFile result;
  result.header = ReadDataHeader(file, "nav.dat", IsReadableNavVersion, "810, 1100, 1150, 1200");
  std::vector<PendingDme> dmes;
  std::string_view line;
  bool ended = false;
  NavRow row;
  while (!ended && file.NextLine(line)) {
    const int code = RowCode(line);
    if (code == -1) continue;
    if (code == 99) {
      ended = true;
      continue;
    }
    if (code == -2) {
      report.SkipLine(file.Name(), file.LineNumber(), "the row does not start with a row code");
      continue;
    }
    // Rows the world does not keep are passed over unread.
    if (code != kNdb && code != kVor && code != kLocalizer && code != kLocalizerOnly &&
        !IsDme(code)) {
      continue;
    }
    const std::string fault = ParseNavRow(line, result.header.version, row);
    if (!fault.empty()) {
      report.SkipLine(file.Name(), file.LineNumber(), fault);
      continue;
    }
    if (row.type == kNdb) {
      result.ndbs.push_back({std::string(row.ident), std::string(row.name), row.position,
                             FeetToMetres(row.elevationFeet), NdbHertz(row.frequency)});
      continue;
    }
    Vor vor;
    vor.ident = std::string(row.ident);
    vor.position = row.position;
    vor.elevationMetres = FeetToMetres(row.elevationFeet);
    vor.hertz = VhfHertz(row.frequency);
    if (row.type == kVor) {
      vor.kind = VorKindOfName(row.name);
      vor.name = std::string(row.name);
      vor.magneticVariation = row.field;
    } else if (IsDme(row.type)) {
      vor.kind = StandaloneDmeKind(row.name);
      vor.name = std::string(row.name);
      dmes.push_back({std::move(vor), IsIlsDmeName(row.name)});
      continue;
    } else {
      vor.kind = VorKind::Ils;
      vor.name = IlsName(row.ident, row.runway);
      vor.airportIdent = std::string(row.airport);
      vor.runway = std::string(row.runway);
      vor.localizerCourse = row.field;
    }
    result.vors.push_back(std::move(vor));
  }
  if (!ended) {
    report.Note(file.Name(), file.LineNumber(),
                "the file ends without the closing 99 row; it may be truncated");
  }

  // A DME that shares ident and frequency with a VOR or localizer close by is
  // that station's distance part, not a station of its own.
  std::unordered_map<std::string, std::vector<std::size_t>> stations;
  for (std::size_t i = 0; i < result.vors.size(); ++i) {
    stations[PairingKey(result.vors[i].ident, result.vors[i].hertz)].push_back(i);
  }
  for (PendingDme& dme : dmes) {
    bool paired = false;
    const auto found = stations.find(PairingKey(dme.vor.ident, dme.vor.hertz));
    if (found != stations.end()) {
      for (const std::size_t i : found->second) {
        Vor& station = result.vors[i];
        if (GreatCircleMetres(station.position, dme.vor.position) > kDmePairingMetres) continue;
        paired = true;
        if (station.kind == VorKind::Vor) station.kind = VorKind::VorDme;
        break;
      }
    }
    if (!paired && !dme.ilsName) result.vors.push_back(std::move(dme.vor));
  }
  return result;
}

}  // namespace sim::navdata
