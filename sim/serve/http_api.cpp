#include "sim/serve/http_api.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "sim/bench/button_places.h"
#include "sim/navdata/geo.h"

namespace serve {
namespace {

using nlohmann::json;

// The longest a server-sent events connection waits before a keep-alive.
constexpr auto kEventWait = std::chrono::milliseconds(1000);
constexpr int kKeepAliveEvery = 15;  // waits

void Answer(httplib::Response& response, const json& body, int status = 200) {
  response.status = status;
  response.set_header("Cache-Control", "no-store");
  response.set_content(body.dump(), "application/json");
}

json Body(const httplib::Request& request) {
  if (request.body.empty()) return json::object();
  try {
    json body = json::parse(request.body);
    if (!body.is_object()) throw RequestError("the body must be a JSON object");
    return body;
  } catch (const json::parse_error& error) {
    throw RequestError(std::string("the body is not JSON: ") + error.what());
  }
}

double Number(const json& body, const char* key, double low, double high) {
  const auto value = body.find(key);
  if (value == body.end() || !value->is_number() || !std::isfinite(value->get<double>()) ||
      value->get<double>() < low || value->get<double>() > high) {
    char text[160];
    std::snprintf(text, sizeof text, "\"%s\" must be a number from %g to %g", key, low, high);
    throw RequestError(text);
  }
  return value->get<double>();
}

int Integer(const json& body, const char* key, int low, int high) {
  const double value = Number(body, key, low, high);
  if (value != std::floor(value)) {
    throw RequestError(std::string("\"") + key + "\" must be a whole number");
  }
  return static_cast<int>(value);
}

std::string Text(const json& body, const char* key) {
  const auto value = body.find(key);
  if (value == body.end() || !value->is_string()) {
    throw RequestError(std::string("\"") + key + "\" must be a text");
  }
  return value->get<std::string>();
}

// A place on a gauge: {"gauge", "x", "y"} or a button by name {"name"}.
struct GaugePixel {
  std::string gauge;
  int x = 0;
  int y = 0;
};

GaugePixel PixelOf(const json& body) {
  if (body.contains("name")) {
    const std::string name = Text(body, "name");
    const bench::ButtonPlace* button = bench::FindButton(name);
    if (button == nullptr) {
      throw RequestError("unknown button \"" + name + "\" (" + bench::kButtonNames + ")");
    }
    return {button->gauge, button->x, button->y};
  }
  return {Text(body, "gauge"), Integer(body, "x", -100000, 100000),
          Integer(body, "y", -100000, 100000)};
}

sim::MouseButton MouseButtonOf(const json& body) {
  if (!body.contains("button")) return sim::MouseButton::kLeft;
  const std::string button = Text(body, "button");
  if (button == "left") return sim::MouseButton::kLeft;
  if (button == "right") return sim::MouseButton::kRight;
  throw RequestError("unknown mouse button \"" + button + "\" (left or right)");
}

std::string Figure(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// Runs a handler: a faulty request gets 400 and its reason, a stopped or
// stuck simulation 503.
template <typename Handler>
httplib::Server::Handler Guarded(Handler handler) {
  return [handler](const httplib::Request& request, httplib::Response& response) {
    try {
      handler(request, response);
    } catch (const RequestError& error) {
      Answer(response, {{"error", error.what()}}, 400);
    } catch (const std::exception& error) {
      Answer(response, {{"error", std::string("the simulation is not running: ") + error.what()}},
             503);
    }
  };
}

const char* VorKindName(sim::navdata::VorKind kind) {
  switch (kind) {
    case sim::navdata::VorKind::Vor:
      return "VOR";
    case sim::navdata::VorKind::VorDme:
      return "VOR-DME";
    case sim::navdata::VorKind::Dme:
      return "DME";
    case sim::navdata::VorKind::Tacan:
      return "TACAN";
    case sim::navdata::VorKind::Vortac:
      return "VORTAC";
    default:
      return nullptr;  // ILS and test transmitters are not charted
  }
}

// The world within `radiusNm` of a place: airports with their runways, the
// VORs, DMEs and NDBs, nearest first, a bounded number of each.
json MapAround(const sim::navdata::World& world, sim::navdata::GeoPoint centre, double radiusNm) {
  constexpr std::size_t kMostOfEach = 1500;
  const double metres = radiusNm * sim::navdata::kMetresPerNauticalMile;
  json airports = json::array();
  for (const sim::navdata::NearestHit& hit : world.NearestAirports(centre, metres, kMostOfEach)) {
    const sim::navdata::Airport& airport = world.Airports()[hit.item];
    json runways = json::array();
    for (const sim::navdata::Runway& runway : airport.runways) {
      runways.push_back({runway.ends[0].position.latitude, runway.ends[0].position.longitude,
                         runway.ends[1].position.latitude, runway.ends[1].position.longitude});
    }
    airports.push_back({{"ident", airport.ident},
                        {"lat", airport.position.latitude},
                        {"lon", airport.position.longitude},
                        {"runways", std::move(runways)}});
  }
  json navaids = json::array();
  for (const sim::navdata::NearestHit& hit :
       world.NearestVors(centre, metres, kMostOfEach, sim::navdata::kAllVorKinds)) {
    const sim::navdata::Vor& vor = world.Vors()[hit.item];
    if (const char* kind = VorKindName(vor.kind)) {
      navaids.push_back({{"kind", kind},
                         {"ident", vor.ident},
                         {"lat", vor.position.latitude},
                         {"lon", vor.position.longitude}});
    }
  }
  for (const sim::navdata::NearestHit& hit : world.NearestNdbs(centre, metres, kMostOfEach)) {
    const sim::navdata::Ndb& ndb = world.Ndbs()[hit.item];
    navaids.push_back({{"kind", "NDB"},
                       {"ident", ndb.ident},
                       {"lat", ndb.position.latitude},
                       {"lon", ndb.position.longitude}});
  }
  return {{"airports", std::move(airports)}, {"navaids", std::move(navaids)}};
}

double QueryNumber(const httplib::Request& request, const char* key, double low, double high) {
  json query = json::object();
  if (request.has_param(key)) {
    const std::string text = request.get_param_value(key);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (!text.empty() && end == text.c_str() + text.size()) query[key] = value;
  }
  return Number(query, key, low, high);
}

void RouteEvents(httplib::Server& server, SimLoop& loop) {
  server.Get("/api/events", [&loop](const httplib::Request&, httplib::Response& response) {
    response.set_header("Cache-Control", "no-store");
    response.set_chunked_content_provider(
        "text/event-stream", [&loop, serial = std::uint64_t{0}, faceSerial = std::uint64_t{0},
                              idle = 0](std::size_t, httplib::DataSink& sink) mutable {
          if (loop.Stopped()) return false;
          const auto snapshot = loop.WaitNewer(serial, kEventWait);
          if (loop.Stopped() || !sink.is_writable()) return false;
          std::string events;
          if (snapshot->serial != serial) {
            serial = snapshot->serial;
            idle = 0;
            if (snapshot->faceSerial != faceSerial) {
              faceSerial = snapshot->faceSerial;
              events += "event: face\ndata: " + std::to_string(faceSerial) + "\n\n";
            }
            events += "event: state\ndata: " + snapshot->state + "\n\n";
          } else if (++idle % kKeepAliveEvery == 0) {
            events = ": still here\n\n";
          }
          return events.empty() || sink.write(events.data(), events.size());
        });
  });
}

void RouteFaces(httplib::Server& server, SimLoop& loop) {
  for (const bool gps : {true, false}) {
    server.Get(gps ? "/api/face/gps.png" : "/api/face/icon.png",
               [&loop, gps](const httplib::Request&, httplib::Response& response) {
                 const auto snapshot = loop.Latest();
                 const auto& png = gps ? snapshot->gpsPng : snapshot->iconPng;
                 response.set_header("Cache-Control", "no-store");
                 response.set_header("X-Face-Serial", std::to_string(snapshot->faceSerial));
                 response.set_content(reinterpret_cast<const char*>(png->data()), png->size(),
                                      "image/png");
               });
  }
}

void RouteMouse(httplib::Server& server, SimLoop& loop) {
  server.Post("/api/click",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                const json body = Body(request);
                const GaugePixel pixel = PixelOf(body);
                const sim::MouseButton button = MouseButtonOf(body);
                const bool handled = loop.Call(
                    [&](LiveSession& session) {
                      return session.Click(pixel.gauge, pixel.x, pixel.y, button);
                    },
                    true);
                Answer(response, {{"handled", handled}});
              }));
  server.Post(
      "/api/press", Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
        const json body = Body(request);
        const GaugePixel pixel = PixelOf(body);
        if (MouseButtonOf(body) != sim::MouseButton::kLeft) {
          throw RequestError("only the left button is held");
        }
        loop.Call([&](LiveSession& session) { session.Press(pixel.gauge, pixel.x, pixel.y); },
                  true);
        Answer(response, {{"pressed", true}});
      }));
  server.Post("/api/release",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                Body(request);
                loop.Call([](LiveSession& session) { session.Release(); });
                Answer(response, {{"released", true}});
              }));
  server.Get("/api/hover",
             Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
               if (!request.has_param("gauge")) throw RequestError("\"gauge\" must be a text");
               const std::string gauge = request.get_param_value("gauge");
               const int x = static_cast<int>(QueryNumber(request, "x", -100000, 100000));
               const int y = static_cast<int>(QueryNumber(request, "y", -100000, 100000));
               Answer(response,
                      loop.Call([&](LiveSession& session) { return session.Hover(gauge, x, y); }));
             }));
}

