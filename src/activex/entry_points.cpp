// The four exports every in-process COM server has, and the count of live
// GDI objects the soak test reads.
#include "activex/brixeldemo.h"
#include "activex/class_factory.h"
#include "activex/control.h"
#include "activex/module.h"
#include "activex/page_classes.h"
#include "activex/registration.h"
#include "gdi/gdi_objects.h"

#include <vector>

namespace brixel::activex {

// The control, then its property pages.
std::span<const ClassEntry> ServedClasses() {
    static const std::vector<ClassEntry> classes = [] {
        std::vector<ClassEntry> all{{&CLSID_BrixelDemo, &CTavloCtrl::Create}};
        for (const PageClass& page : PageClasses()) all.push_back(page.entry);
        return all;
    }();
    return classes;
}

}  // namespace brixel::activex

using namespace brixel::activex;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleHandle(instance);
        ::DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    for (const ClassEntry& entry : ServedClasses()) {
        if (IsEqualCLSID(clsid, *entry.clsid)) return CreateClassFactory(entry, iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }

// GDI objects our drawing made and has not deleted yet: the system's own count
// is not available under every Windows, and a soak run must see it stay level.
extern "C" LONG WINAPI BrixelLiveGdiObjects() { return brixel::win::LiveGdiObjects(); }

extern "C" HRESULT WINAPI DllRegisterServer() { return RegisterServer(); }

extern "C" HRESULT WINAPI DllUnregisterServer() { return UnregisterServer(); }
