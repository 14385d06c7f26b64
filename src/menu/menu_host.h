// What the menu item tree needs from the world outside the portable code: a
// modal message box for refused changes and pictures held by reference. The
// ActiveX object, the menu editor page and the tests each supply their own.
// The icon and picture types are the property model's, so one host object
// and one picture wrapper serve both.
#pragma once

#include "core/model_host.h"      // MessageBoxIcon
#include "core/shared_objects.h"  // PictureObject, SharedPicture

#include <cstdint>
#include <string_view>

namespace brixel {

// Shows a modal message box and returns when the user has closed it.
class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    virtual void ShowMessage(std::u16string_view text, MessageBoxIcon icon) = 0;
};

// An opaque window handle: the portable code only compares them.
using WindowHandle = std::uintptr_t;

}  // namespace brixel
