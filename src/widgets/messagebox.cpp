// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/messagebox.h"

#include "look/look.h"
#include "platform/desktop.h"
#include "platform/screenreader.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace widgets {
namespace {

// The title bar shows the window icon, the title and the close button in the window
// manager's own font, which the program does not know; the title is measured in a font
// larger and bolder than most title fonts, and the icon and buttons are given room beside it.
int titleBarWidth(const QString& title) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(16);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + platform::titleBarRoom();
}

// Taking a box apart costs more than hiding it (its buffers shared with the window system are
// unmapped, which stalls the other processors too): the window shown after it goes first, and
// the box once another window has the focus (on Wayland that is after its first frame), or a
// quarter of a second later.
void deleteOnceFocusMoves(QMessageBox* box) {
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, box, [box](QWindow* focus) {
        if (focus && focus != box->windowHandle())
            box->deleteLater();
    });
    QTimer::singleShot(250, box, &QObject::deleteLater);
}

void showMessageBox(const QString& prompt, const QString& title, int style, QWidget* owner,
                    const std::function<void()>& then) {
    // The owner deletes its children: should it go while the box is open, so does the box.
    const QPointer<QMessageBox> box = makeMessageBox(prompt, title, style, owner).release();
    platform::sayToScreenReader(title + u'\n' + prompt);
    if (platform::boxesWait()) {
        box->exec();
        if (then)
            then();
        if (box)
            deleteOnceFocusMoves(box);
        return;
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box, [then] {
        if (then)
            then();
    });
    box->show();
}

MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& prompt, const QString& title, int style,
                                            QWidget* owner) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(title);
    box->setTextFormat(Qt::PlainText);
    box->setText(prompt);
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowIcon(look::programIcon());
    QPushButton* ok = box->addButton(QStringLiteral("موافق"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->setWindowModality(Qt::ApplicationModal);
    // A box of fixed size has nothing to maximize, and a modal box nothing to minimize to.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & SystemModal)
        flags |= Qt::WindowStaysOnTopHint;
    box->setWindowFlags(flags);
    // The box fixes its own size from its layout: a spacer across it keeps the title whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void showMessage(const QString& prompt, const QString& title, int style, QWidget* owner,
                 const std::function<void()>& then) {
    if (const MessageHook& hook = currentHook()) {
        hook(prompt, title, style);
        if (then)
            then();
    } else {
        showMessageBox(prompt, title, style, owner, then);
    }
}

MessageHook setMessageHook(MessageHook hook) {
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace widgets
