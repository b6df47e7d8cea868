#include "sim/navdata/tools/extract.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include "sim/navdata/apt_reader.h"
#include "sim/navdata/nav_reader.h"
#include "sim/navdata/navdata_error.h"
#include "sim/navdata/row_code.h"
#include "sim/navdata/text_file.h"
#include "sim/navdata/tools/gzip_writer.h"

namespace sim::navdata {

namespace {

struct AirportBlock {
  std::string ident;
  bool closed = false;  // the data marks closed airports by a name beginning "[X]"
  GeoPoint position;
  double longestRunwayMetres = 0.0;
  std::string text;  // the lines the world reads, each ended by a newline
};

// Idents of four capital letters carry a nationality in their first two.
bool HasIcaoPrefix(std::string_view ident) {
  return ident.size() == 4 &&
         std::all_of(ident.begin(), ident.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

void RefuseOverwritingInput(const std::filesystem::path& output,
                            const std::filesystem::path& input) {
  std::error_code error;
  if (std::filesystem::exists(output, error) && std::filesystem::equivalent(output, input, error)) {
    throw NavDataError(output.string() + ": is the input file; choose another output folder");
  }
}

std::vector<AirportBlock> ReadAirportBlocks(const ExtractOptions& options, LoadReport& report,
                                            DataHeader& header) {
  std::vector<AirportBlock> blocks;
  AirportFile file = ReadAirports(
      options.aptFile, report,
      [&blocks](const Airport& airport, const std::vector<std::string>& lines) {
        AirportBlock block{
            airport.ident, airport.name.starts_with("[X]"), airport.position, 0.0, {}};
        for (const Runway& runway : airport.runways) {
          block.longestRunwayMetres = std::max(block.longestRunwayMetres, runway.lengthMetres);
        }
        for (const std::string& line : lines) block.text += line + "\n";
        blocks.push_back(std::move(block));
      });
  header = std::move(file.header);
  return blocks;
}

// The blocks to keep, in file order; fills the airport counts of `summary`.
std::vector<bool> ChooseAirports(const std::vector<AirportBlock>& blocks,
                                 const ExtractOptions& options, ExtractSummary& summary,
                                 GeoPoint& centrePosition) {
  const auto centre = std::find_if(blocks.begin(), blocks.end(), [&](const AirportBlock& b) {
    return b.ident == options.centreIdent;
  });
  if (centre == blocks.end()) {
    throw NavDataError(options.aptFile.string() + ": has no airport " + options.centreIdent +
                       " to centre the extract on");
  }
  centrePosition = centre->position;
  const double radiusMetres = options.radiusNm * kMetresPerNauticalMile;
  std::vector<bool> chosen(blocks.size(), false);
  std::map<std::string, std::vector<std::size_t>> byPrefix;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (GreatCircleMetres(centre->position, blocks[i].position) <= radiusMetres) {
      chosen[i] = true;
      ++summary.nearbyAirports;
    }
    if (HasIcaoPrefix(blocks[i].ident) && !blocks[i].closed &&
        blocks[i].longestRunwayMetres > 0.0) {
      byPrefix[blocks[i].ident.substr(0, 2)].push_back(i);
    }
  }
  summary.prefixes = byPrefix.size();
  for (auto& [prefix, members] : byPrefix) {
    std::sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
      if (blocks[a].longestRunwayMetres != blocks[b].longestRunwayMetres) {
        return blocks[a].longestRunwayMetres > blocks[b].longestRunwayMetres;
      }
      return blocks[a].ident != blocks[b].ident ? blocks[a].ident < blocks[b].ident : a < b;
    });
    for (std::size_t k = 0; k < std::min(options.perPrefix, members.size()); ++k) {
      if (!chosen[members[k]]) ++summary.prefixAirports;
      chosen[members[k]] = true;
    }
  }
  return chosen;
}

void WriteHeader(GzipWriter& out, const DataHeader& header) {
  out.Write(header.originLine + "\n" + header.versionLine + "\n\n");
}

}  // namespace

ExtractSummary MakeExtract(const ExtractOptions& options, LoadReport& report,
                           std::ostream& progress) {
  if (options.radiusNm < 0.0) throw NavDataError("the radius must not be negative");
  const std::filesystem::path aptOut = options.outputDir / "apt.dat.gz";
  const std::filesystem::path navOut = options.outputDir / "nav.dat.gz";
  RefuseOverwritingInput(aptOut, options.aptFile);
  RefuseOverwritingInput(aptOut, options.navFile);
  RefuseOverwritingInput(navOut, options.aptFile);
  RefuseOverwritingInput(navOut, options.navFile);

  ExtractSummary summary;
  progress << "Reading airports from " << options.aptFile.string() << " ..." << std::endl;
  DataHeader aptHeader;
  const std::vector<AirportBlock> blocks = ReadAirportBlocks(options, report, aptHeader);
  summary.airportsRead = blocks.size();
  progress << "  " << blocks.size() << " airports read" << std::endl;

  GeoPoint centre;
  const std::vector<bool> chosen = ChooseAirports(blocks, options, summary, centre);
  progress << "  " << summary.nearbyAirports << " airports within " << options.radiusNm << " NM of "
           << options.centreIdent << ", " << summary.prefixAirports << " more as the largest of "
           << summary.prefixes << " ICAO prefixes" << std::endl;

  std::error_code error;
  std::filesystem::create_directories(options.outputDir, error);
  if (error) {
    throw NavDataError(options.outputDir.string() + ": cannot create: " + error.message());
  }

  progress << "Writing " << aptOut.string() << " ..." << std::endl;
  GzipWriter aptWriter(aptOut);
  WriteHeader(aptWriter, aptHeader);
  std::set<std::string> chosenIdents;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (!chosen[i]) continue;
    aptWriter.Write(blocks[i].text + "\n");
    chosenIdents.insert(blocks[i].ident);
  }
  aptWriter.Write("99\n");

  progress << "Reading navaids from " << options.navFile.string() << " ..." << std::endl;
  TextFile navFile(options.navFile);
  const DataHeader navHeader =
      ReadDataHeader(navFile, "nav.dat", IsReadableNavVersion, "810, 1100, 1150, 1200");
  progress << "Writing " << navOut.string() << " ..." << std::endl;
  GzipWriter navWriter(navOut);
  WriteHeader(navWriter, navHeader);
  const double radiusMetres = options.radiusNm * kMetresPerNauticalMile;
  std::string_view line;
  NavRow row;
  while (navFile.NextLine(line)) {
    const int code = RowCode(line);
    if (code == -1) continue;
    if (code == 99) break;
    const std::string fault = ParseNavRow(line, navHeader.version, row);
    if (!fault.empty()) {
      report.SkipLine(navFile.Name(), navFile.LineNumber(), fault);
      continue;
    }
    const bool nearby = GreatCircleMetres(centre, row.position) <= radiusMetres;
    const bool ofChosenAirport =
        !row.airport.empty() && chosenIdents.count(std::string(row.airport)) > 0;
    if (!nearby && !ofChosenAirport) continue;
    navWriter.Write(std::string(line) + "\n");
    ++summary.navaidRows;
  }
  navWriter.Write("99\n");

  // Nothing is moved into place before both files are complete.
  aptWriter.Commit();
  navWriter.Commit();
  progress << "  " << summary.navaidRows << " navaid rows written" << std::endl;
  return summary;
}

}  // namespace sim::navdata
