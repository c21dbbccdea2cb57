// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class المربع;
}

// The square: its definition and picture, and two calculators that share nothing, the
// perimeter from one side box and the area from another.
class SquareWindow : public QWidget {
public:
    SquareWindow();
    ~SquareWindow() override;

private:
    std::unique_ptr<Ui::المربع> ui;
};
