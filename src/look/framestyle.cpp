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

} // namespace

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
    // The border's top line at the caption's middle row; without a caption, at the top.
    QRect frame = box->rect;
    if (!box->text.isEmpty()) {
        const QRect label = proxy()->subControlRect(control, option, SC_GroupBoxLabel, widget);
        frame.setTop(label.top() + label.height() / 2);
    }
    return frame;
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
        const QRect frame = proxy()->subControlRect(control, option, SC_GroupBoxFrame, widget);
        QRegion open(frame);
        if (!box->text.isEmpty())
            open -= label.adjusted(-captionGap, 0, captionGap, 0);
        painter->setClipRegion(open, Qt::IntersectClip);
        // Sunken, one pixel: a dark line with a light one inside and below it, the etched look.
        qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
        painter->setClipping(false);
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
