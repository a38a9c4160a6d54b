// Numbers as the user's locale writes them: a count with the locale's digit grouping
// ("12,944"), and a number of bytes as Windows shows sizes ("1.50 MB").
#pragma once

#include <cstdint>
#include <string>

std::string CountText(std::uint64_t count);
std::string ByteSizeText(std::uint64_t bytes);
