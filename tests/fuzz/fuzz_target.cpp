// A libFuzzer target of one reader; the build makes one per reader, naming it in
// VANTORA_FUZZ_READER.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzReader& reader = FuzzReaderNamed(VANTORA_FUZZ_READER);
    reader.Run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
