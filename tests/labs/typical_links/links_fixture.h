// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the aperiodic- and oscillating-link windows with chosen draws.
#include <QCheckBox>
#include <QSlider>

#include "integrating_fixture.h"
#include "labs/typical_links/lag_frequency.h"
#include "labs/typical_links/link_step_form.h"
#include "labs/typical_links/ramp_form.h"
#include "labs/typical_links/sine_form.h"

class Links : public Integrating {
 protected:
  // Draws as RandomRange returns them: T·100, k·100.
  LinkStepForm* openAperiodicStep(int t, int k) {
    script({t, k});
    return dynamic_cast<LinkStepForm*>(start("Form2_1"));
  }
  static const aperiodic::Step& aperiodicOf(const LinkStepForm* w) { return w->data().as<aperiodic::Step>(); }
  static const oscillating::Step& oscillatingOf(const LinkStepForm* w) { return w->data().as<oscillating::Step>(); }
  // The five runs and the closing one of a frequency window, answered from its link.
  void playFrequency(const QString& caption) {
    auto* f = dynamic_cast<FrequencyForm*>(active());
    ASSERT_TRUE(f);
    for (int r = 1; r <= 5; ++r) {
      SCOPED_TRACE(r);
      ASSERT_EQ(f->windowTitle(), caption + QString::number(r));
      type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
      ASSERT_TRUE(f->edit(1)->isEnabled());
      type(f, 1, FloatToStr(f->link().phase(f->omega())));
      settle();
    }
    EXPECT_EQ(f->windowTitle(), caption + "6");
    EXPECT_TRUE(main->work().WorkDone);
  }
  void click(const char* name) {
    auto* b = main->findChild<QAbstractButton*>(name);
    ASSERT_TRUE(b) << name;
    b->click();
  }
  static void enter(QLineEdit* e, const QString& text) {
    e->setText(text);
    QTest::keyClick(e, Qt::Key_Return);
  }
};
