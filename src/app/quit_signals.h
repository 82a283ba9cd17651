// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a lab script, Ctrl+C) close the program as the window's
// close box does: the journal is ended and its PDF written. The handler only writes a byte to a
// pipe; the window is closed from the event loop.
class QWidget;

namespace quit_signals {

// Installs the handlers for the window (once per process). False where they cannot be.
bool closeOn(QWidget* window);

}  // namespace quit_signals
