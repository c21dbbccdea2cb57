// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/squarewindow.h"

#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_squarewindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

using windows::onClick;

SquareWindow::SquareWindow() : ui(std::make_unique<Ui::المربع>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);

    onClick(ui->Command1, [this] { perimeter(); });
    onClick(ui->Command2, [this] { area(); });

    using windows::Contact;
    windows::bindContact(ui->Command6, ui->Label10, Contact::Credit, 0, 1);
    windows::bindContact(ui->Command5, ui->Label10, Contact::Email, 1, 0);
    windows::bindContact(ui->Command4, ui->Label10, Contact::Website, 1, 1);
}

SquareWindow::~SquareWindow() = default;

void SquareWindow::perimeter() {
    const double side = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] { return side * 4; });
    windows::writeResult(ui->Text3, result);
}

void SquareWindow::area() {
    // The box is read once for each factor.
    const double side = windows::readNumber(ui->Text2);
    const double again = windows::readNumber(ui->Text2);
    const double result = numeric::guarded([&] { return again * side; });
    windows::writeResult(ui->Text4, result);
}
