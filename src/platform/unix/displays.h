// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

// How findDisplay chooses among X11 and Wayland; Windows has no display to probe.
namespace platform {

// Whether an X server or a Wayland compositor answers.
struct DisplayProbes {
    std::function<bool()> x11;
    std::function<bool()> wayland;
};

// The Qt platform list to use for the requested one (QT_QPA_PLATFORM, maybe empty): only the
// entries whose display answers, an empty list for Qt's own choice, or nothing when no
// display answers at all. A request for a platform without a display (offscreen) is kept.
std::optional<QByteArray> choosePlatform(const QByteArray& requested, const DisplayProbes& probes);

} // namespace platform
