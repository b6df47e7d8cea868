#include "sim/host/trap.h"

#include <cstdio>
#include <cstdlib>

namespace sim {

void Trap(const std::string& entry) {
  std::fprintf(stderr, "host trap: the module called %s, which it must not use\n", entry.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace sim
