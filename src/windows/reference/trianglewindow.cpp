// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/reference/trianglewindow.h"

#include "look/look.h"
#include "ui_trianglewindow.h"

TriangleWindow::TriangleWindow() : ui(std::make_unique<Ui::Form3>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Picture1);
}

TriangleWindow::~TriangleWindow() = default;
