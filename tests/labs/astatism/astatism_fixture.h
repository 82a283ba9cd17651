// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer with its real windows, and what a student does in an astatism window: read the
// parameters off the value labels, work the answers out, type them.
#include <QLabel>
#include <QPushButton>

#include "closed_forms.h"
#include "labs/astatism/coefficient_window.h"
#include "labs/astatism/response_window.h"
#include "support/fixture.h"
#include "support/student.h"

class AstatismTest : public TrainerTest {
 protected:
  // The parameters as the window shows them ("0.237 c").
  astatism_test::Ts shown(ExperimentWindow* w) const {
    double v[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
      if (auto* l = w->findChild<QLabel*>(QStringLiteral("LT%1").arg(i + 1))) {
        EXPECT_TRUE(l->text().endsWith(" c")) << l->text().toStdString();
        v[i] = StrToFloat(l->text().chopped(2)).value_or(-1);
      }
    return {v[0], v[1], v[2]};
  }
  std::vector<double> expected(ExperimentWindow* w) const {
    return astatism_test::closedForm(w->objectName()).answers(shown(w));
  }
  // Types every answer as worked out from the shown parameters, to six digits as a student
  // would (a full 15-digit text of a tiny value does not fit the box).
  void answerAll(ExperimentWindow* w) {
    const auto a = expected(w);
    // As it fits the box: "-0.000432107" cut to the response windows' 7 characters is refused.
    for (int i = 0; i < static_cast<int>(a.size()); ++i) type(w, i, typedForm(a[i], w->edit(i)->maxLength()));
  }
  QPushButton* button(const char* name) const { return main->findChild<QPushButton*>(QLatin1String(name)); }
  astatism::ResponseWindow* response(const QString& form) const { return window<astatism::ResponseWindow>(form); }
  // Draws for a window's parameters, away from the ends of its ranges and from each other.
  void scriptTypical(const astatism_test::ClosedForm& c) {
    const double at[3] = {0.3, 0.7, 0.5};
    for (int i = 0; i < c.params; ++i) {
      const auto r = c.ranges[i];
      script({r.lo + static_cast<int>(at[i] * (r.hi - r.lo))});
    }
  }
};

// Text is drawn smoothed: its pixels only lean towards the colour of the text.
inline bool tinted(const QColor& px, const QColor& c) {
  return std::abs(px.red() - c.red()) < 90 && std::abs(px.green() - c.green()) < 90 &&
         std::abs(px.blue() - c.blue()) < 90;
}
inline bool textIn(PlotView* v, const QRect& r, const QColor& c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (tinted(px(v, x, y), c)) return true;
  return false;
}

// The plot pixels that are not white, as a picture of what was drawn.
inline QImage drawn(PlotView* v) { return v->canvas().image().copy(QRect(QPoint(0, 0), v->size())); }
inline int inkCount(PlotView* v) {
  const QImage img = drawn(v);
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (QColor(img.pixel(x, y)) != colors::White) ++n;
  return n;
}
