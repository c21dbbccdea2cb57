// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class المعين;
}

// The rhombus: its definition and picture, the perimeter from a side and the area from the two
// diagonals, each calculator with boxes of its own.
class RhombusWindow : public QWidget {
public:
    RhombusWindow();
    ~RhombusWindow() override;

private:
    std::unique_ptr<Ui::المعين> ui;
};
