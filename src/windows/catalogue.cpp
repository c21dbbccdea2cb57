// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/catalogue.h"

#include "numeric/shapes.h"
#include "windows/boxes.h"
#include "windows/click.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string_view>

namespace windows {
namespace {

using enum WindowId;
using namespace numeric;

// Aligned by hand: clang-format 14 aligns by bytes, and an Arabic letter takes two.
// clang-format off
const WindowInfo windowInfos[] = {
    {Start,         "البداية",  nullptr,    "Label4"},
    {Square,        "المربع",   "Command1", "Label10"},
    {Rectangle,     "المستطيل", "Command2", "Label10"},
    {Rhombus,       "المعين",   "Command3", "Label10"},
    {Parallelogram, "Form1",    "Command4", "Label10"},
    {Circle,        "Form2",    "Command5", "Label10"},
    {Triangle,      "Form3",    "Command6", nullptr},
};
// clang-format on

// The four-function calculator has one button and the operation is chosen by option buttons.
// The rectangle's two buttons share its boxes and its result box; the square's area reads its
// box twice, once for each factor.
const Calculator calculatorTable[] = {
    {Start,         "Command11", {"Text1", "Text2"}, "Label1", "Option1", Operation::Add        },
    {Start,         "Command11", {"Text1", "Text2"}, "Label1", "Option2", Operation::Subtract   },
    {Start,         "Command11", {"Text1", "Text2"}, "Label1", "Option3", Operation::Multiply   },
    {Start,         "Command11", {"Text1", "Text2"}, "Label1", "Option4", Operation::Divide     },
    {Square,        "Command1",  {"Text1"},          "Text3",  nullptr,   squarePerimeter       },
    {Square,        "Command2",  {"Text2", "Text2"}, "Text4",  nullptr,   squareArea            },
    {Rectangle,     "Command1",  {"Text2", "Text1"}, "Text3",  nullptr,   rectangleArea         },
    {Rectangle,     "Command2",  {"Text2", "Text1"}, "Text3",  nullptr,   rectanglePerimeter    },
    {Rhombus,       "Command1",  {"Text1"},          "Text3",  nullptr,   rhombusPerimeter      },
    {Rhombus,       "Command2",  {"Text4", "Text2"}, "Text5",  nullptr,   rhombusArea           },
    {Parallelogram, "Command1",  {"Text3", "Text1"}, "Text6",  nullptr,   parallelogramPerimeter},
    {Parallelogram, "Command2",  {"Text2", "Text4"}, "Text5",  nullptr,   parallelogramArea     },
    {Circle,        "Command1",  {"Text1"},          "Text2",  nullptr,   circlePerimeter       },
    {Circle,        "Command2",  {"Text3"},          "Text4",  nullptr,   circleArea            },
};

using enum Contact;

// The circle's designer button comes first.
const ContactButton contactTable[] = {
    {Start,         "Command7", Credit,  0, 0},
    {Start,         "Command8", Email,   0, 0},
    {Start,         "Command9", Website, 0, 0},
    {Square,        "Command6", Credit,  0, 1},
    {Square,        "Command5", Email,   1, 0},
    {Square,        "Command4", Website, 1, 1},
    {Rectangle,     "Command6", Credit,  2, 1},
    {Rectangle,     "Command5", Email,   1, 0},
    {Rectangle,     "Command4", Website, 0, 1},
    {Rhombus,       "Command6", Credit,  0, 1},
    {Rhombus,       "Command5", Email,   1, 0},
    {Rhombus,       "Command4", Website, 1, 1},
    {Parallelogram, "Command6", Credit,  2, 1},
    {Parallelogram, "Command5", Email,   2, 1},
    {Parallelogram, "Command4", Website, 2, 1},
    {Circle,        "Command3", Credit,  0, 0},
    {Circle,        "Command4", Email,   1, 0},
    {Circle,        "Command5", Website, 1, 1},
};

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

double Formula::operator()(Values v) const {
    if (ofOne_)
        return ofOne_(v[0]);
    if (ofTwo_)
        return ofTwo_(v[0], v[1]);
    return numeric::variantArithmetic(operation_, v[0], v[1]);
}

const WindowInfo& windowInfo(WindowId id) {
    return windowInfos[static_cast<std::size_t>(id)];
}

std::span<const Calculator> calculators() {
    return calculatorTable;
}

std::span<const ContactButton> contactButtons() {
    return contactTable;
}

void bindCalculatorsAndContacts(QWidget* window, WindowId id) {
    std::vector<std::string_view> buttons;
    for (const Calculator& c : calculators())
        if (c.window == id && std::find(buttons.begin(), buttons.end(), c.button) == buttons.end())
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
