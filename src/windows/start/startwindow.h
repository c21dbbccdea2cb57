// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/catalogue.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class البداية;
}

// The window the program starts on: the shape menu, the four-function calculator, the credits
// and contact buttons, the greeting label and the exit button.
class StartWindow : public QWidget {
public:
    struct Actions {
        std::function<void(windows::WindowId)> openShape;
        std::function<void()> exit;
    };

    explicit StartWindow(Actions actions);
    ~StartWindow() override;

private:
    std::unique_ptr<Ui::البداية> ui;
};
