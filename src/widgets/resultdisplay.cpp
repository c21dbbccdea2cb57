// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/resultdisplay.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace widgets {
namespace {

// What a control was before its first result: its font and whether the form gave it one, so
// that a result that fits, or a user's edit, gives it back exactly.
struct OwnFont {
    QFont font;
    bool set = false;
};

const char* const ownFontProperty = "kozmatResultOwnFont";
const char* const ownFontSetProperty = "kozmatResultOwnFontSet";

OwnFont ownFont(QWidget* control) {
    const QVariant saved = control->property(ownFontProperty);
    if (saved.isValid())
        return {saved.value<QFont>(), control->property(ownFontSetProperty).toBool()};
    OwnFont own{control->font(), control->testAttribute(Qt::WA_SetFont)};
    control->setProperty(ownFontProperty, own.font);
    control->setProperty(ownFontSetProperty, own.set);
    return own;
}

void restoreFont(QWidget* control, const OwnFont& own) {
    // An empty font resolves nothing, so the control inherits the window's font again.
    control->setFont(own.set ? own.font : QFont());
}

// The window's font, i.e. what the control shows when no result has made it smaller.
QFont windowFont(QWidget* control, const OwnFont& own) {
    if (own.set)
        return own.font;
    return control->parentWidget() ? control->parentWidget()->font() : control->font();
}

int pixelSizeOf(const QFont& font, QWidget* control) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return QFontInfo(font).pixelSize() > 0
               ? QFontInfo(font).pixelSize()
               : qRound(font.pointSizeF() * control->logicalDpiY() / 72);
}

// Sets the control's font to the largest pixel size, up to the window's, at which `text` takes
// at most `room` pixels; `extra` is what the control adds beyond the glyphs' advances.
void fit(QWidget* control, const QString& text, int room, qreal extra) {
    const OwnFont own = ownFont(control);
    const QFont base = windowFont(control, own);
    const auto needs = [&](const QFont& font) {
        return std::ceil(QFontMetricsF(font, control).horizontalAdvance(text) + extra);
    };
    if (needs(base) <= room) {
        restoreFont(control, own);
        return;
    }
    const int largest = pixelSizeOf(base, control);
    // Advances grow about in proportion to the size: start from the proportional guess and
    // step down from there, so that a long text is measured only a few times.
    const qreal whole = needs(base);
    int size =
        std::min(largest - 1, int(std::ceil(largest * room / std::max<qreal>(whole, 1))) + 2);
    QFont smaller = base;
    for (; size > smallestResultPixelSize; --size) {
        smaller.setPixelSize(size);
        if (needs(smaller) <= room)
            break;
    }
    // Never below the smallest legible size, nor above the window's own.
    smaller.setPixelSize(std::max(size, std::min(smallestResultPixelSize, largest)));
    control->setFont(smaller);
}

// The width QLineEdit lays its text out in: its contents rectangle inside the frame and text
// margins, less the two-pixel margin it keeps on each side of the text.
int lineEditRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
                           box->textMargins();
    constexpr int lineEditMargin = 2;
    return contents.width() - 2 * lineEditMargin;
}

int labelRoom(const QLabel* label) {
    int room = label->contentsRect().width() - 2 * label->margin();
    if (label->indent() > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        room -= label->indent();
    else if (label->indent() < 0 && label->frameWidth() > 0)
        room -= label->fontMetrics().horizontalAdvance(u'x') / 2;
    return room;
}

} // namespace

void showResult(QLineEdit* box, const QString& text) {
    if (!box->property(ownFontProperty).isValid()) {
        ownFont(box);
        // The user's own typing is not a result: it shows at the window's font, like in every
        // other box, and does not change size under the user's fingers.
        QObject::connect(box, &QLineEdit::textEdited, box,
                         [box] { restoreFont(box, ownFont(box)); });
    }
    // QLineEdit scrolls once its text and the one-pixel cursor no longer fit.
    fit(box, text, lineEditRoom(box), 1);
    box->setText(text);
    // setText leaves the cursor at the end, which would scroll the sign and first digits away
    // if the text ever were wider than the box.
    box->setCursorPosition(0);
}

void showResult(QLabel* label, const QString& text) {
    // A result is one line: wrapping would push its end below the label's bottom edge.
    label->setWordWrap(false);
    fit(label, text, labelRoom(label), 0);
    label->setText(text);
}

} // namespace widgets
