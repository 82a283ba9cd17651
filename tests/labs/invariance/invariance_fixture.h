// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer with its real windows, and what a student reads off an invariance window.
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "labs/invariance/compensator_form.h"
#include "labs/invariance/response_form.h"
#include "labs/invariance/runs_form.h"
#include "support/fixture.h"

class InvarianceTest : public TrainerTest {
 protected:
  // T1 and m as RandomRange draws: T1 = t1 / 1000, m = m / 100.
  void draw(int t1, int m) { script({t1, m}); }
  QPushButton* button(const char* name) const { return main->findChild<QPushButton*>(QLatin1String(name)); }
  // A value label without its " c".
  double shown(ExperimentWindow* w, const char* name) const {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? StrToFloat(l->text().chopped(2)).value_or(-1) : -1;
  }
  QString shownText(ExperimentWindow* w, const char* name) const {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text().chopped(2) : QString();
  }
  // A number as the student types it and the window shows it, with the locale's separator.
  static QString loc(const char* text) { return QString::fromLatin1(text).replace('.', numtext::decimalSeparator()); }
  void next() {
    button("BNext")->click();
    settle();
  }
  // Pixels of a colour in the plot (or icon) image.
  static int count(PlotView* v, const QColor& c, QRect area = {}) {
    const QImage& img = v->canvas().image();
    if (area.isNull()) area = QRect(QPoint(0, 0), v->size());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += QColor(img.pixel(x, y)) == c;
    return n;
  }
  // With LUMEQ_SHOTS set, the main window is saved as a picture for a look by eye.
  void shot(const QString& name) {
    if (qEnvironmentVariableIsEmpty("LUMEQ_SHOTS")) return;
    main->setFixedSize(1000, 720);
    settle();
    main->grab().save(QStringLiteral("/tmp/invariance-%1.png").arg(name));
  }
};
