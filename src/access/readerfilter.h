// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace accessibility {

// Keeps from a screen reader the events it would answer in its own, untranslated words about
// nothing the user did: a box's selection cleared as the focus leaves it ("Text unselected").
// Every other event goes on to the handler that was there before. Installed once; later calls
// do nothing.
void installReaderFilter();

} // namespace accessibility
