// The private way from the menu editor page to the control's menu tree.
//
// The page finds it by QueryInterface on the objects the frame hands it, so a
// foreign object simply lacks it, and no address ever travels through an
// automation property. The interface is in-process only: it hands out a C++
// pointer and has no proxy, so it cannot be reached across apartments.
#pragma once

#include <unknwn.h>

namespace brixel {
class MenuTree;
}

namespace brixel::activex {

// {BEE3E44E-E91F-4F64-BADB-2551C93C00B7}
inline constexpr IID kIID_IMenuAccess = {
    0xBEE3E44E, 0xE91F, 0x4F64, {0xBA, 0xDB, 0x25, 0x51, 0xC9, 0x3C, 0x00, 0xB7}};

class IMenuAccess : public IUnknown {
public:
    // The control's tree, valid while the caller holds this interface. Every
    // change goes through the tree, which keeps the control's shortcut
    // registrations in step with it.
    virtual MenuTree* STDMETHODCALLTYPE MenuItems() noexcept = 0;
    // Tells the control its tree was rebuilt as a whole: it is saved with the
    // control, so the control counts as modified.
    virtual void STDMETHODCALLTYPE MenuTreeReplaced() noexcept = 0;
};

}  // namespace brixel::activex
