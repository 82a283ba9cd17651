// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The state-variable and structural-transformation works through random draws: every answer
// worked out from the parameters as the windows show them.
#include "framework/numtext.h"
#include "framework/random.h"
#include "labs/diagrams/state_model.h"
#include "labs/diagrams/transform_model.h"
#include "support/model_draws.h"

using namespace diagrams;
using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

LUMEQ_MODEL_DRAWS(
    "state variables",
    [](draws::Probe& p) {
      const StateParams s = drawStateParams();
      const StateAnswers a = stateAnswers(s);
      const double k1 = p.shown("k1", FloatToStr(s.k1)), T1 = p.shown("T1", FloatToStr(s.T1));
      p.answer("k2", Acceptance::band(a.k2), a.k2, 1 / k1, 7);
      p.answer("T2", Acceptance::band(a.T2), a.T2, T1 / k1, 7);
      // k3 from k2 and T2 as the last task gives them.
      const double k3 = k3From(p.shown("k2", FloatCut(a.k2, GivenLength)), p.shown("T2", FloatCut(a.T2, GivenLength)),
                               p.shown("T3", FloatToStr(s.T3)), p.shown("g", FloatToStr(s.gamma)));
      p.answer("k3", Acceptance::band(a.k3), a.k3, k3, 7);
      p.value("k", p.shown("k", FloatCut(a.k, SummaryLength)));
      p.value("T", p.shown("T", FloatCut(a.T, SummaryLength)));
    },
    2000);

LUMEQ_MODEL_DRAWS(
    "structural transform",
    [](draws::Probe& p) {
      const TransformParams s = drawTransformParams();
      const TransformAnswers truth = transformAnswers(s);
      const TransformAnswers read = transformAnswers({p.shown("k1", FloatToStr(s.k1)), p.shown("k2", FloatToStr(s.k2)),
                                                      p.shown("T1", FloatToStr(s.T1)), p.shown("T2", FloatToStr(s.T2)),
                                                      p.shown("T3", FloatToStr(s.T3))});
      for (int i = 0; i < Form1Fields; ++i)
        p.answer(QStringLiteral("form 1, field %1").arg(i + 1), Acceptance::band(truth.form1[i]), truth.form1[i],
                 read.form1[i], AnswerMaxLength);
      for (int i = 0; i < Form2Fields; ++i)
        p.answer(QStringLiteral("form 2, field %1").arg(i + 1), Acceptance::band(truth.form2[i]), truth.form2[i],
                 read.form2[i], AnswerMaxLength);
    },
    2000);

}  // namespace
