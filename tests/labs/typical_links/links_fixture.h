#pragma once
// Opening the aperiodic- and oscillating-link windows with chosen draws.
#include <QCheckBox>
#include <QSlider>

#include "integrating_fixture.h"
#include "labs/typical_links/aperiodic_step.h"

class Links : public Integrating {
 protected:
  // Draws as RandomRange returns them: T·100, k·100.
  AperiodicStep* openAperiodicStep(int t, int k) {
    script({t, k});
    return dynamic_cast<AperiodicStep*>(start("Form2_1"));
  }
  static void enter(QLineEdit* e, const QString& text) {
    e->setText(text);
    QTest::keyClick(e, Qt::Key_Return);
  }
};
