// What the fuzz targets share: a check that stops the fuzzer with a message when a promise breaks.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velmora::fuzz {

// Prints what broke and the text it broke on, then aborts so that libFuzzer keeps the input.
inline void Require(bool holds, std::string_view promise, std::string_view text) {
  if (holds) return;
  std::fprintf(stderr, "broken: %.*s\ntext: \"%.*s\"\n", static_cast<int>(promise.size()),
               promise.data(), static_cast<int>(text.size()), text.data());
  std::abort();
}

// True when the text holds "nan" or "inf" in any case.
inline bool HasNanOrInf(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

}  // namespace velmora::fuzz
