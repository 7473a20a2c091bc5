// libFuzzer entry: which reader is fuzzed is chosen by the program's name.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quenby::fuzz::WxdReader(data, size);
}
