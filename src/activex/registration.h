// Self-registration: the type library, the classes this module serves and
// their component categories.
#pragma once

#include <windows.h>

namespace brixel::activex {

// SELFREG_E_TYPELIB when the type library cannot be registered,
// SELFREG_E_CLASS when a class or category step fails.
HRESULT RegisterServer() noexcept;
HRESULT UnregisterServer() noexcept;

}  // namespace brixel::activex
