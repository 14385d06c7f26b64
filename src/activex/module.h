// Process-wide state of the control library: its module handle, the lock
// count that answers DllCanUnloadNow, and access to its own type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace brixel::activex {

HMODULE ModuleHandle() noexcept;
void SetModuleHandle(HMODULE module) noexcept;

// Every live object and every server lock holds the module.
void LockModule() noexcept;
void UnlockModule() noexcept;
bool ModuleInUse() noexcept;

// Full path of this DLL (registration writes it; the type library is read from it).
std::wstring ModulePath();

// The type information of `guid` inside the embedded type library.
HRESULT GetOwnTypeInfo(REFGUID guid, ITypeInfo** out) noexcept;

}  // namespace brixel::activex
