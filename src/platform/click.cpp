// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/click.h"

#include "platform/messagebox.h"
#include "platform/program.h"
#include "platform/runtimeerror.h"

#include <new>

namespace platform {
namespace {

void showError(const RuntimeError& error) {
    showMessage(error.message(), applicationTitle(), ApplicationModal);
}

} // namespace

void runHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        showError(error);
    } catch (const std::bad_alloc&) {
        showError(RuntimeError::outOfMemory());
    } catch (...) {
        showError(RuntimeError::internal());
    }
}

} // namespace platform
