#pragma once

namespace marvane {

// The six options kept between runs, holding the values used when nothing has been stored.
struct Options {
    bool sound = true;
    bool menu = false;
    bool status = false;
    // Position for the response up-down control; the control clamps it into its own range.
    int response = 1000;
    int c1 = 1;
    int c2 = 2;

    friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace marvane
