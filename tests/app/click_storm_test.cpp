// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any click at any moment: a long seeded storm of commands, answers and closes over the real
// windows, with animation on, must never crash, double a window or leave the bar locked.
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <random>

#include "support/fixture.h"

namespace {

class ClickStorm : public TrainerTest {
 protected:
  void checkInvariants() {
    QSet<QString> names;
    for (auto* w : main->children()) {
      EXPECT_FALSE(names.contains(w->objectName())) << "two " << w->objectName().toStdString();
      names.insert(w->objectName());
      EXPECT_EQ(main->findWindow(w->objectName()), w);
    }
  }
};

TEST_F(ClickStorm, CommandsAnswersAndClosesInAnyOrder) {
  std::mt19937 gen(20261208);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
  const QStringList works{"Form1_1", "Form19_1", "Form20_3", "Form22_1", "Form9_1", "Form10_1"};
  const QStringList junk{"", "abc", "1e999", "-0", "0.5", "999999", ",", "1,5", "  ", "0"};
  int steps = 0;
  auto storm = [&] {
    ++steps;
    switch (pick(9)) {
      case 0:
        if (main->children().isEmpty()) main->open(works[pick(works.size())]);
        break;
      case 1:
        main->BNextClick();
        break;
      case 2:
        main->BBackClick();
        break;
      case 3:
        messages.answers = {pick(2) == 0};
        main->BMenuClick();
        break;
      case 4:
        if (auto* w = active()) w->close();
        break;
      case 5:
      case 6:
        if (auto* w = active())
          for (int i = 0; i < w->answerCount(); ++i)
            if (w->edit(i)->isEnabled()) type(w, i, junk[pick(junk.size())]);
        break;
      case 7:
        main->p->setChecked(pick(4) != 0);
        break;
      default:
        break;
    }
    checkInvariants();
  };
  // The storm runs from a timer, so its clicks also land in the middle of paced traces.
  pacing(true);
  QTimer ticker;
  ticker.setInterval(7);
  QObject::connect(&ticker, &QTimer::timeout, storm);
  ticker.start();
  QElapsedTimer t;
  t.start();
  while (steps < 250 && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  ticker.stop();
  pacing(false);
  settle();
  flushDeletes();
  checkInvariants();
  EXPECT_GE(steps, 250);
  EXPECT_FALSE(main->Busy);
  messages.answers = {true};
  main->work().WorkDone = false;
  main->BMenuClick();
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
}

}  // namespace
