// A generic class factory and the table of classes this module serves.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <span>

namespace brixel::activex {

using CreateInstanceFn = HRESULT (*)(REFIID iid, void** out);

struct ClassEntry {
    const CLSID* clsid;
    CreateInstanceFn create;
};

std::span<const ClassEntry> ServedClasses();

HRESULT CreateClassFactory(const ClassEntry& entry, REFIID iid, void** out) noexcept;

}  // namespace brixel::activex
