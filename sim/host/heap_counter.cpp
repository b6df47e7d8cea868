#include "sim/host/heap_counter.h"

#include <cstdlib>

// AddressSanitizer brings its own allocator: GCC names it by a macro, clang
// by a feature.
#if defined(__SANITIZE_ADDRESS__)
#define SKELBOR_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKELBOR_ADDRESS_SANITIZER 1
#endif
#endif

#if !defined(_WIN32) && !defined(SKELBOR_ADDRESS_SANITIZER)
#define SKELBOR_COUNT_HEAP 1
#endif

namespace sim {
namespace {

// Who runs now: the innermost of the nested module calls and host services.
// One panel thread, so plain statics suffice.
constexpr int kMaxNesting = 64;
bool moduleRuns[kMaxNesting];
int nesting = 0;
std::size_t allocations = 0;

void Enter(bool module) {
  if (nesting < kMaxNesting) moduleRuns[nesting] = module;
  ++nesting;
}

void Leave() { --nesting; }

}  // namespace

void CountHeapAllocation() {
  if (nesting > 0 && nesting <= kMaxNesting && moduleRuns[nesting - 1]) ++allocations;
}

bool HeapCountingAvailable() {
#ifdef SKELBOR_COUNT_HEAP
  return true;
#else
  return false;
#endif
}

std::size_t ModuleHeapAllocations() { return allocations; }
void ResetModuleHeapAllocations() { allocations = 0; }

ModuleCall::ModuleCall() { Enter(true); }
ModuleCall::~ModuleCall() { Leave(); }
HostService::HostService() { Enter(false); }
HostService::~HostService() { Leave(); }

}  // namespace sim

#ifdef SKELBOR_COUNT_HEAP
// The process's allocator, counted: the module file resolves these names to
// the program's definitions.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);

void* malloc(std::size_t size) {
  sim::CountHeapAllocation();
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
  sim::CountHeapAllocation();
  return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) {
  sim::CountHeapAllocation();
  return __libc_realloc(pointer, size);
}
void* memalign(std::size_t alignment, std::size_t size) {
  sim::CountHeapAllocation();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
  sim::CountHeapAllocation();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  sim::CountHeapAllocation();
  *out = __libc_memalign(alignment, size);
  return *out == nullptr ? 12 : 0;
}
void free(void* pointer) { __libc_free(pointer); }
}
#endif
