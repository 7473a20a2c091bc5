#pragma once

namespace quenby {

// A point in document units: a quarter of a screen pixel at 100 % zoom, y down.
struct DocPoint {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const DocPoint&, const DocPoint&) = default;
};

}  // namespace quenby
