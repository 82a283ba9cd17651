#include "register.h"

#include "app/window_registry.h"
#include "delay_window.h"
#include "lag_window.h"

void registerNontypicalLinks(WindowRegistry& r) {
  r.add(QStringLiteral("Form4_1"), [](Host& h) { return ExperimentWindow::create<DelayWindow>(h); });
  for (const nontypical::LagWindow& row : nontypical::lagWindows())
    r.add(QString::fromLatin1(row.form), [&row](Host& h) { return ExperimentWindow::create<LagLinkWindow>(h, row); });
}
