// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QMetaObject>

namespace widgets {

// The scale of the drawing that suits a device pixel ratio: 1, 2 or 3, rounding a fractional
// ratio up (1.25 → 2) so the screen never enlarges a picture; 3 beyond.
int pictureScale(qreal devicePixelRatio);

// The embedded file of a picture at a scale: "square.jpg" at 1 is ":/assets/square.jpg", at 2
// ":/assets/square@2x.png".
QString picturePath(const QString& picture, int scale);

// A picture box: one of the program's pictures, named in the form ("square.jpg"), shown at its
// own size from the top-left of the inner area and cut off at the border. It shows the drawing
// made for its window's pixel ratio, again after the window moves to a screen of another ratio,
// and a focus frame just inside its border while it has the keyboard focus.
class PictureBox : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    QString picture() const { return picture_; }
    void setPicture(const QString& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showForRatio();

    QString picture_;
    int scale_ = 0;
    QMetaObject::Connection screenChanged_;
};

} // namespace widgets
