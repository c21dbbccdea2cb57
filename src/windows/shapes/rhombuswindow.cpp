// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/rhombuswindow.h"

#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_rhombuswindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

using windows::onClick;

RhombusWindow::RhombusWindow() : ui(std::make_unique<Ui::المعين>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);

    onClick(ui->Command1, [this] { perimeter(); });
    onClick(ui->Command2, [this] { area(); });

    using windows::Contact;
    windows::bindContact(ui->Command6, ui->Label10, Contact::Credit, 0, 1);
    windows::bindContact(ui->Command5, ui->Label10, Contact::Email, 1, 0);
    windows::bindContact(ui->Command4, ui->Label10, Contact::Website, 1, 1);
}

RhombusWindow::~RhombusWindow() = default;

void RhombusWindow::perimeter() {
    const double side = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] { return side * 4; });
    windows::writeResult(ui->Text3, result);
}

void RhombusWindow::area() {
    const double second = windows::readNumber(ui->Text4);
    const double first = windows::readNumber(ui->Text2);
    const double result = numeric::guarded([&] { return (first * second) / 2; });
    windows::writeResult(ui->Text5, result);
}
