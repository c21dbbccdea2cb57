// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/circlewindow.h"

#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_circlewindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

#include <cmath>

using windows::onClick;

namespace {

// The value the formulas use, not the longer one the window shows.
constexpr double pi = 3.14;

} // namespace

CircleWindow::CircleWindow() : ui(std::make_unique<Ui::Form2>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Command1);

    onClick(ui->Command1, [this] { perimeter(); });
    onClick(ui->Command2, [this] { area(); });

    // On this window the designer button comes first.
    using windows::Contact;
    windows::bindContact(ui->Command3, ui->Label10, Contact::Credit, 0, 0);
    windows::bindContact(ui->Command4, ui->Label10, Contact::Email, 1, 0);
    windows::bindContact(ui->Command5, ui->Label10, Contact::Website, 1, 1);
}

CircleWindow::~CircleWindow() = default;

// The radius is used as typed, fractions included, like every other length of the program.
void CircleWindow::perimeter() {
    const double radius = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] { return (radius * 2) * pi; });
    windows::writeResult(ui->Text2, result);
}

void CircleWindow::area() {
    const double radius = windows::readNumber(ui->Text3);
    const double result = numeric::guarded([&] { return std::pow(radius, 2.0) * pi; });
    windows::writeResult(ui->Text4, result);
}
