// Reading back the lines of a recording surface's trace.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace halvane::test_support {

inline bool StartsWith(const std::string& line, const std::string& prefix) {
  return line.rfind(prefix, 0) == 0;
}

// The integers after the keyword of a trace line ("polyline 2 1 2 3 4" gives 2 1 2 3 4).
inline std::vector<int64_t> Numbers(const std::string& line) {
  std::istringstream in(line.substr(line.find(' ') + 1));
  std::vector<int64_t> numbers;
  int64_t value = 0;
  while (in >> value) numbers.push_back(value);
  return numbers;
}

// The text between the quotes of a "text" trace line.
inline std::string QuotedText(const std::string& line) {
  const size_t open = line.find('"');
  return open == std::string::npos ? std::string() : line.substr(open + 1, line.size() - open - 2);
}

}  // namespace halvane::test_support
