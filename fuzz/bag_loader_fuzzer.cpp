// Any bytes as a property bag (fuzz_support.h spells the bag), loaded straight
// from them. Besides the sanitizers, two properties are checked: whatever was
// loaded saves to a stream that loads and saves again to the same bytes, and,
// while the menu is small, it also survives a bag round trip.
//
// A bag of a few bytes can ask for the loader's full 32,767 menu items: one
// huge count key gives that many default items. The loader's own limit is
// covered by the unit tests; here the list lengths the bag grants share one
// small budget, so that every input stays quick and the fuzzer's time goes to
// what the items hold rather than to how many there are.
#include <algorithm>
#include <string_view>

#include "fuzz_support.h"

namespace {

constexpr std::int32_t kMenuItemBudget = 256;
constexpr std::size_t kBagRoundTripItems = 64;

class BudgetedBag final : public brixel::PropertyBag {
public:
    explicit BudgetedBag(const brixel::PropertyBag& bag) : bag_(bag) {}

    std::optional<brixel::BagValue> Read(std::string_view key, brixel::BagType wanted) const override {
        std::optional<brixel::BagValue> value = bag_.Read(key, wanted);
        auto* count = value ? std::get_if<std::int32_t>(&*value) : nullptr;
        if (count != nullptr && key.ends_with("Count") && *count > 0) {
            *count = std::min(*count, left_);
            left_ -= *count;
        }
        return value;
    }
    void Write(std::string_view, brixel::BagValue) override { std::abort(); }  // loading only

private:
    const brixel::PropertyBag& bag_;
    mutable std::int32_t left_ = kMenuItemBudget;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brixel::fuzz::Control;
    const brixel::MemoryPropertyBag bag = brixel::fuzz::BagFromBytes({data, size});
    Control first;
    first.LoadBag(BudgetedBag(bag));
    const brixel::ByteBlock as_stream = first.SaveStream();

    Control second;
    if (!second.LoadStream(as_stream)) std::abort();
    if (second.SaveStream() != as_stream) std::abort();

    if (first.tree.CountAll() > kBagRoundTripItems) return 0;
    Control third;
    third.LoadBag(first.SaveBag());
    if (third.SaveStream() != as_stream) std::abort();
    return 0;
}
