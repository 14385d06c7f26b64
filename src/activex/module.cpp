#include "activex/module.h"

#include "activex/com_boundary.h"
#include "gdi/raii.h"

#include <atomic>

namespace brixel::activex {
namespace {
HMODULE g_module = nullptr;
std::atomic<long> g_locks{0};
}  // namespace

HMODULE ModuleHandle() noexcept { return g_module; }
void SetModuleHandle(HMODULE module) noexcept { g_module = module; }

void LockModule() noexcept { ++g_locks; }
void UnlockModule() noexcept { --g_locks; }
bool ModuleInUse() noexcept { return g_locks.load() != 0; }

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(g_module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // long paths: grow until it fits
    }
}

HRESULT GetOwnTypeInfo(REFGUID guid, ITypeInfo** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    // Read from our own file, not the registry: the control works before
    // (and without) registration, as in tests and side-by-side installs.
    return ComBoundary([&] {
        win::ComPtr<ITypeLib> library;
        const HRESULT hr = ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.put());
        if (FAILED(hr)) return hr;
        return library->GetTypeInfoOfGuid(guid, out);
    });
}

}  // namespace brixel::activex
