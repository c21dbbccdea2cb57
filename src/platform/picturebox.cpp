// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/picturebox.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The pictures that have larger drawings beside them.
const char* const pictures[] = {
    ":/assets/start.gif",          ":/assets/square.jpg",         ":/assets/rectangle.jpg",
    ":/assets/rhombus.jpg",        ":/assets/parallelogram.jpg",  ":/assets/circle.jpg",
    ":/assets/triangle-parts.jpg", ":/assets/triangle-kinds.jpg",
};

const char* const pictureProperty = "kozmatPicture";
const char* const scaleProperty = "kozmatPictureScale";

// Which of the pictures a label was given by its form. Only files of the same size are read,
// and the form's copy usually comes from the pixmap cache, so this costs next to nothing.
QString pictureOf(const QLabel* label) {
    const QPixmap shown = label->pixmap();
    if (shown.isNull())
        return {};
    for (const char* file : pictures) {
        const QString path = QString::fromLatin1(file);
        if (QImageReader(path).size() != shown.size())
            continue;
        const QPixmap candidate(path);
        if (candidate.cacheKey() == shown.cacheKey() || candidate.toImage() == shown.toImage())
            return path;
    }
    return {};
}

void showForScreen(QLabel* label) {
    const QString picture = label->property(pictureProperty).toString();
    const int scale = pictureScale(label->devicePixelRatioF());
    if (label->property(scaleProperty).toInt() == scale)
        return;
    QPixmap pixmap(picturePath(picture, scale));
    pixmap.setDevicePixelRatio(scale);
    label->setPixmap(pixmap);
    label->setProperty(scaleProperty, scale);
}

// Drawn over the picture's outer edge: the border itself stays as it is, and a frame two
// pixels wide reads as focus at every scale.
void paintFocusFrame(QLabel* label) {
    QPainter painter(label);
    const QRect inner = label->contentsRect();
    const QColor colour = label->palette().color(QPalette::Highlight);
    constexpr int width = 2;
    painter.fillRect(QRect(inner.left(), inner.top(), inner.width(), width), colour);
    painter.fillRect(QRect(inner.left(), inner.bottom() - width + 1, inner.width(), width), colour);
    painter.fillRect(QRect(inner.left(), inner.top(), width, inner.height()), colour);
    painter.fillRect(QRect(inner.right() - width + 1, inner.top(), width, inner.height()), colour);
}

class PictureBoxes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Events still come while a box is being destroyed, when it is no longer a label.
        auto* label = qobject_cast<QLabel*>(watched);
        if (!label)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            // The label paints its border and picture first; the frame goes on top.
            static_cast<QObject*>(label)->event(event);
            if (label->hasFocus())
                paintFocusFrame(label);
            return true;
        case QEvent::ScreenChangeInternal:
            showForScreen(label);
            break;
        default:
            break;
        }
        return false;
    }
};

PictureBoxes* filter() {
    static PictureBoxes* const instance = new PictureBoxes(qApp);
    return instance;
}

} // namespace

int pictureScale(qreal devicePixelRatio) {
    return std::clamp(int(std::ceil(devicePixelRatio - 1e-9)), 1, 3);
}

QString picturePath(const QString& picture, int scale) {
    if (scale == 1)
        return picture;
    return picture.left(picture.lastIndexOf(u'.')) + QStringLiteral("@%1x.png").arg(scale);
}

void preparePictureBoxes(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QString picture = pictureOf(label);
        if (picture.isEmpty())
            continue;
        label->setProperty(pictureProperty, picture);
        label->setProperty(scaleProperty, 1);
        showForScreen(label);
        label->installEventFilter(filter());
    }
}

} // namespace platform
