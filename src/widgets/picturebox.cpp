// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/picturebox.h"

#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace widgets {

int pictureScale(qreal devicePixelRatio) {
    return std::clamp(int(std::ceil(devicePixelRatio - 1e-9)), 1, 3);
}

QString picturePath(const QString& picture, int scale) {
    const QString file = QStringLiteral(":/assets/") + picture;
    if (scale == 1)
        return file;
    return file.left(file.lastIndexOf(u'.')) + QStringLiteral("@%1x.png").arg(scale);
}

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {}

void PictureBox::setPicture(const QString& picture) {
    picture_ = picture;
    scale_ = 0;
    showForRatio();
}

void PictureBox::showForRatio() {
    if (picture_.isEmpty())
        return;
    const int scale = pictureScale(devicePixelRatioF());
    if (scale == scale_)
        return;
    QPixmap pixmap(picturePath(picture_, scale));
    pixmap.setDevicePixelRatio(scale);
    setPixmap(pixmap);
    scale_ = scale;
}

void PictureBox::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    // Until it is shown the box may not know its window's screen; after that, the window tells
    // it when it moves to another one.
    if (!screenChanged_) {
        if (QWindow* handle = window()->windowHandle())
            screenChanged_ =
                connect(handle, &QWindow::screenChanged, this, [this] { showForRatio(); });
    }
    showForRatio();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Over the picture's outer edge: the border itself stays as it is, and a frame two pixels
    // wide reads as focus at every scale.
    QPainter painter(this);
    const QRect inner = contentsRect();
    const QColor colour = palette().color(QPalette::Highlight);
    constexpr int width = 2;
    painter.fillRect(QRect(inner.left(), inner.top(), inner.width(), width), colour);
    painter.fillRect(QRect(inner.left(), inner.bottom() - width + 1, inner.width(), width), colour);
    painter.fillRect(QRect(inner.left(), inner.top(), width, inner.height()), colour);
    painter.fillRect(QRect(inner.right() - width + 1, inner.top(), width, inner.height()), colour);
}

} // namespace widgets
