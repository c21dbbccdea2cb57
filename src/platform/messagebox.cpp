#include "platform/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

void showMessageBox(const QString& prompt, const QString& title, int style) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QStringLiteral("موافق"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (style & SystemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}

} // namespace

void showMessage(const QString& prompt, const QString& title, int style) {
    if (const MessageHook& hook = currentHook())
        hook(prompt, title, style);
    else
        showMessageBox(prompt, title, style);
}

MessageHook setMessageHook(MessageHook hook) {
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace platform
