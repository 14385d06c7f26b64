// What becomes of an exception at a COM entry point, and the entry points
// that allocate before they can fail politely. The control's connection
// point and module code are compiled into this test (see CMakeLists), so
// that this process's allocator can be made to fail underneath them.
#include "activex/brixeldemo.h"
#include "activex/com_boundary.h"
#include "activex/connection_point.h"
#include "activex/module.h"
#include "windows/control_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>

namespace {
// How many more allocations may succeed; negative: all of them.
std::atomic<int> g_allocations_left{-1};
}  // namespace

// Every allocation of this process goes through here; the control library
// itself keeps its own allocator and is not affected.
void* operator new(std::size_t size) {
    const int left = g_allocations_left.load(std::memory_order_relaxed);
    if (left == 0) throw std::bad_alloc();
    if (left > 0) g_allocations_left.store(left - 1, std::memory_order_relaxed);
    if (void* p = ::HeapAlloc(::GetProcessHeap(), 0, size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    if (p != nullptr) ::HeapFree(::GetProcessHeap(), 0, p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace brixel::activex {
namespace {

// Memory runs out after `granted` more allocations.
class OutOfMemory {
public:
    explicit OutOfMemory(int granted = 0) { g_allocations_left = granted; }
    ~OutOfMemory() { g_allocations_left = -1; }
    OutOfMemory(const OutOfMemory&) = delete;
    OutOfMemory& operator=(const OutOfMemory&) = delete;
};

// A container that only counts the references taken on it.
class CountedContainer final : public IConnectionPointContainer {
public:
    ULONG refs = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID, IConnectionPoint**) override { return E_NOTIMPL; }
};

struct BoundaryCase {
    const char* name;
    HRESULT (*body)();
    HRESULT expected;
};

const BoundaryCase kBoundaryCases[] = {
    {"result_passes_through", [] { return S_FALSE; }, S_FALSE},
    {"failure_passes_through", [] { return DISP_E_TYPEMISMATCH; }, DISP_E_TYPEMISMATCH},
    {"out_of_memory", []() -> HRESULT { throw std::bad_alloc(); }, E_OUTOFMEMORY},
    {"array_too_long", []() -> HRESULT { throw std::bad_array_new_length(); }, E_OUTOFMEMORY},
    {"a_library_error", []() -> HRESULT { throw std::length_error("too long"); }, E_UNEXPECTED},
    {"anything_else", []() -> HRESULT { throw 42; }, E_UNEXPECTED},
};

class ComBoundaryTest : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(ComBoundaryTest, TurnsTheBodyIntoOneResult) {
    EXPECT_EQ(ComBoundary(GetParam().body), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Bodies, ComBoundaryTest, ::testing::ValuesIn(kBoundaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComBoundaryEntryPoints, AnEnumeratorOutOfMemoryReportsItAndLeaksNoReference) {
    CountedContainer owner;
    IConnectionPoint* const points[2] = {nullptr, nullptr};
    IEnumConnectionPoints* made = nullptr;
    {
        OutOfMemory no_memory;
        EXPECT_EQ(CreateConnectionPointEnumerator(&owner, points, 2, &made), E_OUTOFMEMORY);
    }
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(owner.refs, 1u);
}

// The clone's object may be had and its copy of the list not, or neither.
TEST(ComBoundaryEntryPoints, CloningOutOfMemoryReportsItAndLeaksNoReference) {
    CountedContainer owner;
    IConnectionPoint* const points[2] = {nullptr, nullptr};
    win::ComPtr<IEnumConnectionPoints> enumerator;
    ASSERT_EQ(CreateConnectionPointEnumerator(&owner, points, 2, enumerator.put()), S_OK);
    for (int granted = 0; granted < 2; ++granted) {
        win::ComPtr<IEnumConnectionPoints> clone;
        {
            OutOfMemory no_memory(granted);
            EXPECT_EQ(enumerator->Clone(clone.put()), E_OUTOFMEMORY) << granted;
        }
        EXPECT_EQ(clone.get(), nullptr);
        EXPECT_EQ(owner.refs, 2u);  // the enumerator's own
    }
    win::ComPtr<IEnumConnectionPoints> clone;
    ASSERT_EQ(enumerator->Clone(clone.put()), S_OK);
    clone.reset();
    enumerator.reset();
    EXPECT_EQ(owner.refs, 1u);
}

TEST(ComBoundaryEntryPoints, TypeInformationOutOfMemoryReportsIt) {
    testing::ControlLibrary library;
    ASSERT_TRUE(library.loaded());
    SetModuleHandle(library.get());  // the type library is read from the control's file
    win::ComPtr<ITypeInfo> info;
    {
        OutOfMemory no_memory;
        EXPECT_EQ(GetOwnTypeInfo(DIID__DBrixelDemo, info.put()), E_OUTOFMEMORY);
    }
    EXPECT_EQ(info.get(), nullptr);
    ASSERT_EQ(GetOwnTypeInfo(DIID__DBrixelDemo, info.put()), S_OK);
    info.reset();
    SetModuleHandle(nullptr);
}

}  // namespace
}  // namespace brixel::activex
