#include "activex/accessible.h"

#include "activex/com_boundary.h"
#include "activex/control_window.h"

#include <atomic>

namespace brixel::activex {
namespace {

LONG RoleConstant(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::SplitButton: return ROLE_SYSTEM_SPLITBUTTON;
        case AccessibleRole::ButtonMenu: return ROLE_SYSTEM_BUTTONMENU;
        case AccessibleRole::ButtonDropDown: return ROLE_SYSTEM_BUTTONDROPDOWN;
    }
    return ROLE_SYSTEM_PUSHBUTTON;
}

LONG StateBits(const AccessibleStates& s) {
    LONG bits = 0;
    if (s.pressed) bits |= STATE_SYSTEM_PRESSED;
    if (s.unavailable) bits |= STATE_SYSTEM_UNAVAILABLE;
    if (s.focusable) bits |= STATE_SYSTEM_FOCUSABLE;
    if (s.focused) bits |= STATE_SYSTEM_FOCUSED;
    if (s.hot) bits |= STATE_SYSTEM_HOTTRACKED;
    if (s.has_popup) bits |= STATE_SYSTEM_HASPOPUP;
    if (s.expanded) bits |= STATE_SYSTEM_EXPANDED;
    return bits;
}

// A text answer: S_FALSE and no string when there is nothing to say.
HRESULT TextAnswer(std::u16string_view text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildVariant(LONG child) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

}  // namespace

// What the object's answers are made of: the child a client names, the
// view's fields for it asked of the window afresh, and the system's object
// for what is the container's. Once the window is gone every answer says so.
class AccessibleAnswers {
public:
    explicit AccessibleAnswers(AccessibleLink* link) noexcept : link_(link) {}
    void Disconnect() noexcept {
        link_ = nullptr;
        standard_.reset();
    }
    AccessibleLink* Link() const noexcept { return link_; }

    // The child a client names: the button itself (CHILDID_SELF) or a part.
    HRESULT Resolve(const VARIANT& child, AccessiblePart* part) const noexcept {
        if (link_ == nullptr) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) {
            *part = AccessiblePart::Whole;
            return S_OK;
        }
        if (child.lVal < 1 || child.lVal > link_->ChildCount()) return E_INVALIDARG;
        *part = static_cast<AccessiblePart>(child.lVal);
        return S_OK;
    }
    template <typename Field>
    HRESULT Text(const VARIANT& child, BSTR* out, Field field) const noexcept {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        AccessiblePart part{};
        const HRESULT hr = Resolve(child, &part);
        if (FAILED(hr)) return hr;
        return ComBoundary([&]() -> HRESULT {
            const auto view = link_->View(part);
            return view ? TextAnswer(field(*view), out) : E_INVALIDARG;
        });
    }
    template <typename Field>
    HRESULT Number(const VARIANT& child, VARIANT* out, Field field) const noexcept {
        if (out == nullptr) return E_POINTER;
        ::VariantInit(out);
        AccessiblePart part{};
        const HRESULT hr = Resolve(child, &part);
        if (FAILED(hr)) return hr;
        return ComBoundary([&]() -> HRESULT {
            const auto view = link_->View(part);
            if (!view) return E_INVALIDARG;
            *out = ChildVariant(field(*view));
            return S_OK;
        });
    }
    // The system's object for our client area: it knows the parent and the
    // siblings, which are the container's.
    IAccessible* Standard() noexcept {
        if (link_ == nullptr) return nullptr;
        if (!standard_) {
            ::CreateStdAccessibleObject(link_->Window(), OBJID_CLIENT, IID_IAccessible, standard_.put_void());
        }
        return standard_.get();
    }

private:
    AccessibleLink* link_;
    win::ComPtr<IAccessible> standard_;
};

