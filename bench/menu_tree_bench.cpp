// Times of the menu item tree at sizes up to the full ID range: building it
// (flat and five levels deep), looking every item up, counting and deleting.
// Each runs at several sizes so that the fitted complexity shows whether any
// of them grew worse than linear.
#include "menu/menu_automation.h"
#include "menu/menu_tree.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace brixel {
namespace {

class SilentBox final : public MessageBoxHost {
public:
    void ShowMessage(std::u16string_view, MessageBoxIcon) override { ++count; }
    int count = 0;
};

enum class Shape { Flat, Deep };

// Deep: chains of five levels, each chain hanging off the top level.
void Build(MenuTree& tree, int n, Shape shape) {
    for (int i = 0; i < n; ++i) {
        const auto id = static_cast<std::int16_t>(i);
        const bool top = shape == Shape::Flat || i % 5 == 0;
        tree.AddItem(id, top ? kTopLevel : static_cast<std::int16_t>(i - 1));
    }
}

void BM_Build(benchmark::State& state, Shape shape) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SilentBox box;
        MenuTree tree(box);
        Build(tree, n, shape);
        benchmark::DoNotOptimize(tree.Items().size());
        state.PauseTiming();
        tree.DeleteAll();  // not part of building
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}

void BM_FindEvery(benchmark::State& state, Shape shape) {
    const int n = static_cast<int>(state.range(0));
    SilentBox box;
    MenuTree tree(box);
    Build(tree, n, shape);
    for (auto _ : state) {
        std::size_t sum = 0;
        for (int i = 0; i < n; ++i) {
            const MenuItemRecord* r = tree.FindItem(static_cast<std::int16_t>(i));
            sum += r->Index();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(n);
}

void BM_CountAll(benchmark::State& state, Shape shape) {
    const int n = static_cast<int>(state.range(0));
    SilentBox box;
    MenuTree tree(box);
    Build(tree, n, shape);
    for (auto _ : state) benchmark::DoNotOptimize(GetTotalMenuItemCount(tree));
    state.SetComplexityN(n);
}

void BM_DeleteAll(benchmark::State& state, Shape shape) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        SilentBox box;
        MenuTree tree(box);
        Build(tree, n, shape);
        state.ResumeTiming();
        tree.DeleteAll();
        benchmark::DoNotOptimize(tree.Items().size());
    }
    state.SetComplexityN(n);
}

void BM_RemoveEveryOneByOne(benchmark::State& state, Shape shape) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        SilentBox box;
        MenuTree tree(box);
        Build(tree, n, shape);
        state.ResumeTiming();
        for (int i = n - 1; i >= 0; --i) tree.RemoveItem(static_cast<std::int16_t>(i));
        benchmark::DoNotOptimize(tree.Items().size());
    }
    state.SetComplexityN(n);
}

#define BRIXEL_MENU_BENCH(fn)                                                                        \
    BENCHMARK_CAPTURE(fn, flat, Shape::Flat)->RangeMultiplier(2)->Range(4096, 32767)->Complexity(); \
    BENCHMARK_CAPTURE(fn, deep, Shape::Deep)->RangeMultiplier(2)->Range(4096, 32767)->Complexity()

BRIXEL_MENU_BENCH(BM_Build);
BRIXEL_MENU_BENCH(BM_FindEvery);
BRIXEL_MENU_BENCH(BM_CountAll);
BRIXEL_MENU_BENCH(BM_DeleteAll);
BRIXEL_MENU_BENCH(BM_RemoveEveryOneByOne);

}  // namespace
}  // namespace brixel

BENCHMARK_MAIN();