void RouteControls(httplib::Server& server, SimLoop& loop) {
  // Each control is a bench script line run on the loop: the same checks
  // and effects as in a script.
  const auto command = [&loop](httplib::Response& response, const std::string& line) {
    loop.Call([&](LiveSession& session) { session.Command(line); });
    Answer(response, {{"done", line}});
  };
  server.Post("/api/aircraft", Guarded([&loop, command](const httplib::Request& request,
                                                        httplib::Response& response) {
                json body = Body(request);
                // Fields left out keep their values.
                const json now = json::parse(loop.Latest()->state)["aircraft"];
                for (const auto& [key, current] : {std::pair{"lat", "lat"},
                                                   {"lon", "lon"},
                                                   {"heading", "heading"},
                                                   {"knots", "airspeed"}}) {
                  if (!body.contains(key)) body[key] = now[current];
                }
                command(response, "aircraft " + Figure(Number(body, "lat", -90, 90)) + " " +
                                      Figure(Number(body, "lon", -180, 180)) + " " +
                                      Figure(Number(body, "heading", 0, 360)) + " " +
                                      Figure(Number(body, "knots", 0, 2000)));
              }));
  server.Post("/api/wind",
              Guarded([command](const httplib::Request& request, httplib::Response& response) {
                const json body = Body(request);
                command(response, "wind " + Figure(Number(body, "from", 0, 360)) + " " +
                                      Figure(Number(body, "knots", 0, 500)));
              }));
  server.Post("/api/units",
              Guarded([command](const httplib::Request& request, httplib::Response& response) {
                command(response, "units " + std::to_string(Integer(Body(request), "units", 0, 2)));
              }));
  server.Post("/api/rate",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                const json body = Body(request);
                const int rate = Integer(body, "rate", 0, 16);
                if (!SimLoop::IsRate(rate)) {
                  throw RequestError("\"rate\" must be 0 (pause), 1, 4 or 16");
                }
                loop.Call([&](LiveSession&) { loop.SetRate(rate); });
                Answer(response, {{"rate", rate}});
              }));
  server.Get("/api/rate", [&loop](const httplib::Request&, httplib::Response& response) {
    Answer(response, {{"rate", loop.Rate()}});
  });
  server.Post("/api/frames",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                const int frames = Integer(Body(request), "frames", 1, 100000);
                loop.Call([&](LiveSession& session) { session.RunFrames(frames); });
                Answer(response, {{"frames", frames}});
              }));
  server.Post("/api/seticao",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                const std::string icao = Text(Body(request), "icao");
                const std::string now = loop.Call([&](LiveSession& session) {
                  session.SetIcao(icao);
                  return session.State(false)["getIcao"].get<std::string>();
                });
                Answer(response, {{"getIcao", now}});
              }));
  server.Post("/api/world",
              Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
                const std::string folder = Text(Body(request), "folder");
                const auto world = bench::ScriptRunner::WorldFiles::InFolder(folder);
                loop.Call([&](LiveSession&) { loop.Reload(world); });
                Answer(response, {{"world", folder}});
              }));
}

