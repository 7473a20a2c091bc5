#pragma once

#include <cstddef>
#include <cstdint>

// Each target defines one entry point per stored-file reader; the replay program
// and the libFuzzer driver look them up by name.
namespace quenby::fuzz {

using Entry = int (*)(const std::uint8_t* data, std::size_t size);

int WxdReader(const std::uint8_t* data, std::size_t size);
int SettingsReader(const std::uint8_t* data, std::size_t size);
int WxgReader(const std::uint8_t* data, std::size_t size);
int DrawingPath(const std::uint8_t* data, std::size_t size);

}  // namespace quenby::fuzz
