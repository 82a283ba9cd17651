// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help topics: every context has a worked example, and the example's numbers are the ones
// the sections' models compute for its parameters (so the example never disagrees with the
// window that checks the student).
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "framework/numtext.h"
#include "help/help_viewer.h"
#include "help/topics.h"
#include "labs/astatism/astatism_model.h"
#include "labs/compound_links/diff_model.h"
#include "labs/compound_links/infors_model.h"
#include "labs/compound_links/pi_model.h"
#include "labs/correction/correction_model.h"
#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"
#include "labs/diagrams/state_model.h"
#include "labs/diagrams/transform_model.h"
#include "labs/invariance/invariance_model.h"
#include "labs/nontypical_links/delay_model.h"
#include "labs/nontypical_links/lag_model.h"
#include "labs/stability/stability_model.h"
#include "labs/typical_links/aperiodic_model.h"
#include "labs/typical_links/integrating_model.h"
#include "labs/typical_links/oscillating_model.h"
#include "support/fixture.h"
#include "support/language_guard.h"

namespace {

QString n(double v) { return FloatToStr(v); }
QString c(double v, int chars) { return numtext::FloatCut(v, chars); }

// The answers of each topic's example, computed here through the models with the parameters
// the example states.
QStringList expectedNumbers(int context) {
  switch (context) {
    case 111:
    case 11: {
      const integrating::Step s{0.5};
      QStringList v{n(s.rule().lo), n(s.rule().hi)};
      if (context == 11) v << n(integrating::Ramp{0.67}.crossingTime()) << n(integrating::Sine{0.2, 10}.amplitude());
      return v;
    }
    case 12: {
      aperiodic::Step s;
      s.T = 0.5, s.k = 1.5;
      const auto h = aperiodic::sine(0.3, 10, 1.5);
      return {c(s.tp(), 6), n(aperiodic::ramp(0.6, 1.5).crossingTime), c(h.amplitude, 5), c(h.phase, 6)};
    }
    case 13: {
      const auto s = oscillating::Step::of(0.5, 1, 0.2);
      const auto h = oscillating::sine(0.3, 10, 1.5, 0.3);
      return {c(s.sigma(), 6), n(s.tp), n(oscillating::ramp(0.4, 1.6, 0.3).crossingTime), c(h.amplitude, 5),
              c(h.phase, 6)};
    }
    case 21: {
      nontypical::Delay d;
      d.T = 0.2, d.w = 6, d.k = 0.5, d.A = 10;
      return {n(d.k), n(d.T), n(d.w * d.T)};
    }
    case 22: {
      nontypical::Lag lag;
      lag.T = 0.5, lag.k = 0.4;
      const auto l = nontypical::limits(nontypical::Pole::Right, lag);
      return {n(lag.k), c(l[2].value, 7), c(l[3].value, 7)};
    }
    case 31: {
      const compound::pi::Sine h{0.2, 0.5, 10};
      compound::pi::Frequency f;
      f.T1 = 0.2, f.T2 = 0.5, f.N = 4;
      return {compound::pi::Step{0.5, 0.5}.answers()[0].shown, c(h.A(), 5), c(h.dphi(), 6), c(f.w1(), 5),
              QString::number(compound::pi::Circuit{150, 400}.R1())};
    }
    case 32: {
      const compound::diff::Harmonic h{0.1, 0.05, 20};
      return {c(compound::diff::Step{0.1, 2}.T2(), 6), c(h.B1(), 6), c(compound::diff::Lowered{h, 3}.T2(), 6)};
    }
    case 33: {
      compound::infors::Sine h;
      h.T1 = 0.1, h.T2 = 0.05, h.w = 5, h.k = 2;
      return {compound::infors::Step::of(0.2, 2, 1).answers()[1].shown, c(h.A(), 6)};
    }
    case 4: {
      const auto a = diagrams::stateAnswers({2, 0.1, 0.08, 0.5});
      return {c(a.k2, 6), c(a.T2, 6), c(a.k3, 6), c(a.k, 7), c(a.T, 7)};
    }
    case 5: {
      const auto a = diagrams::transformAnswers({2, 1.5, 0.5, 0.2, 1});
      return {n(a.form1[1]), n(a.form1[3]), n(a.form1[5]), n(a.form1[7]), n(a.form2[0]), n(a.form2[6])};
    }
    case 6: {
      const stability::Params p{0.2, 0.3, 0.4, 1};
      const double K = stability::criticalGain(stability::Loop::Lags, p);
      return {c(stability::coefficients(stability::Loop::Lags, p).a2, 6), c(K, 6),
              c(stability::crossover({stability::Loop::Lags, p, K}).w, 6)};
    }
    case 7: {
      const astatism::Params p{0.2, 0.3, 0};
      const auto q = astatism::trueAnswers(astatism::windowInfo(1, 7), p);
      return {n(astatism::errorCoefficients(1, astatism::Signal::Reference, p).c2), n(q[0]), n(q[1])};
    }
    case 81:
    case 82: {
      const auto p = invariance::makeParams(0.1, 1.5);
      const auto w = context == 81 ? invariance::Work::Reference : invariance::Work::Disturbance;
      return {n(invariance::leadConstant(w, p)), n(invariance::kSteadyError)};
    }
    case 91:
    case 92:
    case 93: {
      const auto s = context == 91   ? correction::Scheme::Series
                     : context == 92 ? correction::Scheme::Parallel
                                     : correction::Scheme::LocalFeedback;
      const auto k = correction::gains(s, 0.1, 0.75);
      // The step window draws T1 = 0.2 s and T2 = 7·T1 anew and takes only k over.
      const auto r = correction::simulate(s, 0.2, 7 * 0.2, k[0]);
      QStringList v{c(k[0], 6), c(r.error(), 6), c(r.settling, 6)};
      if (k.size() > 1) v << c(k[1], 6);
      return v;
    }
  }
  return {};
}

}  // namespace

