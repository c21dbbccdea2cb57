// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/squarewindow.h"

#include "look/look.h"
#include "ui_squarewindow.h"
#include "windows/catalogue.h"

SquareWindow::SquareWindow() : ui(std::make_unique<Ui::المربع>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);
    windows::bindCalculatorsAndContacts(this, windows::WindowId::Square);
}

SquareWindow::~SquareWindow() = default;
