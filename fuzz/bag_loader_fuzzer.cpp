// Any bytes as a property bag (fuzz_support.h spells the bag). Besides the
// sanitizers, one property is checked: whatever was loaded survives a bag
// round trip, compared through its stream form.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brixel::fuzz::Control;
    Control first;
    first.LoadBag(brixel::fuzz::BagFromBytes({data, size}));
    const brixel::ByteBlock as_stream = first.SaveStream();
    const brixel::MemoryPropertyBag bag = first.SaveBag();

    Control second;
    second.LoadBag(bag);
    if (second.SaveStream() != as_stream) std::abort();
    return 0;
}
