// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/rhombuswindow.h"

#include "look/look.h"
#include "ui_rhombuswindow.h"
#include "windows/catalogue.h"

RhombusWindow::RhombusWindow() : ui(std::make_unique<Ui::المعين>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);
    windows::bindCalculatorsAndContacts(this, windows::WindowId::Rhombus);
}

RhombusWindow::~RhombusWindow() = default;
