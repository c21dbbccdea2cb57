// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeric/arithmetic.h"

namespace numeric {

double variantArithmetic(Operation operation, double a, double b) {
    switch (operation) {
    case Operation::Add:
        return guarded([=] { return a + b; });
    case Operation::Subtract:
        return guarded([=] { return a - b; });
    case Operation::Multiply:
        return guarded([=] { return a * b; });
    case Operation::Divide:
        // Told apart before dividing, so the answer never hangs on where the flags get tested.
        if (b == 0)
            throw a == 0 ? numeric::RuntimeError::overflow()
                         : numeric::RuntimeError::divisionByZero();
        return guarded([=] { return a / b; });
    }
    throw numeric::RuntimeError::internal();
}

} // namespace numeric
