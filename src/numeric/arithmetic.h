// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeric/runtimeerror.h"

#include <cfenv>
#include <cmath>

namespace numeric {

// Guarded arithmetic: runs a formula on doubles and throws numeric::RuntimeError when its
// result is not a finite double or the computation raised a floating-point fault
// (6 for overflow and invalid operation, 11 for division by zero). Underflow and inexact
// results are not faults.
template <class Formula> double guarded(Formula formula) {
#if defined(FE_DIVBYZERO) && defined(FE_OVERFLOW) && defined(FE_INVALID)
    std::feclearexcept(FE_ALL_EXCEPT);
    // Stored through a volatile so that the computation cannot sink below the flag test.
    const volatile double stored = formula();
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    const double result = stored;
    if (raised & FE_DIVBYZERO)
        throw numeric::RuntimeError::divisionByZero();
    const bool faulted = raised & (FE_OVERFLOW | FE_INVALID);
#else
    // WebAssembly keeps no floating-point flags: the finiteness test below is all there is, and
    // no formula divides by a typed value (the calculator tells x / 0 apart before dividing).
    const double result = formula();
    const bool faulted = false;
#endif
    // The compiler may still move operations across the flag calls. In sums, products and
    // powers of finite numbers an overflow anywhere leaves an infinity or NaN in the result, so
    // the finiteness test alone catches every overflow of such a formula.
    if (faulted || !std::isfinite(result))
        throw numeric::RuntimeError::overflow();
    return result;
}

// The four operations of the start window's calculator. x / 0 throws error 11, 0 / 0 error 6,
// a result beyond the range of a double error 6.
enum class Operation { Add, Subtract, Multiply, Divide };
double variantArithmetic(Operation operation, double a, double b);

} // namespace numeric
