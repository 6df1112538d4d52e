#pragma once

#include "engine/runtimeerror.h"

namespace orrindel::test {

// The runtime error number a call raises; 0 when it returns.
template <typename F> int errorOf(F &&call)
{
    try {
        return call(), 0;
    } catch (const RuntimeError &error) {
        return error.number();
    }
}

} // namespace orrindel::test
