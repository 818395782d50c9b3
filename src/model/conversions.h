// STUB: to be replaced by the shared conversions.
#pragma once
#include <cstdint>
inline bool IsProductionType11(std::uint32_t code) { return code == 11; }
