// What the menu item tree needs from the world outside the portable code: a
// modal message box for refused changes and pictures held by reference. The
// ActiveX object, the menu editor page and the tests each supply their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace brixel {

enum class MessageIcon : std::uint8_t {
    None,
    Stop,         // MB_ICONSTOP
    Exclamation,  // MB_ICONEXCLAMATION
};

// Shows a modal message box and returns when the user has closed it.
class MessageBoxHost {
public:
    virtual ~MessageBoxHost() = default;
    virtual void ShowMessage(std::u16string_view text, MessageIcon icon) = 0;
};

// A picture object shared with whoever handed it in (an OLE picture in the
// control); the tree only keeps it alive and passes it back.
class MenuPicture {
public:
    virtual ~MenuPicture() = default;
    virtual bool HasImage() const = 0;
};

using PictureRef = std::shared_ptr<MenuPicture>;

// An opaque window handle: the portable code only compares them.
using WindowHandle = std::uintptr_t;

}  // namespace brixel
