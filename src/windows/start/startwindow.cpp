// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/start/startwindow.h"

#include "access/keyboard.h"
#include "look/look.h"
#include "numeric/arithmetic.h"
#include "ui_startwindow.h"
#include "windows/boxes.h"
#include "windows/click.h"
#include "windows/contact.h"

using windows::onClick;

StartWindow::StartWindow(Actions actions) : ui(std::make_unique<Ui::البداية>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Picture1);
    accessibility::arrowKeysSelect({ui->Option1, ui->Option2, ui->Option3, ui->Option4});

    const std::pair<QPushButton*, Shape> menu[] = {
        {ui->Command1, Shape::Square},  {ui->Command2, Shape::Rectangle},
        {ui->Command3, Shape::Rhombus}, {ui->Command4, Shape::Parallelogram},
        {ui->Command5, Shape::Circle},  {ui->Command6, Shape::Triangle},
    };
    for (const auto& [button, shape] : menu)
        onClick(button, [open = actions.openShape, shape] { open(shape); });

    using windows::Contact;
    windows::bindContact(ui->Command7, ui->Label4, Contact::Credit, 0, 0);
    windows::bindContact(ui->Command8, ui->Label4, Contact::Email, 0, 0);
    windows::bindContact(ui->Command9, ui->Label4, Contact::Website, 0, 0);

    onClick(ui->Command10, std::move(actions.exit));
    onClick(ui->Command11, [this] { compute(); });
}

StartWindow::~StartWindow() = default;

void StartWindow::compute() {
    using numeric::Operation;
    // Both values are read on every click, before the operation is looked at.
    const double a = windows::readNumber(ui->Text1);
    const double b = windows::readNumber(ui->Text2);
    const std::pair<const QRadioButton*, Operation> operations[] = {
        {ui->Option1, Operation::Add},
        {ui->Option2, Operation::Subtract},
        {ui->Option3, Operation::Multiply},
        {ui->Option4, Operation::Divide},
    };
    for (const auto& [option, operation] : operations) {
        if (option->isChecked())
            windows::writeResult(ui->Label1, numeric::variantArithmetic(operation, a, b));
    }
}