TEST(HelpTopics, EveryContextOpensATopicWithAWorkedExample) {
  for (int context : HelpViewer::allTopics()) {
    const QString html = HelpViewer::topicHtml(context);
    EXPECT_FALSE(HelpViewer::topicTitle(context).isEmpty()) << context;
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"example\""))) << context;
    // Every example number has been filled in, every formula expanded.
    EXPECT_FALSE(html.contains(QStringLiteral("{{"))) << context << html.mid(html.indexOf("{{"), 30).toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("<frac>")) || html.contains(QStringLiteral("<f>"))) << context;
  }
  EXPECT_TRUE(HelpViewer::topicHtml(999).isEmpty());
}

TEST(HelpTopics, ExampleNumbersAreWhatTheModelsCompute) {
  for (int context : HelpViewer::allTopics()) {
    const QString example = HelpViewer::topicHtml(context).section(QStringLiteral("name=\"example\""), 1);
    const QStringList numbers = expectedNumbers(context);
    EXPECT_FALSE(numbers.isEmpty()) << context;
    for (const QString& number : numbers)
      EXPECT_TRUE(example.contains(number)) << context << " lacks " << number.toStdString();
  }
}

TEST(HelpTopics, NumbersFollowTheDecimalSeparator) {
  const QChar before = numtext::decimalSeparator();
  numtext::setDecimalSeparator(',');
  EXPECT_TRUE(HelpViewer::topicHtml(11).contains(QStringLiteral("0,475")));
  numtext::setDecimalSeparator('.');
  EXPECT_TRUE(HelpViewer::topicHtml(11).contains(QStringLiteral("0.475")));
  numtext::setDecimalSeparator(before);
}

