// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form3;
}

// The triangle reference page: the definition and the six kinds of triangle, with their
// pictures. Fixed contents only; it handles no event.
class TriangleWindow : public QWidget {
public:
    TriangleWindow();
    ~TriangleWindow() override;

private:
    std::unique_ptr<Ui::Form3> ui;
};
