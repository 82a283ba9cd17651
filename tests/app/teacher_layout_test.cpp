// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's window in both languages: its controls' texts fit, each control is named for a
// screen reader, and a store that is not there gets its line.
#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/teacher_model.h"
#include "app/teacher_window.h"
#include "support/language_guard.h"
#include "support/layout_check.h"

TEST(TeacherWindow, TextsFitControlsAreNamedAndAMissingStoreIsSaid) {
  QTemporaryDir dir;
  for (language::Language l : {language::Language::Russian, language::Language::English}) {
    LanguageGuard guard(l);
    TeacherWindow w({dir.filePath(QStringLiteral("none.sqlite")), {}});
    w.show();
    QElapsedTimer t;
    t.start();
    while (w.problem().isEmpty() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(w.problem().contains(QStringLiteral("none.sqlite"))) << w.problem().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.sqlite"))));  // reading makes no file
    const QStringList problems = layoutProblems(&w);
    EXPECT_TRUE(problems.isEmpty()) << language::code(l).toStdString() << ":\n" << problems.join(u'\n').toStdString();
    for (QWidget* c : w.findChildren<QWidget*>())
      if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")) &&
          (qobject_cast<QAbstractButton*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<QDateEdit*>(c) ||
           qobject_cast<QTableView*>(c)))
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
    EXPECT_EQ(w.model()->columnCount(), 2 + int(teacher::programWorks().size()));
  }
}
