// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/framestyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace look {
namespace {

// Check-box frames are the base style's: the program has none.
const QStyleOptionGroupBox* plainFrame(QStyle::ComplexControl control,
                                       const QStyleOptionComplex* option) {
    if (control != QStyle::CC_GroupBox)
        return nullptr;
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (!box || (box->subControls & QStyle::SC_GroupBoxCheckBox))
        return nullptr;
    return box;
}

// The border's top line at the caption's middle row; without a caption, at the top.
QRect frameBelow(const QStyleOptionGroupBox* box, const QRect& label) {
    QRect frame = box->rect;
    if (!box->text.isEmpty())
        frame.setTop(label.top() + label.height() / 2);
    return frame;
}

} // namespace

void drawEtchedFrame(QPainter* painter, const QRect& frame, const QRect& gap,
                     const QPalette& palette) {
    // Qt's own where lines would run backwards (a frame under five pixels) or between device
    // pixels.
    if (painter->device()->devicePixelRatio() != 1 || frame.width() < 5 || frame.height() < 5) {
        painter->save();
        painter->setClipRegion(QRegion(frame) - gap, Qt::IntersectClip);
        qDrawShadeRect(painter, frame, palette, true, 1, 0);
        painter->restore();
        return;
    }
    // At one device pixel to the pixel, the same pixels as rectangles filled: lines clipped to a
    // region with a hole are drawn a pixel at a time, and a window has ten such frames.
    const int x1 = frame.left(), y1 = frame.top(), x2 = frame.right(), y2 = frame.bottom();
    const auto line = [&](int left, int top, int right, int bottom, const QColor& colour) {
        for (const QRect& part : QRegion(QRect(QPoint(left, top), QPoint(right, bottom))) - gap)
            painter->fillRect(part, colour);
    };
    const QColor dark = palette.color(QPalette::Dark), light = palette.color(QPalette::Light);
    line(x1, y1, x2 - 1, y1, dark);
    line(x1, y2 - 1, x2 - 1, y2 - 1, dark);
    line(x1, y1, x1, y2 - 1, dark);
    line(x2 - 1, y1, x2 - 1, y2 - 1, dark);
    line(x1 + 1, y1 + 1, x2 - 2, y1 + 1, light);
    line(x1 + 1, y1 + 2, x1 + 1, y2 - 2, light);
    line(x1, y2, x2, y2, light);
    line(x2, y1, x2, y2 - 1, light);
}

FrameStyle::FrameStyle(QStyle* base) : QProxyStyle(base) {}

int FrameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return radioIndicatorSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const {
    const QStyleOptionGroupBox* box = plainFrame(control, option);
    if (!box || (subControl != SC_GroupBoxLabel && subControl != SC_GroupBoxFrame))
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    if (subControl == SC_GroupBoxLabel) {
        // The base style's caption box (text and a pixel round it), moved off the corner.
        QRect label = QProxyStyle::subControlRect(control, option, subControl, widget);
        if (!(box->textAlignment & (Qt::AlignHCenter | Qt::AlignRight)))
            label.moveLeft(box->rect.left() + captionIndent);
        return label;
    }
    return frameBelow(box, proxy()->subControlRect(control, option, SC_GroupBoxLabel, widget));
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    const QStyleOptionGroupBox* box = plainFrame(control, option);
    if (!box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = proxy()->subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    if (box->subControls & SC_GroupBoxFrame) {
        const QRect gap =
            box->text.isEmpty() ? QRect() : label.adjusted(-captionGap, 0, captionGap, 0);
        drawEtchedFrame(painter, frameBelow(box, label), gap, box->palette);
    }
    if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
        QPalette palette = box->palette;
        if (box->textColor.isValid())
            palette.setColor(QPalette::WindowText, box->textColor);
        proxy()->drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
    }
    painter->restore();
}

} // namespace look