void RouteReads(httplib::Server& server, SimLoop& loop) {
  server.Get("/api/state", Guarded([&loop](const httplib::Request&, httplib::Response& response) {
               json state = loop.Call([](LiveSession& session) { return session.State(true); });
               state["rate"] = loop.Rate();
               Answer(response, state);
             }));
  server.Get("/api/map",
             Guarded([&loop](const httplib::Request& request, httplib::Response& response) {
               const sim::navdata::GeoPoint centre{QueryNumber(request, "lat", -90, 90),
                                                   QueryNumber(request, "lon", -180, 180)};
               const double radius = QueryNumber(request, "radius", 0.1, 300);
               Answer(response, loop.Call([&](LiveSession& session) {
                 return MapAround(session.World(), centre, radius);
               }));
             }));
}

}  // namespace

void RouteApi(httplib::Server& server, SimLoop& loop) {
  for (int i = 0; i < kPageFileCount; ++i) {
    const PageFile& file = kPageFiles[i];
    server.Get(file.path, [&file](const httplib::Request&, httplib::Response& response) {
      response.set_header("Cache-Control", "no-cache");
      response.set_content(file.text, file.contentType);
    });
  }
  RouteEvents(server, loop);
  RouteFaces(server, loop);
  RouteMouse(server, loop);
  RouteControls(server, loop);
  RouteReads(server, loop);
  server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
    if (!response.body.empty()) return;
    Answer(
        response,
        {{"error", response.status == 404 ? "no such door: " + request.method + " " + request.path
                                          : "the request cannot be served"}},
        response.status);
  });
}

}  // namespace serve
