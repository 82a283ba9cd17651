#include "register.h"

#include "aperiodic_step.h"
#include "aperiodic_texts.h"
#include "app/window_registry.h"
#include "framework/random.h"
#include "frequency_form.h"
#include "integrating_frequency.h"
#include "integrating_ramp.h"
#include "integrating_sine.h"
#include "integrating_step.h"
#include "lag_frequency.h"
#include "oscillating_step.h"
#include "oscillating_texts.h"
#include "ramp_form.h"
#include "sine_form.h"

void registerIntegratingLink(WindowRegistry& r) {
  r.add(QStringLiteral("Form1_1"), [](Host& h) { return ExperimentWindow::create<IntegratingStep>(h); });
  r.add(QStringLiteral("Form1_2"), [](Host& h) { return ExperimentWindow::create<IntegratingRamp>(h); });
  r.add(QStringLiteral("Form1_3"), [](Host& h) { return ExperimentWindow::create<IntegratingSine>(h); });
  r.add(QStringLiteral("Form1_4"), [](Host& h) {
    return ExperimentWindow::create<FrequencyForm>(h, QStringLiteral("Form1_4"), std::make_unique<IntegratingFrequency>());
  });
}

void registerAperiodicLink(WindowRegistry& r) {
  using namespace aperiodic::texts;
  r.add(QStringLiteral("Form2_1"), [](Host& h) { return ExperimentWindow::create<AperiodicStep>(h); });
  r.add(QStringLiteral("Form2_2"), [](Host& h) {
    return ExperimentWindow::create<RampForm>(
        h, RampSetup{QStringLiteral("Form2_2"), caption(2), HelpContext, {Title, taskNumber(2), QString(), Picture},
                     QStringLiteral("Для заданного значения постоянной времени"), false,
                     QStringLiteral("определите значение коэффициента k"), [] {
                       Randomize();
                       return aperiodic::drawRamp();
                     }});
  });
  r.add(QStringLiteral("Form2_3"), [](Host& h) {
    return ExperimentWindow::create<SineForm>(
        h, SineSetup{QStringLiteral("Form2_3"), caption(3), HelpContext, {Title, taskNumber(3), QString(), Picture}, 7,
                     false, [] {
                       Randomize();
                       return aperiodic::drawSine();
                     }});
  });
  r.add(QStringLiteral("Form2_4"), [](Host& h) {
    FrequencyLink::Setup s{Title, QStringLiteral("Апериодическое звено. Опыт №4."), HelpContext, 7, 7, false, true};
    return ExperimentWindow::create<FrequencyForm>(
        h, QStringLiteral("Form2_4"), std::make_unique<LagFrequency>(s, std::make_unique<aperiodic::Frequency>()));
  });
}

void registerOscillatingLink(WindowRegistry& r) {
  using namespace oscillating::texts;
  r.add(QStringLiteral("Form3_1"), [](Host& h) { return ExperimentWindow::create<OscillatingStep>(h); });
  r.add(QStringLiteral("Form3_2"), [](Host& h) {
    return ExperimentWindow::create<RampForm>(
        h, RampSetup{QStringLiteral("Form3_2"), caption(2), HelpContext, {Title, taskNumber(2), QString(), Picture},
                     QStringLiteral("Для заданных значений:"), true,
                     QStringLiteral("определите значение коэффициента k:"), [] {
                       Randomize();
                       return oscillating::drawRamp();
                     }});
  });
  r.add(QStringLiteral("Form3_3"), [](Host& h) {
    return ExperimentWindow::create<SineForm>(
        h, SineSetup{QStringLiteral("Form3_3"), caption(3), HelpContext, {Title, taskNumber(3), QString(), Picture}, 8,
                     true, &oscillating::drawSine});
  });
  r.add(QStringLiteral("Form3_4"), [](Host& h) {
    FrequencyLink::Setup s{Title, QStringLiteral("Колебательное звено. Опыт №4."), HelpContext, 6, 7, false, true};
    return ExperimentWindow::create<FrequencyForm>(
        h, QStringLiteral("Form3_4"), std::make_unique<LagFrequency>(s, std::make_unique<oscillating::Frequency>()));
  });
}
