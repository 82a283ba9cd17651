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

// A window whose setup `build` makes as the window opens, in the language running then.
template <class W, class Build>
WindowRegistry::Factory make(Build build) {
  return [build](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<W>(h, build()); };
}

// The integrating link: T read off the step and the ramp, the sine's amplitude and phase,
// then the frequency runs.
WorkEntry integratingWork() {
  using namespace integrating::texts;
  static constexpr auto layout = [](int n, const QString& task) {
    return TypicalLayout{title(), taskNumber(n), task, Picture};
  };
  // T is read off the step with the pointer: the time at which the output reaches 1.
  const auto step = [] {
    RampSetup step{QStringLiteral("Form1_1"), caption(1), layout(1, readT()), {}, false, {}, [] {
                     Randomize();
                     return RampPlot::of(integrating::Step::draw());
                   }};
    step.answerName = QStringLiteral("T = ");
    step.answerLength = 5;
    step.answerTop = AnswerTop;
    step.openDuringTrace = false;
    step.readout = [](const RampPlot& d, int X, int Y) {
      using integrating::Step;
      return ReadoutText{
          QStringLiteral("h = "), numtext::FloatCut(Step::level(Step::offsetY(Y)), 6) + QStringLiteral("."),
          QStringLiteral("t = "),
          numtext::FloatCut(Step{d.p.T}.time(Step::offsetX(X)), 5) + QCoreApplication::translate("typical", " c;")};
    };
    return step;
  };
  const auto ramp = [] {
    RampSetup ramp{QStringLiteral("Form1_2"), caption(2), layout(2, readRampT()), {}, false, {}, [] {
                     Randomize();
                     return RampPlot::of(integrating::Ramp::draw());
                   }};
    ramp.answerName = QStringLiteral("T = ");
    ramp.answerLength = 5;
    ramp.answerTop = AnswerTop;
    ramp.openDuringTrace = false;
    return ramp;
  };
  const auto sine = [] {
    return SineSetup{QStringLiteral("Form1_3"),
                     caption(3),
                     layout(3, QString()),
                     7,
                     SineTask{32, 2, 53, 20, false, 96, 20, 44, 94, 109, 132},
                     381,
                     [] {
                       Randomize();
                       return SineCase::of(integrating::Sine::draw());
                     }};
  };
  return {QStringLiteral("BIntegrZveno"),
          16,
          HelpContext,
          {{QStringLiteral("Form1_1"), make<RampForm>(step)},
           {QStringLiteral("Form1_2"), make<RampForm>(ramp)},
           {QStringLiteral("Form1_3"), make<SineForm>(sine)},
           {QStringLiteral("Form1_4"),
            [](Host& h) -> ExperimentWindow* {
              return ExperimentWindow::create<FrequencyForm>(h, QStringLiteral("Form1_4"),
                                                             std::make_unique<IntegratingFrequency>());
            }}},
          true,
          true};
}

// The settling time's note under the answer rows of a step window, its index at indexTop.
std::vector<StepSetup::Label> settlingNote(int top, int indexTop) {
  return {{{8, top}, QCoreApplication::translate("typical", "t  - время регулирования"), 13},
          {{13, indexTop}, links::texts::settlingIndex(), 10}};
}

StepSetup stepSetup(const QString& form, const QString& caption, const TypicalLayout& layout) {
  StepSetup s;
  s.objectName = form;
  s.caption = caption;
  s.layout = layout;
  return s;
}

WorkEntry aperiodicWork() {
  using namespace aperiodic::texts;
  const auto step = [] {
    StepSetup step = stepSetup(QStringLiteral("Form2_1"), caption(1), {title(), taskNumber(1), readStep(), Picture});
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
  return {QStringLiteral("BAperZveno"),
          120,
          HelpContext,
          {{QStringLiteral("Form2_1"), make<LinkStepForm>(step)},
           {QStringLiteral("Form2_2"), make<RampForm>([] {
              return RampSetup{QStringLiteral("Form2_2"),
                               caption(2),
                               {title(), taskNumber(2), QString(), Picture},
                               QCoreApplication::translate("typical", "Для заданного значения постоянной времени"),
                               false,
                               QCoreApplication::translate("typical", "определите значение коэффициента k"),
                               [] {
                                 Randomize();
                                 return RampPlot::of(aperiodic::drawRamp());
                               }};
            })},
           {QStringLiteral("Form2_3"), make<SineForm>([] {
              return SineSetup{QStringLiteral("Form2_3"),
                               caption(3),
                               {title(), taskNumber(3), QString(), Picture},
                               7,
                               SineTask{},
                               380,
                               [] {
                                 Randomize();
                                 return SineCase::of(aperiodic::drawSine());
                               }};
            })},
           {QStringLiteral("Form2_4"),
            [](Host& h) -> ExperimentWindow* {
              FrequencyLink::Setup s{title(), caption(4) + QStringLiteral("."), 7, 7, false, true};
              return ExperimentWindow::create<FrequencyForm>(
                  h, QStringLiteral("Form2_4"),
                  std::make_unique<LagFrequency>(s, std::make_unique<aperiodic::Frequency>()));
            }}},
          true};
}

WorkEntry oscillatingWork() {
  using namespace oscillating::texts;
  const auto step = [] {
    StepSetup step = stepSetup(QStringLiteral("Form3_1"), caption(1), {title(), taskNumber(1), readStep(), Picture});
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
  return {QStringLiteral("BKolebZveno"),
          224,
          HelpContext,
          {{QStringLiteral("Form3_1"), make<LinkStepForm>(step), 4},
           {QStringLiteral("Form3_2"), make<RampForm>([] {
              return RampSetup{QStringLiteral("Form3_2"),
                               caption(2),
                               {title(), taskNumber(2), QString(), Picture},
                               QCoreApplication::translate("typical", "Для заданных значений:"),
                               true,
                               QCoreApplication::translate("typical", "определите значение коэффициента k:"),
                               [] {
                                 Randomize();
                                 return RampPlot::of(oscillating::drawRamp());
                               }};
            })},
           {QStringLiteral("Form3_3"), make<SineForm>([] {
              SineTask withGamma;
              withGamma.values = 4;
              withGamma.questionTop = 124;  // below the γ row
              return SineSetup{QStringLiteral("Form3_3"),
                               caption(3),
                               {title(), taskNumber(3), QString(), Picture},
                               8,
                               withGamma,
                               380,
                               [] { return SineCase::of(oscillating::drawSine()); }};
            })},
           {QStringLiteral("Form3_4"),
            [](Host& h) -> ExperimentWindow* {
              FrequencyLink::Setup s{title(), caption(4) + QStringLiteral("."), 6, 7, false, true};
              return ExperimentWindow::create<FrequencyForm>(
                  h, QStringLiteral("Form3_4"),
                  std::make_unique<LagFrequency>(s, std::make_unique<oscillating::Frequency>()));
            }}},
          true};
}

}  // namespace

namespace typical {

SectionEntry section() {
  return {1,
          QT_TRANSLATE_NOOP("Main", "Типовые динамические звенья"),
          3,
          {integratingWork(), aperiodicWork(), oscillatingWork()}};
}

}  // namespace typical
