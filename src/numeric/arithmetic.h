#pragma once

namespace numeric {

// Guarded arithmetic: runs a formula on doubles and throws platform::RuntimeError when its
// result is not a finite double or the computation raised a floating-point fault
// (6 for overflow and invalid operation, 11 for division by zero).
template <class Formula> double guarded(Formula formula);

// The four operations of the start window's calculator. x / 0 throws error 11, 0 / 0 error 6,
// a result beyond the range of a double error 6.
enum class Operation { Add, Subtract, Multiply, Divide };
double variantArithmetic(Operation operation, double a, double b);

} // namespace numeric
