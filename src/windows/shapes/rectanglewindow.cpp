// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/rectanglewindow.h"

#include "numeric/arithmetic.h"
#include "platform/click.h"
#include "platform/contact.h"
#include "platform/look.h"
#include "ui_rectanglewindow.h"
#include "windows/boxes.h"

using platform::onClick;

RectangleWindow::RectangleWindow() : ui(std::make_unique<Ui::المستطيل>()) {
    ui->setupUi(this);
    platform::prepareWindow(this, ui->Text1);

    // Here the first button is the area, the second the perimeter.
    onClick(ui->Command1, [this] { area(); });
    onClick(ui->Command2, [this] { perimeter(); });

    using platform::Contact;
    platform::bindContact(ui->Command6, ui->Label10, Contact::Credit, 2, 1);
    platform::bindContact(ui->Command5, ui->Label10, Contact::Email, 1, 0);
    platform::bindContact(ui->Command4, ui->Label10, Contact::Website, 0, 1);
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
