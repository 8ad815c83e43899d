#pragma once
// The process's memory for benchmarks, in MB: the resident size, its peak since the last
// reset (the kernel's high-water mark, reset through /proc/self/clear_refs), and the bytes
// the allocator has handed out and not yet taken back.
#include <malloc.h>

#include <fstream>
#include <string>

namespace benchsupport {

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), or 0.
inline double StatusKB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1));
  return 0;
}

inline double ResidentMB() { return StatusKB("VmRSS") / 1000.0; }
inline double PeakResidentMB() { return StatusKB("VmHWM") / 1000.0; }

inline double HeapInUseMB() {
  const struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks + m.hblkhd) / 1e6;
}

// Starts a new peak at the current resident size, once the allocator has given back the
// memory it keeps free (so that earlier runs do not hide a step's growth).
inline void ResetPeak() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace benchsupport
