// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Preconditions and invariants of the game and of the analysis engine (the floors at the ground
// include it; it includes nothing of theirs). In Debug builds and in the builds that run the tests
// (configured with -DMARVANE_CHECKS=ON) a broken one stops the program with its place; in any
// other build, a release or a package, the check costs nothing, and an entry point that takes
// input from outside (a square pressed, a colour pair read) refuses it instead.
#ifdef MARVANE_CHECKS
#include <cstdio>
#include <cstdlib>
#define MARVANE_EXPECTS(condition)                                                             \
    ((condition) ? void(0)                                                                     \
                 : (std::fprintf(stderr, "%s:%d: precondition failed: %s\n", __FILE__, __LINE__, \
                                 #condition),                                                  \
                    std::abort()))
#else
#define MARVANE_EXPECTS(condition) void(0)
#endif
