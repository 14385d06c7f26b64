// A point in device pixels, shared by the behaviour (mouse positions) and the
// painting layer (drawing coordinates).
#pragma once

namespace brixel {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace brixel
