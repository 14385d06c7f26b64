// Any bytes as a saved stream. Besides the sanitizers, one property is
// checked: whatever was loaded saves to a stream that loads completely and
// saves again to the same bytes (the codec reads exactly what it writes).
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brixel::fuzz::Control;
    Control first;
    first.LoadStream({data, size});
    const brixel::ByteBlock saved = first.SaveStream();

    Control second;
    if (!second.LoadStream(saved)) std::abort();
    if (second.SaveStream() != saved) std::abort();
    return 0;
}
