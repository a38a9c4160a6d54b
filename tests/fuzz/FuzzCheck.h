// What the fuzz targets share: a property that fails is a finding, reported like a crash.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

inline void Require(bool ok, const char* property) {
    if (ok) return;
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}

inline std::string TextOf(const std::uint8_t* bytes, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes), size);
}
