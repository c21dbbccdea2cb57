// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/click.h"

#include "numeric/runtimeerror.h"
#include "platform/program.h"
#include "widgets/messagebox.h"

#include <new>

namespace windows {
namespace {

void showError(const numeric::RuntimeError& error) {
    widgets::showMessage(error.message(), platform::applicationTitle(), widgets::ApplicationModal);
}

} // namespace

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const numeric::RuntimeError& error) {
        showError(error);
    } catch (const std::bad_alloc&) {
        showError(numeric::RuntimeError::outOfMemory());
    } catch (...) {
        showError(numeric::RuntimeError::internal());
    }
}

} // namespace windows
