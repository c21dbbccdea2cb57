// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/focusstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace look {
namespace {

void drawMark(const QStyleOption* option, QPainter* painter, int inset) {
    if (!(option->state & QStyle::State_HasFocus) || !(option->state & QStyle::State_Enabled))
        return;
    const int w = FocusStyle::markWidth;
    // The pen is centred on the path: half its width in from the inset edge.
    const QRectF edge =
        QRectF(option->rect)
            .adjusted(inset + w / 2.0, inset + w / 2.0, -inset - w / 2.0, -inset - w / 2.0);
    if (edge.width() <= 0 || edge.height() <= 0)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(option->palette.color(QPalette::WindowText), w, Qt::SolidLine, Qt::SquareCap,
             Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(edge);
    painter->restore();
}

} // namespace

FocusStyle::FocusStyle(QStyle* base) : QProxyStyle(base) {}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (element == CE_RadioButton || element == CE_CheckBox) {
        // Round the caption, clear of the circle, and beneath the caption's text: the option's
        // line is no taller than its circle, so a frame round the whole option would cover the
        // circle's edge and the letters.
        QStyleOption caption(*option);
        caption.rect = proxy()->subElementRect(element == CE_RadioButton ? SE_RadioButtonContents
                                                                         : SE_CheckBoxContents,
                                               option, widget);
        drawMark(&caption, painter, 0);
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton)
        // Inside the bevel, clear of the button's own border.
        drawMark(option, painter, 2);
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The text box's panel is painted before its text, so the mark stays behind the text.
    if (element == PE_PanelLineEdit)
        drawMark(option, painter, 1);
}

} // namespace look
