// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class المستطيل;
}

// The rectangle: its definition, picture and formulas, and one calculator whose two buttons
// read the same length and width boxes and write the same result box.
class RectangleWindow : public QWidget {
public:
    RectangleWindow();
    ~RectangleWindow() override;

private:
    void area();
    void perimeter();

    std::unique_ptr<Ui::المستطيل> ui;
};
