// The live bench's HTTP doors: the page and the JSON API behind it, the same
// for the page, scripts and tests. Every request that touches the panel is
// queued to the simulation loop; the rest read its published snapshots.
#pragma once

#include <httplib.h>

#include "sim/serve/sim_loop.h"

namespace serve {

// Static files of the page, built into the program.
struct PageFile {
  const char* path;  // "/", "/page.js", ...
  const char* contentType;
  const char* text;
};
extern const PageFile kPageFiles[];
extern const int kPageFileCount;

// Routes every door of the API and the page on `server`.
void RouteApi(httplib::Server& server, SimLoop& loop);

}  // namespace serve
