#pragma once

#include "engine/runtimeerror.h"

#include <cstdlib>

// A broken invariant is a crash, which the fuzzer reports with the input that caused it.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}

// The runtime error number a call raises; 0 when it returns.
template <typename F> int errorOf(F &&call)
{
    try {
        return call(), 0;
    } catch (const orrindel::RuntimeError &error) {
        return error.number();
    }
}
