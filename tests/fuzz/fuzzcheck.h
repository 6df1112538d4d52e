#pragma once

#include "support/errorof.h"

#include <cstdlib>

using orrindel::test::errorOf;

// A broken invariant is a crash, which the fuzzer reports with the input that caused it.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}
