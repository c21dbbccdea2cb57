// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form2;
}

// The circle: its definition, its components and the value of pi, and two calculators that
// each take a radius of their own, with pi as 3.14.
class CircleWindow : public QWidget {
public:
    CircleWindow();
    ~CircleWindow() override;

private:
    std::unique_ptr<Ui::Form2> ui;
};
