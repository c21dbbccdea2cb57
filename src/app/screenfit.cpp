// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screenfit.h"

#include <QList>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace app {
namespace {

const char* const laidOutProperty = "kozmatLaidOutSize";

// Moves everything the form put on the window into a scrolling area of the window's size, with
// the same tab order and the same back colour.
QScrollArea* addScrolling(QWidget* window, QSize laidOut) {
    QList<QWidget*> tabOrder;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        tabOrder.append(w);
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);

    auto* content = new QWidget;
    content->setFixedSize(laidOut);
    content->setAutoFillBackground(true);
    for (QWidget* child : children) {
        const bool shown = !child->isHidden();
        child->setParent(content);
        child->setVisible(shown);
    }
    auto* area = new QScrollArea(window);
    area->setFrameShape(QFrame::NoFrame);
    // The designed tab stops stay the only ones.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    area->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    return area;
}

} // namespace

void fitToScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen)
        return;
    QVariant saved = window->property(laidOutProperty);
    if (!saved.isValid()) {
        saved = window->size();
        window->setProperty(laidOutProperty, saved);
    }
    const QSize laidOut = saved.toSize();
    QSize room = screen->availableGeometry().size();
    // The title bar and borders take room too: as much as the desktop has said, or before it
    // has, a title bar's height.
    QMargins frame;
    if (const QWindow* handle = window->windowHandle())
        frame = handle->frameMargins();
    if (frame.isNull())
        frame.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
    room -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (laidOut.width() <= room.width() && laidOut.height() <= room.height())
        return;
    QScrollArea* area = window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    if (!area)
        area = addScrolling(window, laidOut);
    // Room for the scroll bar beside the content, so that scrolling one way does not need the
    // other bar too.
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    QSize size = laidOut;
    if (laidOut.height() > room.height())
        size.rwidth() += bar;
    if (laidOut.width() > room.width())
        size.rheight() += bar;
    window->resize(size.boundedTo(room));
}

} // namespace app
