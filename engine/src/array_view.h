// One-based views of the caller's flat arrays: element i of a vector at offset
// i - 1, element (i, j) of a column-major table at (i - 1) + (j - 1) * rows.
#pragma once

#include <cstddef>

namespace kmr::engine {

template <typename T>
struct Vec1 {
    T* data;
    T& operator()(int i) const { return data[i - 1]; }
};

template <typename T>
struct Mat1 {
    T* data;
    int rows;
    T& operator()(int i, int j) const {
        return data[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1) * rows];
    }
};

// x raised to a non-negative or negative integer power by repeated squaring.
inline double IntPow(double x, int e) {
    const bool invert = e < 0;
    unsigned u = invert ? static_cast<unsigned>(-e) : static_cast<unsigned>(e);
    double r = 1.0;
    while (u != 0) {
        if (u & 1u) r *= x;
        x *= x;
        u >>= 1;
    }
    return invert ? 1.0 / r : r;
}

}  // namespace kmr::engine
