// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into every executable of the sanitizer build only. Qt closes its plugins, and the
// libraries they brought, before the leak check runs at exit; a leak from one of them would
// then come from an "unknown module" that no suppression can name. Closing nothing keeps their
// frames readable. The executable's definition comes before the C library's for every library.
extern "C" int dlclose(void*) {
    return 0;
}
