// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every registered window, in Russian and in English: no label, button or group-box text is
// wider than its widget, runs out of its panel or overlaps a neighbour.
#include <QCollator>
#include <QLabel>
#include <QPushButton>

#include "app/program.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/layout_check.h"

using language::Language;

TEST_F(TrainerTest, EveryWindowsTextsFitInBothLanguages) {
  QStringList forms = programWindows().forms();
  QCollator numeric;
  numeric.setNumericMode(true);
  std::sort(forms.begin(), forms.end(), numeric);
  for (Language l : {Language::Russian, Language::English}) {
    LanguageGuard guard(l);
    for (const QString& form : forms) {
      // The window as it opens, its data drawn; its trace (bitmaps only) is not needed.
      std::unique_ptr<ExperimentWindow> w(programWindows().make(form, *main));
      ASSERT_TRUE(w) << form.toStdString();
      const QStringList problems = layoutProblems(w->client());
      EXPECT_TRUE(problems.isEmpty()) << language::code(l).toStdString() << " " << form.toStdString() << ":\n"
                                      << problems.join(u'\n').toStdString();
    }
  }
  main->Busy = false;
}

// The check itself: what it must find, and a caption's index in the gap its text leaves.
TEST(LayoutCheck, FindsCutAndOverlappingTextsOnly) {
  QWidget panel;
  panel.setObjectName("panel");
  panel.resize(300, 200);
  auto label = [&](const QString& text, const QRect& r, bool wrap = false) {
    auto* l = new QLabel(text, &panel);
    l->setGeometry(r);
    l->setWordWrap(wrap);
    return l;
  };
  label("A text far too long for its box", QRect(0, 0, 40, 20));
  label("Wrapped words run below the box", QRect(0, 40, 60, 20), true);
  label("One", QRect(100, 100, 60, 20));
  label("Two", QRect(105, 100, 60, 20));
  auto* button = new QPushButton("A button with a long text", &panel);
  button->setGeometry(0, 150, 50, 25);
  const QString found = layoutProblems(&panel).join(u'\n');
  EXPECT_TRUE(found.contains("'A text far too long for its box': cut off at the right")) << found.toStdString();
  EXPECT_TRUE(found.contains("'Wrapped words run below the box': cut off at the bottom")) << found.toStdString();
  EXPECT_TRUE(found.contains("'One' overlaps QLabel 'Two'")) << found.toStdString();
  EXPECT_TRUE(found.contains("'A button with a long text': wider than its widget")) << found.toStdString();
  EXPECT_EQ(layoutProblems(&panel).size(), 4);

  QWidget fits;
  fits.resize(200, 60);
  auto* t = new QLabel("t    - the settling time", &fits);
  t->adjustSize();
  auto* p = new QLabel("p", &fits);
  p->move(t->fontMetrics().horizontalAdvance("t "), 6);
  p->adjustSize();
  EXPECT_TRUE(layoutProblems(&fits).isEmpty()) << layoutProblems(&fits).join(u'\n').toStdString();
}
