// Entries the module must never call: a call ends the host process at once,
// naming the entry, so that a test run through the wrong slot fails loudly
// instead of going on with a corrupted stack.
#pragma once

#include <string>

namespace sim {

[[noreturn]] void Trap(const std::string& entry);

}  // namespace sim
