// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window for a before/after comparison of a change that must not alter them:
// with LUMEQ_WINDOW_SHOTS naming a folder, each window is opened on its own with the same
// draws, and the frame is saved as it opens and once every field is answered (with the focus
// where the answers leave it and the journal's name of the work); the English windows go to
// its subfolder en/. Compare two such folders with `cmp` or an image diff.
#include <QDir>

#include "app/program.h"
#include "support/fixture.h"
#include "support/language_guard.h"

namespace {
// The same numbers for every window: the k-th draw of a window is the same in any build.
class FixedDraws : public rnd::Source {
 public:
  void reseed() override {}
  int range(int a, int b) override { return b <= a ? a : a + static_cast<int>((n_++ * 7919u) % unsigned(b - a)); }

 private:
  unsigned n_ = 0;
};
}  // namespace

TEST_F(TrainerTest, ShotsOfEveryWindowWhenAsked) {
  const QString root = qEnvironmentVariable("LUMEQ_WINDOW_SHOTS");
  if (root.isEmpty()) GTEST_SKIP() << "set LUMEQ_WINDOW_SHOTS to a folder to take the pictures";
  QStringList forms = programWindows().forms();
  forms.sort();
  for (const auto l : {language::Language::Russian, language::Language::English}) {
    const LanguageGuard guard(l);
    const QString dir = l == language::Language::Russian ? root : root + QStringLiteral("/en");
    QDir().mkpath(dir);
    for (const QString& form : forms) {
      auto scripted = rnd::install(std::make_unique<FixedDraws>());
      ExperimentWindow* w = start(form);
      ASSERT_TRUE(w) << form.toStdString();
      ASSERT_TRUE(main->grab().save(QStringLiteral("%1/%2.png").arg(dir, form)));
      answerAll(w);
      ASSERT_TRUE(main->grab().save(QStringLiteral("%1/%2_answered.png").arg(dir, form)));
      // Where the focus went, how the journal names the work, what was said, and whether Menu
      // asked before ending the work.
      QStringList notes{QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()};
      if (!main->journal().works().empty())
        notes << main->journal().works().back().section << main->journal().works().back().title;
      messages.answers.assign(2, true);
      main->findChild<QAbstractButton*>("BMenu")->click();
      settle();
      notes << messages.shown << QStringLiteral("asked:") << messages.asked;
      messages.clear();
      QFile f(QStringLiteral("%1/%2.txt").arg(dir, form));
      if (f.open(QIODevice::WriteOnly)) f.write(notes.join(QLatin1Char('\n')).toUtf8());
      flushDeletes();
      rnd::install(std::move(scripted));
    }
  }
}
