// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section.h"

#include <QCoreApplication>

#include "framework/random.h"
#include "frequency_form.h"
#include "integrating_frequency.h"
#include "framework/numtext.h"
#include "link_texts.h"
#include "lag_frequency.h"
#include "link_step_form.h"
#include "ramp_form.h"
#include "sine_form.h"

namespace {

// A window whose setup `build` makes from its declaration as the window opens, in the language
// running then.
template <class W, class Build>
WindowRegistry::Factory make(Build build) {
  return [build](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
    return ExperimentWindow::create<W>(h, d, build(d));
  };
}

// The frequency window of a link with a gain: its setup and its model.
template <class Series>
WindowRegistry::Factory lagFrequency(QString (*title)(), QString (*caption)(int), int amplitudeLength) {
  return [=](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
    const FrequencyLink::Setup s{.title = title(),
                                 .captionPrefix = caption(d.index) + QStringLiteral("."),
                                 .amplitudeLength = amplitudeLength,
                                 .phaseLength = 7,
                                 .hideReadoutAfterLastRun = false,
                                 .markersOnCreate = true};
    return ExperimentWindow::create<FrequencyForm>(h, d, std::make_unique<LagFrequency>(s, std::make_unique<Series>()));
  };
}

// The integrating link: T read off the step and the ramp, the sine's amplitude and phase,
// then the frequency runs.
WorkEntry integratingWork() {
  using namespace integrating::texts;
  static constexpr auto layout = [](const QString& task) {
    return TypicalLayout{.title = title(), .taskText = task, .picture = Picture};
  };
  // T is read off the step with the pointer: the time at which the output reaches 1.
  const auto step = [](const WindowDeclaration& d) {
    return RampSetup{.caption = caption(d.index),
                     .layout = layout(readT()),
                     .draw =
                         [] {
                           Randomize();
                           return RampPlot::of(integrating::Step::draw());
                         },
                     .answerName = QStringLiteral("T = "),
                     .answerLength = 5,
                     .answerTop = AnswerTop,
                     .openDuringTrace = false,
                     .readout =
                         [](const RampPlot& d, int X, int Y) {
                           using integrating::Step;
                           return ReadoutText{QStringLiteral("h = "),
                                              numtext::FloatCut(Step::level(Step::offsetY(Y)), 6) + QStringLiteral("."),
                                              QStringLiteral("t = "),
                                              numtext::FloatCut(Step{d.p.T}.time(Step::offsetX(X)), 5) +
                                                  QCoreApplication::translate("typical", " c;")};
                         }};
  };
  const auto ramp = [](const WindowDeclaration& d) {
    return RampSetup{.caption = caption(d.index),
                     .layout = layout(readRampT()),
                     .draw =
                         [] {
                           Randomize();
                           return RampPlot::of(integrating::Ramp::draw());
                         },
                     .answerName = QStringLiteral("T = "),
                     .answerLength = 5,
                     .answerTop = AnswerTop,
                     .openDuringTrace = false};
  };
  const auto sine = [](const WindowDeclaration& d) {
    // Two given values with more air between the lines, T in black.
    const SineTask twoValues{.introTop = 32,
                             .values = 2,
                             .valuesTop = 53,
                             .valuesPitch = 20,
                             .tealT = false,
                             .questionTop = 96,
                             .lineGap = 20,
                             .restGap = 44,
                             .amplitudeGap = 94,
                             .maxGap = 109,
                             .phaseGap = 132};
    return SineSetup{.caption = caption(d.index),
                     .layout = layout(QString()),
                     .iconScale = 7,
                     .task = twoValues,
                     .passes = 381,
                     .draw = [] {
                       Randomize();
                       return SineCase::of(integrating::Sine::draw());
                     }};
  };
  return {.button = QStringLiteral("BIntegrZveno"),
          .top = 16,
          .helpContext = HelpContext,
          .title = Title,
          .windows = {{QStringLiteral("Form1_1"), make<RampForm>(step)},
                      {QStringLiteral("Form1_2"), make<RampForm>(ramp)},
                      {QStringLiteral("Form1_3"), make<SineForm>(sine)},
                      {QStringLiteral("Form1_4"),
                       [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                         return ExperimentWindow::create<FrequencyForm>(h, d, std::make_unique<IntegratingFrequency>());
                       }}},
          .repeatsLast = true,
          .activateOnRepeat = true};
}

// The settling time's note under the answer rows of a step window, its index at indexTop.
std::vector<StepSetup::Label> settlingNote(int top, int indexTop) {
  return {{{8, top}, QCoreApplication::translate("typical", "t  - время регулирования"), 13},
          {{13, indexTop}, links::texts::settlingIndex(), 10}};
}

StepSetup stepSetup(const QString& caption, const TypicalLayout& layout) {
  StepSetup s;
  s.caption = caption;
  s.layout = layout;
  return s;
}

WorkEntry aperiodicWork() {
  using namespace aperiodic::texts;
  const auto step = [](const WindowDeclaration& d) {
    StepSetup step = stepSetup(caption(d.index), {.title = title(), .taskText = readStep(), .picture = Picture});
    step.shape.timeChars = 6;
    step.shape.hChars = 6;
    step.rows = {{132, QStringLiteral("t  = "), false, links::texts::settlingIndex()},
                 {162, QStringLiteral("T = ")},
                 {192, QStringLiteral("k = ")}};
    step.notes = settlingNote(222, 230);
    step.tangentMode = true;
    step.leadDots = true;
    step.draw = [] {
      Randomize();
      return StepCase::of(aperiodic::Step::draw());
    };
    return step;
  };
  const auto ramp = [](const WindowDeclaration& d) {
    return RampSetup{.caption = caption(d.index),
                     .layout = {.title = title(), .picture = Picture},
                     .intro = QCoreApplication::translate("typical", "Для заданного значения постоянной времени"),
                     .showsGamma = false,
                     .question = QCoreApplication::translate("typical", "определите значение коэффициента k"),
                     .draw = [] {
                       Randomize();
                       return RampPlot::of(aperiodic::drawRamp());
                     }};
  };
  const auto sine = [](const WindowDeclaration& d) {
    return SineSetup{.caption = caption(d.index),
                     .layout = {.title = title(), .picture = Picture},
                     .iconScale = 7,
                     .task = SineTask{},
                     .passes = 380,
                     .draw = [] {
                       Randomize();
                       return SineCase::of(aperiodic::drawSine());
                     }};
  };
  return {.button = QStringLiteral("BAperZveno"),
          .top = 120,
          .helpContext = HelpContext,
          .title = Title,
          .windows = {{QStringLiteral("Form2_1"), make<LinkStepForm>(step)},
                      {QStringLiteral("Form2_2"), make<RampForm>(ramp)},
                      {QStringLiteral("Form2_3"), make<SineForm>(sine)},
                      {QStringLiteral("Form2_4"), lagFrequency<aperiodic::Frequency>(title, caption, 7)}},
          .repeatsLast = true};
}

WorkEntry oscillatingWork() {
  using namespace oscillating::texts;
  const auto step = [](const WindowDeclaration& d) {
    StepSetup step = stepSetup(caption(d.index), {.title = title(), .taskText = readStep(), .picture = Picture});
    // Five rows under a five-line task text: the panel is filled to its last pixels.
    step.taskTextAt = QPoint(8, 30);
    step.rows = {{120, QStringLiteral("k = ")},
                 {146, QStringLiteral("s = "), true},
                 {172, QStringLiteral("t  = "), false, links::texts::settlingIndex()},
                 {198, QStringLiteral("g = "), true},
                 {224, QStringLiteral("T = ")}};
    step.notes = settlingNote(251, 258);
    step.iconStep = {30, 140};
    step.inputPen = 2;
    step.iconShift = 9;
    step.draw = [] {
      Randomize();
      return StepCase::of(oscillating::Step::draw());
    };
    return step;
  };
  const auto ramp = [](const WindowDeclaration& d) {
    return RampSetup{.caption = caption(d.index),
                     .layout = {.title = title(), .picture = Picture},
                     .intro = QCoreApplication::translate("typical", "Для заданных значений:"),
                     .showsGamma = true,
                     .question = QCoreApplication::translate("typical", "определите значение коэффициента k:"),
                     .draw = [] {
                       Randomize();
                       return RampPlot::of(oscillating::drawRamp());
                     }};
  };
  const auto sine = [](const WindowDeclaration& d) {
    return SineSetup{.caption = caption(d.index),
                     .layout = {.title = title(), .picture = Picture},
                     .iconScale = 8,
                     .task = {.values = 4, .questionTop = 124},  // the γ row above the question
                     .passes = 380,
                     .draw = [] { return SineCase::of(oscillating::drawSine()); }};
  };
  return {.button = QStringLiteral("BKolebZveno"),
          .top = 224,
          .helpContext = HelpContext,
          .title = Title,
          .windows = {{QStringLiteral("Form3_1"), make<LinkStepForm>(step), 4},
                      {QStringLiteral("Form3_2"), make<RampForm>(ramp)},
                      {QStringLiteral("Form3_3"), make<SineForm>(sine)},
                      {QStringLiteral("Form3_4"), lagFrequency<oscillating::Frequency>(title, caption, 6)}},
          .repeatsLast = true};
}

}  // namespace

namespace typical {

SectionEntry section() {
  return {.number = 1,
          .caption = QT_TRANSLATE_NOOP("Main", "Типовые динамические звенья"),
          .panel = 3,
          .works = {integratingWork(), aperiodicWork(), oscillatingWork()}};
}

}  // namespace typical
