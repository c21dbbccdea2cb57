// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/catalogue.h"

#include "numeric/arithmetic.h"
#include "windows/boxes.h"
#include "windows/click.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <string_view>

namespace windows {
namespace {

using numeric::guarded;

// The value the circle's formulas use, not the longer one the window shows.
constexpr double pi = 3.14;

const WindowInfo windowInfos[] = {
    {WindowId::Start, "البداية", nullptr, "Label4"},
    {WindowId::Square, "المربع", "Command1", "Label10"},
    {WindowId::Rectangle, "المستطيل", "Command2", "Label10"},
    {WindowId::Rhombus, "المعين", "Command3", "Label10"},
    {WindowId::Parallelogram, "Form1", "Command4", "Label10"},
    {WindowId::Circle, "Form2", "Command5", "Label10"},
    {WindowId::Triangle, "Form3", "Command6", nullptr},
};

double variant(numeric::Operation operation, Values v) {
    return numeric::variantArithmetic(operation, v[0], v[1]);
}

template <class T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    Q_ASSERT_X(found, "windows::bindCalculatorsAndContacts", name);
    return found;
}

void compute(QWidget* window, const std::vector<const Calculator*>& onButton) {
    // Every box is read before the operation is looked at, so that a box beyond a double's
    // range is an error whichever operation is chosen.
    std::vector<double> values;
    for (const char* input : onButton.front()->inputs)
        values.push_back(readNumber(child<QLineEdit>(window, input)));
    for (const Calculator* c : onButton) {
        if (c->option && !child<QRadioButton>(window, c->option)->isChecked())
            continue;
        const double result = c->formula(values);
        if (auto* box = window->findChild<QLineEdit*>(QString::fromUtf8(c->output)))
            writeResult(box, result);
        else
            writeResult(child<QLabel>(window, c->output), result);
    }
}

} // namespace

const WindowInfo& windowInfo(WindowId id) {
    return windowInfos[static_cast<std::size_t>(id)];
}

const WindowInfo* windowByForm(const QString& form) {
    for (const WindowInfo& info : windowInfos)
        if (form == QString::fromUtf8(info.form))
            return &info;
    return nullptr;
}

const std::vector<Calculator>& calculators() {
    using numeric::Operation;
    static const std::vector<Calculator> all = {
        // The four-function calculator: one button, the operation chosen by option buttons.
        {WindowId::Start,
         "Command11",
         {"Text1", "Text2"},
         "Label1",
         "Option1",
         [](Values v) { return variant(Operation::Add, v); }},
        {WindowId::Start,
         "Command11",
         {"Text1", "Text2"},
         "Label1",
         "Option2",
         [](Values v) { return variant(Operation::Subtract, v); }},
        {WindowId::Start,
         "Command11",
         {"Text1", "Text2"},
         "Label1",
         "Option3",
         [](Values v) { return variant(Operation::Multiply, v); }},
        {WindowId::Start,
         "Command11",
         {"Text1", "Text2"},
         "Label1",
         "Option4",
         [](Values v) { return variant(Operation::Divide, v); }},
        // Square: perimeter from one side box, area from another, read once per factor.
        {WindowId::Square,
         "Command1",
         {"Text1"},
         "Text3",
         nullptr,
         [](Values v) { return guarded([&] { return v[0] * 4; }); }},
        {WindowId::Square,
         "Command2",
         {"Text2", "Text2"},
         "Text4",
         nullptr,
         [](Values v) { return guarded([&] { return v[1] * v[0]; }); }},
        // Rectangle: width (Text2) then length (Text1); area and perimeter share the result box.
        {WindowId::Rectangle,
         "Command1",
         {"Text2", "Text1"},
         "Text3",
         nullptr,
         [](Values v) { return guarded([&] { return v[1] * v[0]; }); }},
        {WindowId::Rectangle,
         "Command2",
         {"Text2", "Text1"},
         "Text3",
         nullptr,
         [](Values v) {
             return guarded([&] {
                 const double sum = v[1] + v[0];
                 return sum + sum;
             });
         }},
        // Rhombus: perimeter from a side; area from the second (Text4) and first (Text2) diagonal.
        {WindowId::Rhombus,
         "Command1",
         {"Text1"},
         "Text3",
         nullptr,
         [](Values v) { return guarded([&] { return v[0] * 4; }); }},
        {WindowId::Rhombus,
         "Command2",
         {"Text4", "Text2"},
         "Text5",
         nullptr,
         [](Values v) { return guarded([&] { return (v[1] * v[0]) / 2; }); }},
        // Parallelogram: the longer (Text3) and shorter (Text1) side; base (Text2) and height
        // (Text4).
        {WindowId::Parallelogram,
         "Command1",
         {"Text3", "Text1"},
         "Text6",
         nullptr,
         [](Values v) {
             return guarded([&] {
                 const double sum = v[1] + v[0];
                 return sum + sum;
             });
         }},
        {WindowId::Parallelogram,
         "Command2",
         {"Text2", "Text4"},
         "Text5",
         nullptr,
         [](Values v) { return guarded([&] { return v[1] * v[0]; }); }},
        // Circle: the radius as typed, fractions included.
        {WindowId::Circle,
         "Command1",
         {"Text1"},
         "Text2",
         nullptr,
         [](Values v) { return guarded([&] { return (v[0] * 2) * pi; }); }},
        {WindowId::Circle,
         "Command2",
         {"Text3"},
         "Text4",
         nullptr,
         [](Values v) { return guarded([&] { return std::pow(v[0], 2.0) * pi; }); }},
    };
    return all;
}

