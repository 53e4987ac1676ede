#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A fuzz input as it can be read in a report: printable ASCII as it is, every other byte as
// \xNN, so that a carriage return or a NUL cannot hide part of it.
inline std::string Visible(std::string_view texto) {
  std::string visible;
  for (const char c : texto) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '\\') {
      visible += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      visible += escape;
    }
  }
  return visible;
}
