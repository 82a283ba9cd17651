// The help topics: every context has a worked example, and the example's numbers are the ones
// the sections' models compute for its parameters (so the example never disagrees with the
// window that checks the student).
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
#include "labs/diagrams/state_model.h"
#include "labs/diagrams/transform_model.h"
#include "labs/invariance/invariance_model.h"
#include "labs/nontypical_links/delay_model.h"
#include "labs/nontypical_links/lag_model.h"
#include "labs/stability/stability_model.h"
#include "labs/typical_links/aperiodic_model.h"
#include "labs/typical_links/integrating_model.h"
#include "labs/typical_links/oscillating_model.h"

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
      return {n(s.tp()), n(aperiodic::ramp(0.6, 1.5).crossingTime), n(h.amplitude), n(h.phase)};
    }
    case 13: {
      const auto s = oscillating::Step::of(0.5, 1, 0.2);
      const auto h = oscillating::sine(0.3, 10, 1.5, 0.3);
      return {n(s.sigma()), n(s.tp), n(oscillating::ramp(0.4, 1.6, 0.3).crossingTime), n(h.amplitude), n(h.phase)};
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
      return {compound::pi::Step{0.5, 0.5}.answers()[0].shown, n(h.A()), n(h.dphi()), n(f.w1()),
              QString::number(compound::pi::Circuit{150, 400}.R1())};
    }
    case 32: {
      const compound::diff::Harmonic h{0.1, 0.05, 20};
      return {n(compound::diff::Step{0.1, 2}.T2()), n(h.B1()), n(compound::diff::Lowered{h, 3}.T2())};
    }
    case 33: {
      compound::infors::Sine h;
      h.T1 = 0.1, h.T2 = 0.05, h.w = 5, h.k = 2;
      return {compound::infors::Step::of(0.2, 2, 1).answers()[1].shown, c(h.A(), 6)};
    }
    case 4: {
      const auto a = diagrams::stateAnswers({2, 0.1, 0.05, 0.5});
      return {n(a.k2), n(a.T2), n(a.k3)};
    }
    case 5: {
      const auto a = diagrams::transformAnswers({2, 1.5, 0.5, 0.2, 1});
      return {n(a.form1[1]), n(a.form1[3]), n(a.form1[5]), n(a.form1[7]), n(a.form2[0]), n(a.form2[6])};
    }
    case 6: {
      const stability::Params p{0.2, 0.3, 0.4, 1};
      const double K = stability::criticalGain(stability::Loop::Lags, p);
      return {n(stability::coefficients(stability::Loop::Lags, p).a2), n(K),
              n(stability::crossover({stability::Loop::Lags, p, K}).w)};
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
      const auto r = correction::simulate(s, 0.1, 0.75, k[0]);
      QStringList v{n(k[0]), c(r.error(), 6), c(r.settling, 6)};
      if (k.size() > 1) v << n(k[1]);
      return v;
    }
  }
  return {};
}

}  // namespace

TEST(HelpTopics, EveryContextOpensATopicWithAWorkedExample) {
  for (int context : HelpViewer::contexts()) {
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
  for (int context : HelpViewer::contexts()) {
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

TEST(HelpTopics, BandEndsShownLieInsideTheBand) {
  for (const Acceptance& a : {Acceptance::band(1.497866136777, 0.94), Acceptance::band(-1.249045772), Acceptance::band(0.00473)}) {
    const double lo = *StrToFloat(help::bandEnd(a.lo, true)), hi = *StrToFloat(help::bandEnd(a.hi, false));
    EXPECT_TRUE(a.accepts(lo) && a.accepts(hi)) << a.lo << " " << a.hi;
    EXPECT_LE(help::bandEnd(a.lo, true).size(), 9);  // five significant digits
  }
}