const std::vector<ContactButton>& contactButtons() {
    using enum Contact;
    static const std::vector<ContactButton> all = {
        {WindowId::Start, "Command7", Credit, 0, 0},
        {WindowId::Start, "Command8", Email, 0, 0},
        {WindowId::Start, "Command9", Website, 0, 0},
        {WindowId::Square, "Command6", Credit, 0, 1},
        {WindowId::Square, "Command5", Email, 1, 0},
        {WindowId::Square, "Command4", Website, 1, 1},
        {WindowId::Rectangle, "Command6", Credit, 2, 1},
        {WindowId::Rectangle, "Command5", Email, 1, 0},
        {WindowId::Rectangle, "Command4", Website, 0, 1},
        {WindowId::Rhombus, "Command6", Credit, 0, 1},
        {WindowId::Rhombus, "Command5", Email, 1, 0},
        {WindowId::Rhombus, "Command4", Website, 1, 1},
        {WindowId::Parallelogram, "Command6", Credit, 2, 1},
        {WindowId::Parallelogram, "Command5", Email, 2, 1},
        {WindowId::Parallelogram, "Command4", Website, 2, 1},
        // On the circle the designer button comes first.
        {WindowId::Circle, "Command3", Credit, 0, 0},
        {WindowId::Circle, "Command4", Email, 1, 0},
        {WindowId::Circle, "Command5", Website, 1, 1},
    };
    return all;
}

void bindCalculatorsAndContacts(QWidget* window, WindowId id) {
    std::vector<std::string_view> buttons;
    for (const Calculator& c : calculators())
        if (c.window == id && std::ranges::find(buttons, c.button) == buttons.end())
            buttons.push_back(c.button);
    for (const std::string_view button : buttons) {
        std::vector<const Calculator*> onButton;
        for (const Calculator& c : calculators())
            if (c.window == id && c.button == button)
                onButton.push_back(&c);
        onClick(child<QPushButton>(window, button.data()),
                [window, onButton] { compute(window, onButton); });
    }
    for (const ContactButton& b : contactButtons())
        if (b.window == id)
            bindContact(child<QPushButton>(window, b.button),
                        child<QLabel>(window, windowInfo(id).greeting), b.contact, b.blanksBefore,
                        b.blanksAfter);
}

} // namespace windows
