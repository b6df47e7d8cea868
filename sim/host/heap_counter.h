// Counts heap allocations made while module code runs. The host marks each
// call into the module and each of its own services the module calls back.
#pragma once

#include <cstddef>

namespace sim {

// True where the count is kept: native builds without sanitizers.
bool HeapCountingAvailable();
void CountHeapAllocation();
std::size_t ModuleHeapAllocations();
void ResetModuleHeapAllocations();

// Around every call into the module.
class ModuleCall {
 public:
  ModuleCall();
  ~ModuleCall();
  ModuleCall(const ModuleCall&) = delete;
  ModuleCall& operator=(const ModuleCall&) = delete;
};

// Around every host service the module calls: its allocations are the host's.
class HostService {
 public:
  HostService();
  ~HostService();
  HostService(const HostService&) = delete;
  HostService& operator=(const HostService&) = delete;
};

}  // namespace sim
