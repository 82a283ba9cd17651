// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in every window: each control the keyboard reaches has a name
// that says what it is (not its object name), the answer boxes name the quantity they ask
// for, the reading plots have a description, and Tab goes through the answers in their order.
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

#include "app/program.h"
#include "support/fixture.h"

namespace {

// The next control Tab reaches after c, whether enabled now or not.
QWidget* nextTabStop(QWidget* c) {
  for (QWidget* n = c->nextInFocusChain(); n && n != c; n = n->nextInFocusChain())
    if ((n->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) return n;
  return nullptr;
}

}  // namespace

TEST_F(TrainerTest, EveryWindowNamesTheControlsTheKeyboardReaches) {
  for (const QString& form : programWindows().forms()) {
    SCOPED_TRACE(form.toStdString());
    ExperimentWindow* w = start(form);
    ASSERT_TRUE(w);
    for (QWidget* c : w->client()->findChildren<QWidget*>()) {
      if ((c->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
      ASSERT_TRUE(a) << c->objectName().toStdString();
      const QString name = a->text(QAccessible::Name);
      EXPECT_TRUE(name != c->objectName() &&
                  std::any_of(name.begin(), name.end(), [](QChar ch) { return ch.isLetter(); }))
          << c->objectName().toStdString() << ": '" << name.toStdString() << "'";
      if (auto* plot = qobject_cast<PlotView*>(c))
        EXPECT_TRUE(a->text(QAccessible::Description).contains(w->windowTitle())) << c->objectName().toStdString();
    }
    for (int i = 0; i < w->answerCount(); ++i) {
      EXPECT_EQ(w->answer(i).mark->accessibleName(), "принято");
      const QString name = QAccessible::queryAccessibleInterface(w->edit(i))->text(QAccessible::Name);
      EXPECT_FALSE(name.contains("Edit")) << name.toStdString();
      if (i + 1 < w->answerCount()) EXPECT_EQ(nextTabStop(w->edit(i)), w->edit(i + 1)) << i;
    }
    messages.answers.assign(2, true);
    main->findChild<QAbstractButton*>("BMenu")->click();
    settle();
    flushDeletes();
  }
}
