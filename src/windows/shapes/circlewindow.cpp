// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/circlewindow.h"

#include "look/look.h"
#include "ui_circlewindow.h"
#include "windows/catalogue.h"

CircleWindow::CircleWindow() : ui(std::make_unique<Ui::Form2>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Command1);
    windows::bindCalculatorsAndContacts(this, windows::WindowId::Circle);
}

CircleWindow::~CircleWindow() = default;