// The fixed numbers of the English topics are written with a point and shown with the windows'
// separator, so that "0.632·k" never stands beside a value written with a comma (English on a
// machine with Russian regional settings). The Russian topics are shown as written.
TEST(HelpTopics, EnglishFixedNumbersFollowTheDecimalSeparator) {
  const QChar before = numtext::decimalSeparator();
  static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
  static const QRegularExpression pointDecimal(QStringLiteral("\\d\\.\\d"));
  {
    LanguageGuard english(language::Language::English);
    numtext::setDecimalSeparator(',');
    EXPECT_TRUE(HelpViewer::topicHtml(12).contains(QStringLiteral("0,632·k")));
    for (int context : HelpViewer::allTopics()) {
      const QString text = HelpViewer::topicHtml(context).remove(tag);
      const auto m = pointDecimal.match(text);
      EXPECT_FALSE(m.hasMatch()) << context << ": " << text.mid(m.capturedStart() - 20, 40).toStdString();
    }
    numtext::setDecimalSeparator('.');
    EXPECT_TRUE(HelpViewer::topicHtml(12).contains(QStringLiteral("0.632·k")));
  }
  numtext::setDecimalSeparator('.');
  EXPECT_TRUE(HelpViewer::topicHtml(12).contains(QStringLiteral("0,632·k")));  // the Russian as written
  numtext::setDecimalSeparator(before);
  // Only the text between the tags changes.
  EXPECT_EQ(help::localDecimals(QStringLiteral("<td width=\"1.5\">0.95·k, 1.05·k</td> 3. 4"), ','),
            QStringLiteral("<td width=\"1.5\">0,95·k, 1,05·k</td> 3. 4"));
}

TEST(HelpTopics, BandEndsShownLieInsideTheBand) {
  for (const Acceptance& a :
       {Acceptance::band(1.497866136777, 0.94), Acceptance::band(-1.249045772), Acceptance::band(0.00473)}) {
    const double lo = *StrToFloat(help::bandEnd(a.lo, true)), hi = *StrToFloat(help::bandEnd(a.hi, false));
    EXPECT_TRUE(a.accepts(lo) && a.accepts(hi)) << a.lo << " " << a.hi;
    EXPECT_LE(help::bandEnd(a.lo, true).size(), 9);  // five significant digits
  }
}

// Example numbers are shown as the windows show answers, not with every digit a double has.
TEST(HelpTopics, ExampleNumbersAreShortAsTheWindowsShowThem) {
  static const QRegularExpression longNumber(QStringLiteral("\\d[.,]\\d{8,}"));
  static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
  for (int context : HelpViewer::allTopics()) {
    const QString example = HelpViewer::topicHtml(context).section(QStringLiteral("name=\"example\""), 1).remove(tag);
    for (auto it = longNumber.globalMatch(example); it.hasNext();) {
      const auto m = it.next();
      ADD_FAILURE() << context << " shows " << example.mid(m.capturedStart() - 12, 36).toStdString();
    }
  }
}

namespace {

// The examples of the works whose later windows take values over from an earlier one, played
// through the real windows with the example's draws: the values the example carries over, the
// texts the boxes show once accepted and the ends of the bands it quotes are those the windows
// put on the screen and apply.
class ExampleAgreesWithWindows : public TrainerTest {
 protected:
  static QString example(int context) {
    return HelpViewer::topicHtml(context).section(QStringLiteral("name=\"example\""), 1);
  }
  // The number stands in the text on its own, not as a piece of a longer one.
  static bool quotes(const QString& text, const QString& number) {
    const QRegularExpression whole(QStringLiteral("(?<![\\d.,])") + QRegularExpression::escape(number) +
                                   QStringLiteral("(?![.,]?\\d)"));
    return text.contains(whole);
  }
  // The example quotes what box i of w shows once accepted and, with `band`, both ends of its rule.
  void quotesAnswer(int context, ExperimentWindow* w, int i, bool band = true) {
    const QString ex = example(context);
    const ExperimentWindow::Answer& a = w->answer(i);
    EXPECT_TRUE(quotes(ex, a.shown)) << context << " " << w->objectName().toStdString() << " box " << i << " shows "
                                     << a.shown.toStdString();
    if (!band) return;
    for (const QString& end : {help::bandEnd(a.rule.lo, true), help::bandEnd(a.rule.hi, false)})
      EXPECT_TRUE(quotes(ex, end)) << context << " " << w->objectName().toStdString() << " box " << i << " band end "
                                   << end.toStdString();
  }
  // The example quotes the value of a label of w, without the unit the label adds.
  static void quotesLabel(int context, ExperimentWindow* w, const char* name) {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    QString v = l ? l->text() : QString();
    if (v.endsWith(QStringLiteral(" c"))) v.chop(2);
    EXPECT_FALSE(v.isEmpty()) << name;
    EXPECT_TRUE(quotes(example(context), v)) << context << " " << name << " shows " << v.toStdString();
  }
  // Types the middle of every rule of w, which completes it.
  void answerAll(ExperimentWindow* w) {
    for (int i = 0; i < w->answerCount(); ++i)
      type(w, i, FloatToStr((w->answer(i).rule.lo + w->answer(i).rule.hi) / 2));
  }
  ExperimentWindow* next() {
    main->BNextClick();
    settle();
    return active();
  }
};

}  // namespace

