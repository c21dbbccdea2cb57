// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/parallelogramwindow.h"

#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_parallelogramwindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

using windows::onClick;

ParallelogramWindow::ParallelogramWindow() : ui(std::make_unique<Ui::Form1>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);

    onClick(ui->Command1, [this] { perimeter(); });
    onClick(ui->Command2, [this] { area(); });

    using windows::Contact;
    windows::bindContact(ui->Command6, ui->Label10, Contact::Credit, 2, 1);
    windows::bindContact(ui->Command5, ui->Label10, Contact::Email, 2, 1);
    windows::bindContact(ui->Command4, ui->Label10, Contact::Website, 2, 1);
}

ParallelogramWindow::~ParallelogramWindow() = default;

void ParallelogramWindow::perimeter() {
    // The sides sit in Text1 and Text3; the result goes to Text6, below them.
    const double longer = windows::readNumber(ui->Text3);
    const double shorter = windows::readNumber(ui->Text1);
    const double result = numeric::guarded([&] {
        const double sum = shorter + longer;
        return sum + sum;
    });
    windows::writeResult(ui->Text6, result);
}

void ParallelogramWindow::area() {
    const double base = windows::readNumber(ui->Text2);
    const double height = windows::readNumber(ui->Text4);
    const double result = numeric::guarded([&] { return height * base; });
    windows::writeResult(ui->Text5, result);
}
