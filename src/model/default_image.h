// The default data file of a band, built from the model's own defaults. The
// program installs these beside itself; a model change and Adjustment Recover
// load them.
#pragma once

#include <cstdint>
#include <vector>

// Fills `file` with a complete 32,896-byte data file of the band; false when the
// pack of the defaults refused.
bool BuildDefaultDataFile(bool uhf, std::vector<std::uint8_t>& file);

// The ".Q58" layout of the same data: 21,504 unused bytes, the 5-Tone block, image
// 24,576..32,511 and the tail.
std::vector<std::uint8_t> DataFileToQ58(const std::vector<std::uint8_t>& file);
