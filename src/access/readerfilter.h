// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace accessibility {

// Keeps from a screen reader the events that mislead it: a box's selection cleared as the focus
// leaves it (Orca says "Text unselected", in English), and what the controls of a window built
// hidden send before it is shown (Orca keeps them hidden, and flat review finds nothing in
// their frames). Every other event goes on to the handler that was there before. Installed
// once; later calls do nothing.
void installReaderFilter();

} // namespace accessibility
