// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quit_signals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quit_signals {

#ifdef Q_OS_UNIX
namespace {

int pipeFds[2] = {-1, -1};

void onSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const auto n = ::write(pipeFds[1], &byte, 1);
  errno = saved;
}

}  // namespace

bool closeOn(QWidget* window) {
  if (pipeFds[0] >= 0 || ::pipe(pipeFds) != 0) return false;
  for (const int fd : pipeFds) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  auto* notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [w = QPointer<QWidget>(window)] {
    char buffer[16];
    while (::read(pipeFds[0], buffer, sizeof buffer) > 0) {
    }
    if (w) w->close();
    // A message box or dialog open at that moment has an event loop of its own: all of them end.
    QCoreApplication::exit(0);
  });
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(s, &action, nullptr);
  return true;
}
#else
bool closeOn(QWidget*) { return false; }
#endif

}  // namespace quit_signals
