// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/rectanglewindow.h"

#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_rectanglewindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

using windows::onClick;

RectangleWindow::RectangleWindow() : ui(std::make_unique<Ui::المستطيل>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);

    // Here the first button is the area, the second the perimeter.
    onClick(ui->Command1, [this] { area(); });
    onClick(ui->Command2, [this] { perimeter(); });

    using windows::Contact;
    windows::bindContact(ui->Command6, ui->Label10, Contact::Credit, 2, 1);
    windows::bindContact(ui->Command5, ui->Label10, Contact::Email, 1, 0);
    windows::bindContact(ui->Command4, ui->Label10, Contact::Website, 0, 1);
}

RectangleWindow::~RectangleWindow() = default;

void RectangleWindow::area() {
    const double width = windows::readNumber(ui->Text2);
    const double length = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] { return length * width; });
    windows::writeResult(ui->Text3, result);
}

void RectangleWindow::perimeter() {
    const double width = windows::readNumber(ui->Text2);
    const double length = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] {
        const double sum = length + width;
        return sum + sum;
    });
    windows::writeResult(ui->Text3, result);
}
