#pragma once

#include <vector>

// The median of per-iteration times in seconds, in microseconds (0 for none). A benchmark on a
// shared machine now and then loses its core for far longer than its work takes; the median
// of its iterations ignores those losses where the mean carries them. Reorders `seconds`.
double MedianMicroseconds(std::vector<double>& seconds);
