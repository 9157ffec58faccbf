// libFuzzer entry point over the dialect translator and the store (see README: fuzzing).
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz/StatementCheck.h"

namespace {

// Made before the first input: deriving the keys of the scratch database takes a while and
// must not count against the first input's time limit.
std::unique_ptr<mirtal::fuzz::StatementCheck> check;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    check = std::make_unique<mirtal::fuzz::StatementCheck>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check->check({reinterpret_cast<const char*>(data), size});
    return 0;
}
