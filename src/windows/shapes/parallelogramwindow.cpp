// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shapes/parallelogramwindow.h"

#include "look/look.h"
#include "ui_parallelogramwindow.h"
#include "windows/catalogue.h"

ParallelogramWindow::ParallelogramWindow() : ui(std::make_unique<Ui::Form1>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Text1);
    windows::bindCalculatorsAndContacts(this, windows::WindowId::Parallelogram);
}

ParallelogramWindow::~ParallelogramWindow() = default;
