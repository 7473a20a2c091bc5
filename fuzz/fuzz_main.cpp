// libFuzzer entry: the build names the reader this program fuzzes in QUENBY_FUZZ_ENTRY.
#include "FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quenby::fuzz::QUENBY_FUZZ_ENTRY(data, size);
}

// Qt's libraries keep no frame pointers, so the sanitizer's quick unwinding of an
// allocation's stack runs on through whatever lies on the stack beyond Qt's frames: a
// made-up stack for nearly every allocation, each kept for good (about a gigabyte per
// forty thousand runs of the settings target). So allocations keep no stack; errors
// still get their whole stack. To see where a reported block was allocated, replay
// the input with ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=0";
}

// The font database keeps fontconfig's answers about font names in memory it never
// frees; a target asking about thousands of made-up names would otherwise report it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
