// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeric/arithmetic.h"
#include "windows/contact.h"

#include <span>
#include <vector>

class QWidget;

// What the program's windows hold, described once: the windows, each calculator (which boxes
// it reads, in which order, where it writes, what it computes) and each contact button. The
// windows are bound from it, and the tests, the benchmark and the end-to-end sessions read it.
namespace windows {

enum class WindowId { Start, Square, Rectangle, Rhombus, Parallelogram, Circle, Triangle };
inline constexpr WindowId allWindowIds[] = {
    WindowId::Start,         WindowId::Square, WindowId::Rectangle, WindowId::Rhombus,
    WindowId::Parallelogram, WindowId::Circle, WindowId::Triangle,
};

struct WindowInfo {
    WindowId id;
    const char* form;       // the form's and the window's object name
    const char* menuButton; // the start window's button that opens it; none for the start window
    const char* greeting;   // the label that contact buttons write into; none on the triangle page
};
const WindowInfo& windowInfo(WindowId id);

using Values = std::span<const double>;

// What a calculator computes from the values it reads: one of numeric's formulas, given the
// values in the order they are read, or one of the four operations. Throws
// numeric::RuntimeError.
class Formula {
public:
    Formula(double (*ofOne)(double)) : ofOne_(ofOne) {}
    Formula(double (*ofTwo)(double, double)) : ofTwo_(ofTwo) {}
    Formula(numeric::Operation operation) : operation_(operation) {}
    double operator()(Values v) const;

private:
    double (*ofOne_)(double) = nullptr;
    double (*ofTwo_)(double, double) = nullptr;
    numeric::Operation operation_{};
};

struct Calculator {
    WindowId window;
    const char* button;
    // The boxes read on a click, in the order they are read; a box read twice is listed twice.
    std::vector<const char*> inputs;
    // The result's box or label.
    const char* output;
    // On the start window: the option button that chooses this operation.
    const char* option;
    Formula formula;
};
std::span<const Calculator> calculators();

struct ContactButton {
    WindowId window;
    const char* button;
    Contact contact;
    int blanksBefore, blanksAfter;
};
std::span<const ContactButton> contactButtons();

// Binds the window's calculators and contact buttons, found by their object names.
void bindCalculatorsAndContacts(QWidget* window, WindowId id);

} // namespace windows
