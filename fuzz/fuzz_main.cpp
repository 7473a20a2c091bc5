// libFuzzer entry: the build names the reader this program fuzzes in QUENBY_FUZZ_ENTRY.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quenby::fuzz::QUENBY_FUZZ_ENTRY(data, size);
}
