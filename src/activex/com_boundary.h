// The one place where an exception becomes an HRESULT. A COM method must
// not let one escape (its caller may not even be C++), and a noexcept method
// that lets one escape ends the process. Every entry point whose body can
// throw runs it through ComBoundary: running out of memory is E_OUTOFMEMORY,
// anything else is a fault of ours and reads E_UNEXPECTED.
#pragma once

#include <objbase.h>

#include <new>
#include <utility>

namespace brixel::activex {

template <typename Body>
HRESULT ComBoundary(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace brixel::activex
