#pragma once
// The number of allocations made through operator new since the program started. A benchmark
// that must not allocate reads it before and after its loop. Linking allocation_counter.cpp
// replaces the global operator new and delete of the program.
#include <cstdint>

namespace zembrik::bench {

std::uint64_t allocationCount() noexcept;

}  // namespace zembrik::bench
