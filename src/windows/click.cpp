// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/click.h"

#include "numeric/runtimeerror.h"
#include "widgets/messagebox.h"

#include <new>

namespace windows {
namespace {

// Titled with the application title, the program's name.
void showError(const numeric::RuntimeError& error, QWidget* owner) {
    widgets::showMessage(error.message(), QStringLiteral("كوزماط"), widgets::ApplicationModal,
                         owner);
}

} // namespace

void runHandler(const std::function<void()>& handler, QWidget* owner) {
    try {
        handler();
    } catch (const numeric::RuntimeError& error) {
        showError(error, owner);
    } catch (const std::bad_alloc&) {
        showError(numeric::RuntimeError::outOfMemory(), owner);
    } catch (...) {
        showError(numeric::RuntimeError::internal(), owner);
    }
}

} // namespace windows
