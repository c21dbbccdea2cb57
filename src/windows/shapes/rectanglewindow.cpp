// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/rectanglewindow.h"

#include "look/look.h"
#include "ui_rectanglewindow.h"
#include "windows/catalogue.h"

RectangleWindow::RectangleWindow() : ui(std::make_unique<Ui::المستطيل>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);
    windows::bindCalculatorsAndContacts(this, windows::WindowId::Rectangle);
}

RectangleWindow::~RectangleWindow() = default;
