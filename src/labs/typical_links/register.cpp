#include "register.h"

#include "aperiodic_step.h"
#include "app/window_registry.h"
#include "frequency_form.h"
#include "integrating_frequency.h"
#include "integrating_ramp.h"
#include "integrating_sine.h"
#include "integrating_step.h"

void registerIntegratingLink(WindowRegistry& r) {
  r.add(QStringLiteral("Form1_1"), [](Host& h) { return ExperimentWindow::create<IntegratingStep>(h); });
  r.add(QStringLiteral("Form1_2"), [](Host& h) { return ExperimentWindow::create<IntegratingRamp>(h); });
  r.add(QStringLiteral("Form1_3"), [](Host& h) { return ExperimentWindow::create<IntegratingSine>(h); });
  r.add(QStringLiteral("Form1_4"), [](Host& h) {
    return ExperimentWindow::create<FrequencyForm>(h, QStringLiteral("Form1_4"), std::make_unique<IntegratingFrequency>());
  });
}

void registerAperiodicLink(WindowRegistry& r) {
  r.add(QStringLiteral("Form2_1"), [](Host& h) { return ExperimentWindow::create<AperiodicStep>(h); });
}
