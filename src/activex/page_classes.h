// The property pages this module serves, for the class factory table and
// self-registration.
#pragma once

#include "activex/class_factory.h"

#include <span>

namespace brixel::activex {

struct PageClass {
    ClassEntry entry;
    const wchar_t* prog_id;
    const wchar_t* name;  // the registry's description of the class
};

std::span<const PageClass> PageClasses();

HRESULT CreateAppearancePage(REFIID iid, void** out) noexcept;
HRESULT CreateBehaviorPage(REFIID iid, void** out) noexcept;
HRESULT CreateGradientPage(REFIID iid, void** out) noexcept;
HRESULT CreatePicturePage(REFIID iid, void** out) noexcept;
HRESULT CreateColoursPage(REFIID iid, void** out) noexcept;

}  // namespace brixel::activex
