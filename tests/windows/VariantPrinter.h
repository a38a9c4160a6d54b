// Shows a Variant in test failures by its kind and text.
#pragma once

#include <ostream>

#include "settings/Variant.h"

inline void PrintTo(const Variant& value, std::ostream* out) {
    static const char* const kinds[] = {"Empty", "String", "Integer", "Long", "Boolean", "Bytes"};
    *out << kinds[static_cast<int>(value.GetKind())] << "(";
    for (char c : value.ToText()) {
        if (c == '\0') {
            *out << "\\0";
        } else {
            *out << c;
        }
    }
    *out << ")";
}
