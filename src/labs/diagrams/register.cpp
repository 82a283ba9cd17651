#include "labs/diagrams/register.h"

#include "app/window_registry.h"
#include "labs/diagrams/state_window.h"
#include "labs/diagrams/transform_window.h"

void registerDiagrams(WindowRegistry& r) {
  r.add(QStringLiteral("Form9_1"), [](Host& h) { return ExperimentWindow::create<diagrams::StateWindow>(h); });
  r.add(QStringLiteral("Form10_1"), [](Host& h) { return ExperimentWindow::create<diagrams::TransformWindow>(h); });
}
