// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form1;
}

// The parallelogram: its definition and picture, the perimeter from the shorter and the longer
// side and the area from base and height, each calculator with boxes of its own.
class ParallelogramWindow : public QWidget {
public:
    ParallelogramWindow();
    ~ParallelogramWindow() override;

private:
    std::unique_ptr<Ui::Form1> ui;
};