// The object a client holds. Every answer is asked of the window afresh;
// once the window is gone the link is cut and every call says so.
class ButtonAccessible final : public IAccessible, public IOleWindow {
public:
    explicit ButtonAccessible(AccessibleLink* link) noexcept : answers_(link) {}
    void Disconnect() noexcept { answers_.Disconnect(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow)) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: clients call IAccessible directly; there is no type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) noexcept override {
        if (out != nullptr) *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) noexcept override {
        return E_NOTIMPL;
    }

    // IOleWindow: lets a client find the window behind the object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = answers_.Link() != nullptr ? answers_.Link()->Window() : nullptr;
        return answers_.Link() != nullptr ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        IAccessible* standard = answers_.Standard();
        return standard != nullptr ? standard->get_accParent(out) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        if (answers_.Link() == nullptr) return CO_E_OBJNOTCONNECTED;
        *out = answers_.Link()->ChildCount();
        return S_OK;
    }
    // The parts are simple elements, reached through their parent.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(child, &part);
        if (FAILED(hr)) return hr;
        return part == AccessiblePart::Whole ? E_INVALIDARG : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) noexcept override {
        return answers_.Text(child, out, [](const AccessibleView& v) { return std::u16string_view(v.name); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) noexcept override {
        if (out != nullptr) *out = nullptr;
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(child, &part);
        return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) noexcept override {
        return answers_.Text(child, out, [](const AccessibleView& v) { return std::u16string_view(v.description); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) noexcept override {
        return answers_.Number(child, out, [](const AccessibleView& v) { return RoleConstant(v.role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) noexcept override {
        return answers_.Number(child, out, [](const AccessibleView& v) { return StateBits(v.states); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) noexcept override {
        return answers_.Text(child, out, [](const AccessibleView&) { return std::u16string_view(); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) noexcept override {
        if (file != nullptr) *file = nullptr;
        if (topic != nullptr) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) noexcept override {
        return answers_.Text(child, out, [](const AccessibleView& v) { return std::u16string_view(v.keyboard_shortcut); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        ::VariantInit(out);
        if (answers_.Link() == nullptr) return CO_E_OBJNOTCONNECTED;
        if (::GetFocus() != answers_.Link()->Window()) return S_FALSE;
        *out = ChildVariant(CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        ::VariantInit(out);
        return answers_.Link() != nullptr ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) noexcept override {
        return answers_.Text(child, out, [](const AccessibleView& v) { return AccessibleActionText(v.action); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) noexcept override {
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(child, &part);
        if (FAILED(hr)) return hr;
        if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
        return ComBoundary([&]() -> HRESULT {
            const auto view = answers_.Link()->View(part);
            if (!view || !view->states.focusable) return S_FALSE;
            ::SetFocus(answers_.Link()->Window());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) noexcept override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
        *left = *top = *width = *height = 0;
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(child, &part);
        if (FAILED(hr)) return hr;
        const auto r = answers_.Link()->ScreenBounds(part);
        if (!r) return E_INVALIDARG;
        *left = r->left;
        *top = r->top;
        *width = r->right - r->left;
        *height = r->bottom - r->top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        ::VariantInit(out);
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(start, &part);
        if (FAILED(hr)) return hr;
        const LONG count = answers_.Link()->ChildCount();
        if (part == AccessiblePart::Whole) {
            if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
                if (count == 0) return S_FALSE;
                *out = ChildVariant(direction == NAVDIR_FIRSTCHILD ? 1 : count);
                return S_OK;
            }
            // Our siblings are the container's business.
            IAccessible* standard = answers_.Standard();
            return standard != nullptr ? standard->accNavigate(direction, start, out) : S_FALSE;
        }
        const LONG at = static_cast<LONG>(part);
        LONG next = 0;
        if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT) next = at + 1;
        if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT) next = at - 1;
        if (next < 1 || next > count) return S_FALSE;
        *out = ChildVariant(next);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) noexcept override {
        if (out == nullptr) return E_POINTER;
        ::VariantInit(out);
        if (answers_.Link() == nullptr) return CO_E_OBJNOTCONNECTED;
        const auto part = answers_.Link()->PartAtScreen(POINT{x, y});
        if (!part) return S_FALSE;
        *out = ChildVariant(static_cast<LONG>(*part));
        return S_OK;
    }
    // Runs once this call has returned, through the same steps as the
    // user's own click or drop.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) noexcept override {
        AccessiblePart part{};
        const HRESULT hr = answers_.Resolve(child, &part);
        if (FAILED(hr)) return hr;
        return ComBoundary([&]() -> HRESULT {
            const auto view = answers_.Link()->View(part);
            if (!view || view->action == AccessibleAction::None) return DISP_E_MEMBERNOTFOUND;
            const auto what = static_cast<WPARAM>(view->action == AccessibleAction::Open ? AccessiblePart::DropPart
                                                                                           : AccessiblePart::PushPart);
            return ::PostMessageW(answers_.Link()->Window(), kUmAccessibleAction, what, 0) ? S_OK : E_FAIL;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) noexcept override { return E_NOTIMPL; }

private:
    ~ButtonAccessible() = default;

    std::atomic<ULONG> refs_{1};
    AccessibleAnswers answers_;
};

AccessibleLink::~AccessibleLink() { Detach(); }

void AccessibleLink::Attach(HWND window) noexcept {
    hwnd_ = window;
    try {
        heard_ = View(AccessiblePart::Whole);
    } catch (...) {
        heard_.reset();
    }
}

void AccessibleLink::Detach() noexcept {
    if (object_ != nullptr) {
        object_->Disconnect();
        object_->Release();
        object_ = nullptr;
    }
    hwnd_ = nullptr;
    heard_.reset();
}

std::optional<LRESULT> AccessibleLink::OnGetObject(WPARAM wparam, LPARAM lparam) noexcept {
    if (hwnd_ == nullptr || static_cast<LONG>(lparam) != OBJID_CLIENT) return std::nullopt;
    if (object_ == nullptr) object_ = new (std::nothrow) ButtonAccessible(this);
    if (object_ == nullptr) return std::nullopt;
    return ::LresultFromObject(IID_IAccessible, wparam, static_cast<IAccessible*>(object_));
}

std::optional<AccessibleView> AccessibleLink::View(AccessiblePart part) const {
    if (hwnd_ == nullptr) return std::nullopt;
    ButtonInstance& button = owner_.Instance();
    return DescribeAccessible(button.Props(), AccessibleInputs{button.Interaction(), ::GetFocus() == hwnd_}, part);
}

int AccessibleLink::ChildCount() const { return AccessibleChildCount(owner_.Instance().Props()); }

std::optional<RECT> AccessibleLink::ScreenBounds(AccessiblePart part) const {
    if (hwnd_ == nullptr) return std::nullopt;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const auto r = AccessiblePartBounds(owner_.Instance().Props(), Rect{0, 0, client.right, client.bottom}, part);
    if (!r) return std::nullopt;
    RECT screen{r->left, r->top, r->right, r->bottom};
    ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&screen), 2);
    return screen;
}

std::optional<AccessiblePart> AccessibleLink::PartAtScreen(POINT screen) const {
    if (hwnd_ == nullptr) return std::nullopt;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    ::ScreenToClient(hwnd_, &screen);
    return AccessiblePartAt(owner_.Instance().Props(), Rect{0, 0, client.right, client.bottom},
                            Point{screen.x, screen.y});
}

void AccessibleLink::Changed() noexcept {
    if (hwnd_ == nullptr) return;
    std::optional<AccessibleView> now;
    try {
        now = View(AccessiblePart::Whole);
    } catch (...) {
        return;
    }
    if (!now) return;
    const std::optional<AccessibleView> before = std::exchange(heard_, now);
    if (!before) return;
    const auto tell = [this](DWORD event) { ::NotifyWinEvent(event, hwnd_, OBJID_CLIENT, CHILDID_SELF); };
    if (before->states != now->states) tell(EVENT_OBJECT_STATECHANGE);
    if (before->name != now->name) tell(EVENT_OBJECT_NAMECHANGE);
    if (before->description != now->description) tell(EVENT_OBJECT_DESCRIPTIONCHANGE);
    if (before->action != now->action) tell(EVENT_OBJECT_DEFACTIONCHANGE);
}

void AccessibleLink::FocusGained() noexcept {
    if (hwnd_ == nullptr) return;
    Changed();
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace brixel::activex