TEST_F(ExampleAgreesWithWindows, StateVariables) {
  script({20, 10, 8, 10});  // k1 = 2, T1 = 0.1 s, T3 = 0.08 s, γ = 0.5
  ExperimentWindow* w = start(QStringLiteral("Form9_1"));
  ASSERT_TRUE(w);
  for (int i = 0; i < 3; ++i) quotesAnswer(4, w, i, false);
  for (const char* name : {"LK1", "LT1", "LT3", "SK", "ST", "ST3", "SK3"}) quotesLabel(4, w, name);
}

TEST_F(ExampleAgreesWithWindows, StabilityWorkOne) {
  script({200, 300, 400, 100});  // T1, T2, T3 = 0.2, 0.3, 0.4 s, k1 = 1
  ExperimentWindow* w = start(QStringLiteral("Form16_1"));
  ASSERT_TRUE(w);
  for (int i = 0; i < 4; ++i) quotesAnswer(6, w, i, false);
  quotesAnswer(6, w, 4);  // k1,кр
  answerAll(w);
  w = next();
  ASSERT_TRUE(w && w->objectName() == QStringLiteral("Form16_2"));
  quotesAnswer(6, w, 2);  // ω_ср as the window's search finds it
}

// Window 2 (and 3) of a correction work draws its own T1 and T2 and takes only k over.
TEST_F(ExampleAgreesWithWindows, CorrectionStepWindowsDrawTheirOwnTimeConstants) {
  const struct {
    int context;
    const char* form;
  } works[] = {{91, "Form13_1"}, {92, "Form14_1"}, {93, "Form15_1"}};
  for (const auto& work : works) {
    SCOPED_TRACE(work.context);
    script({100, 75});  // window 1: T1 = 0.1 s, m = 7.5
    auto* g = dynamic_cast<correction::GainWindow*>(start(QLatin1String(work.form)));
    ASSERT_TRUE(g);
    for (int i = 0; i < g->answerCount(); ++i) quotesAnswer(work.context, g, i, false);
    quotesLabel(work.context, g, "LT1");
    quotesLabel(work.context, g, "LT2");
    type(g, 0, FloatToStr(g->gain(0)));
    const std::pair<int, int> draws[] = {{200, 70}, {40, 80}};  // windows 2 and 3
    for (int n = 2; n <= g->work().windows; ++n) {
      script({draws[n - 2].first, draws[n - 2].second});
      auto* s = dynamic_cast<correction::StepWindow*>(next());
      ASSERT_TRUE(s);
      for (const char* name : {"LT1", "LT2", "Lk"}) quotesLabel(work.context, s, name);
      quotesAnswer(work.context, s, 0);
      quotesAnswer(work.context, s, 1);
      answerAll(s);
    }
    main->BMenuClick();  // the work is done: back to the start screen
    flushDeletes();
  }
}

// The English topics: the same examples with the same numbers, and no Russian word left.
TEST(HelpTopics, EnglishTopicsCarryTheSameExamplesWithoutARussianWord) {
  LanguageGuard english(language::Language::English);
  for (int context : HelpViewer::allTopics()) {
    const QString html = HelpViewer::topicHtml(context);
    ASSERT_FALSE(html.isEmpty()) << context;
    EXPECT_FALSE(hasCyrillic(html)) << context << " "
                                    << html.mid(html.indexOf(QRegularExpression("[А-Яа-яЁё]")) - 40, 80).toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("{{"))) << context;
    EXPECT_FALSE(HelpViewer::topicTitle(context).isEmpty()) << context;
    EXPECT_NE(help::topicSource(context), help::topicSource(context, language::Language::Russian)) << context;
    const QString example = html.section(QStringLiteral("name=\"example\""), 1);
    for (const QString& number : expectedNumbers(context))
      EXPECT_TRUE(example.contains(number)) << context << " lacks " << number.toStdString();
  }
}
