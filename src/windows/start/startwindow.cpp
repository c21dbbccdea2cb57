// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/start/startwindow.h"

#include "access/keyboard.h"
#include "look/look.h"
#include "ui_startwindow.h"
#include "windows/click.h"

using windows::WindowId;

StartWindow::StartWindow(Actions actions) : ui(std::make_unique<Ui::البداية>()) {
    ui->setupUi(this);
    look::prepareWindow(this, ui->Picture1);
    accessibility::arrowKeysSelect({ui->Option1, ui->Option2, ui->Option3, ui->Option4});

    for (WindowId id : windows::allWindowIds) {
        if (const char* button = windows::windowInfo(id).menuButton)
            windows::onClick(findChild<QPushButton*>(QString::fromUtf8(button)),
                             [open = actions.openShape, id] { open(id); });
    }
    windows::onClick(ui->Command10, std::move(actions.exit));
    windows::bindCalculatorsAndContacts(this, WindowId::Start);
}

StartWindow::~StartWindow() = default;
