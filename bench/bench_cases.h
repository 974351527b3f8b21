// The operations the demo makes often between its draws, each timed per draw at the device.
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

using Configure = void (*)(benchmark::internal::Benchmark*);

// Registers the cases; `atCadences` gives each its present cadences and minimum time.
void RegisterCases(Configure atCadences);

}  // namespace bench
