// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/squarewindow.h"

#include "numeric/arithmetic.h"
#include "platform/click.h"
#include "platform/contact.h"
#include "platform/look.h"
#include "ui_squarewindow.h"
#include "windows/boxes.h"

using platform::onClick;

SquareWindow::SquareWindow() : ui(std::make_unique<Ui::المربع>()) {
    ui->setupUi(this);
    platform::prepareWindow(this, ui->Text1);

    onClick(ui->Command1, [this] { perimeter(); });
    onClick(ui->Command2, [this] { area(); });

    using platform::Contact;
    platform::bindContact(ui->Command6, ui->Label10, Contact::Credit, 0, 1);
    platform::bindContact(ui->Command5, ui->Label10, Contact::Email, 1, 0);
    platform::bindContact(ui->Command4, ui->Label10, Contact::Website, 1, 1);
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
