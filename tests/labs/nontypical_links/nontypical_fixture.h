// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the non-typical-link windows with chosen parameters.
#include <QAbstractButton>

#include "labs/nontypical_links/delay_window.h"
#include "labs/nontypical_links/lag_window.h"
#include "support/fixture.h"

class Nontypical : public TrainerTest {
 protected:
  // Draws as RandomRange returns them: T·1000, ω·100, k·1000, A·100.
  DelayWindow* openDelay(int T, int w, int k, int A) {
    script({T, w, k, A});
    return dynamic_cast<DelayWindow*>(start(QStringLiteral("Form4_1")));
  }
  // T·1000, k·1000.
  LagLinkWindow* openLag(int T, int k) {
    script({T, k});
    return dynamic_cast<LagLinkWindow*>(start(QStringLiteral("Form5_1")));
  }
  void click(const char* name) {
    auto* b = main->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(b) << name;
    b->click();
  }
  void menuYes() {
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
    messages.clear();
  }
};
