// The clock of offline runs (captures, benchmarks): virtual, a fixed step per presented frame, the
// music decoded in step, and message boxes written to standard error instead of waiting for a person.
#pragma once

#include <string>

// Switches the platform to the offline clock at stepsPerSecond frames a second.
void UseOfflineClock(double stepsPerSecond);
// The end of a default span: the first module's length plus 5 s (the last part never ends by
// itself). A module that cannot be read gives 5 s.
double DefaultSpanEnd();
// The name of a part for tables and progress lines ("part 3", "loading", "none").
std::string PartLabel(int part);
