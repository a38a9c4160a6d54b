// The program's 16-bit truth value: True is -1 (all bits set), False is 0.
#pragma once

#include <cstdint>

using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

inline Boolean ToBoolean(bool b) { return b ? kTrue : kFalse; }

// A check-box state (0 clear, 1 ticked, 2 grayed) becomes True when non-zero.
inline Boolean CheckToBool(int state) { return ToBoolean(state != 0); }

// A Boolean becomes a check-box state: True gives 1, anything else 0.
inline int BoolToCheck(Boolean b) { return b == kTrue ? 1 : 0; }
