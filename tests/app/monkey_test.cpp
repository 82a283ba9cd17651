// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random student over the whole program: every section, every available work, every
// control of whatever window is up, right and wrong answers and junk, at any moment (also in
// the middle of paced traces). After every event the program must still hold together. The
// works are found through the menu tables and the window registry, so each window that lands
// is in the storm without a line here.
//   LUMEQ_MONKEY_EVENTS (default 3000), LUMEQ_MONKEY_SEED (default: from the clock),
//   LUMEQ_MONKEY_VERBOSE (print every event).
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <random>

#include "app/program.h"
#include "app/replay.h"
#include "help/help_viewer.h"
#include "record/local_store.h"
#include "record/recorder.h"
#include "support/fixture.h"
#include "support/recorder_holder.h"
#include "support/student.h"

namespace {

int envInt(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok ? v : fallback;
}

template <class T>
QList<T*> usable(QWidget* root) {
  QList<T*> out;
  if (!root) return out;
  for (T* w : root->findChildren<T*>())
    if (w->isVisible() && w->isEnabled()) out.append(w);
  return out;
}

// The random student's run is recorded into a file of its own, and checked against its seeds
// at the end.
class Monkey : public RecorderHolder, public TrainerTest {
 protected:
  Monkey() : TrainerTest(nullptr, nullptr, recorder.get()) {}
  std::mt19937 gen;
  unsigned seed = 0;
  int events = 0;
  int midTrace = 0;     // events that arrived while a trace was running
  int traceBudget = 0;  // events still to land in the running paced trace
  int rightAnswers = 0;
  bool stop = false;
  std::deque<QString> trail;
  QSet<QString> opened;  // windows seen, for the closing summary

  int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(gen); }
  bool chance(int percent) { return pick(100) < percent; }
  double unit() { return std::uniform_real_distribution<double>(0, 1)(gen); }
  template <class T>
  T* any(const QList<T*>& list) {
    return list.isEmpty() ? nullptr : list.at(pick(list.size()));
  }

  void note(const QString& what) {
    const auto* w = active();
    trail.push_back(QStringLiteral("#%1 %2 [%3%4]")
                        .arg(events)
                        .arg(what, w ? w->objectName() : QStringLiteral("start"), main->Busy ? " busy" : ""));
    if (trail.size() > 20) trail.pop_front();
    if (qEnvironmentVariableIsSet("LUMEQ_MONKEY_VERBOSE")) std::printf("%s\n", qPrintable(trail.back()));
  }

  bool startScreen() const { return main->control<QWidget>("Panel1")->isVisible(); }
  void click(QAbstractButton* b, const QString& what) {
    if (!b) return;
    note(what + " " + b->objectName());
    QTest::mouseClick(b, Qt::LeftButton);
  }

  // A value inside the rule of field i, typed as it fits the box: mostly its centre, else
  // anywhere in it, as long as the digits the box leaves keep it inside.
  QString right(ExperimentWindow* w, int i) {
    const Acceptance r = w->answer(i).rule;
    const int room = w->edit(i)->maxLength();
    if (chance(30)) {
      const QString t = typedForm(r.lo + unit() * (r.hi - r.lo), room);
      if (const auto v = StrToFloat(t); v && r.accepts(*v)) return t;
    }
    return typedForm((r.lo + r.hi) / 2, room);
  }
  QString wrong(ExperimentWindow* w, int i) {
    const Acceptance r = w->answer(i).rule;
    const double off = std::max(1.0, std::fabs(r.hi) + std::fabs(r.lo)) * (0.3 + unit());
    return typedForm(chance(50) ? r.hi + off : r.lo - off, w->edit(i)->maxLength());
  }
  QString junk() {
    static const QStringList keys{"0", "1",   "5", "9", "-", "+",     ".",  ",", "e",   "E",   "e-",  "E+",  " ",
                                  "x", "abc", "ж", "Е", "е", "1e999", "-0", "∞", "nan", "inf", "0,5", "0.5", "\t"};
    if (chance(8)) return {};
    const int n = chance(6) ? 300 + pick(3000) : 1 + pick(10);
    QString t;
    for (int k = 0; k < n; ++k) t += keys.at(pick(keys.size()));
    return t;
  }

  void typeInto(ExperimentWindow* w, int i, const QString& text, const QString& kind) {
    AnswerEdit* e = w->edit(i);
    note(QStringLiteral("%1 Edit%2 \"%3\"").arg(kind).arg(i + 1).arg(text.left(24)));
    e->setFocus();
    if (text.size() <= 12 && chance(50)) {
      e->clear();
      for (QChar c : text) {
        // QTest knows only ASCII keys; other letters arrive as text of an unnamed key.
        if (c.unicode() >= 32 && c.unicode() < 127) {
          QTest::keyClick(e, c.toLatin1());
        } else {
          QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
          QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
          QCoreApplication::sendEvent(e, &press);
          QCoreApplication::sendEvent(e, &release);
        }
      }
    } else {
      e->setText(text);
    }
    QTest::keyClick(e, Qt::Key_Return);
  }

  void answer(int kind) {
    ExperimentWindow* w = active();
    if (!w) return;
    QList<int> open;
    for (int i = 0; i < w->answerCount(); ++i)
      if (w->edit(i)->isEnabled() && !w->edit(i)->isReadOnly()) open.append(i);
    if (open.isEmpty()) return;
    const int i = chance(80) ? open.first() : open.at(pick(open.size()));
    if (kind == 0) {
      // A value inside the rule, typed as it fits the box, is never refused.
      const qsizetype before = messages.shown.size();
      const QString text = right(w, i);
      typeInto(w, i, text, "right");
      for (qsizetype k = before; k < messages.shown.size(); ++k)
        EXPECT_TRUE(messages.shown.at(k) != msg::WrongValue && messages.shown.at(k) != msg::BadFormat &&
                    messages.shown.at(k) != msg::TooManyErrors)
            << "right answer \"" << text.toStdString() << "\" refused: " << messages.shown.at(k).toStdString();
      ++rightAnswers;
    } else if (kind == 1)
      typeInto(w, i, wrong(w, i), "wrong");
    else
      typeInto(w, i, junk(), "junk");
  }

  void drag() {
    PlotView* v = any(usable<PlotView>(active()));
    if (!v) return;
    const Qt::MouseButton button = chance(85) ? Qt::LeftButton : Qt::RightButton;
    const Qt::KeyboardModifiers mods = chance(85) ? Qt::NoModifier : Qt::ShiftModifier;
    auto point = [&] { return QPoint(pick(v->width() + 40) - 20, pick(v->height() + 40) - 20); };
    QPoint p = point();
    note(QStringLiteral("drag %1 from %2,%3").arg(v->objectName()).arg(p.x()).arg(p.y()));
    QTest::mousePress(v, button, mods, p);
    for (int k = pick(6); k >= 0 && v; --k) {
      p = point();
      QMouseEvent move(QEvent::MouseMove, p, v->mapToGlobal(p), Qt::NoButton, button, mods);
      QCoreApplication::sendEvent(v, &move);
    }
    QTest::mouseRelease(v, button, mods, p);
  }

  void control() {
    QWidget* w = active();
    if (!w) return;
    switch (pick(3)) {
      case 0: {  // check boxes, radio buttons, ticks and any other button of the window
        click(any(usable<QAbstractButton>(w)), QStringLiteral("button"));
        break;
      }
      case 1: {
        QAbstractSlider* s = any(usable<QAbstractSlider>(w));
        if (!s) break;
        static const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
        const Qt::Key k = keys[pick(6)];
        note(QStringLiteral("slider %1 key %2").arg(s->objectName()).arg(k, 0, 16));
        QTest::keyClick(s, k);
        break;
      }
      default: {
        if (QAbstractSpinBox* s = any(usable<QAbstractSpinBox>(w))) {
          note(QStringLiteral("spin %1").arg(s->objectName()));
          QTest::keyClick(s, chance(50) ? Qt::Key_Up : Qt::Key_Down);
        } else if (QComboBox* c = any(usable<QComboBox>(w))) {
          note(QStringLiteral("combo %1").arg(c->objectName()));
          c->setCurrentIndex(pick(c->count()));
        }
      }
    }
  }

  void menu() {
    const bool yes = chance(60);
    messages.answers = {yes};
    const bool done = main->work().WorkDone, busy = main->Busy;
    click(main->control<QPushButton>("BMenu"), yes ? "Menu (yes)" : "Menu (no)");
    // Checked at once: letting the event loop run here would let the other timers' events in.
    if (!busy && (done || yes)) {
      EXPECT_TRUE(startScreen()) << "Menu did not return to the start screen";
      EXPECT_TRUE(main->children().isEmpty()) << "windows left after Menu";
    }
    messages.answers.clear();
  }

  void startScreenEvent() {
    const int r = pick(100);
    if (r < 40) {
      const auto& s = sectionButtons();
      click(main->control<QPushButton>(s[pick(static_cast<int>(s.size()))].name), "section");
    } else if (r < 90) {
      QList<QAbstractButton*> works;
      for (const auto& b : workButtons())
        if (auto* t = main->control<QToolButton>(b.name); t && t->isVisible() && t->isEnabled()) works.append(t);
      click(any(works), "work");
    } else if (r < 96) {
      click(main->p, "animation");
    } else {
      help();
    }
  }

  void help() {
    auto* target = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(main.get());
    note("F1");
    QTest::keyClick(target, Qt::Key_F1);
    if (chance(50)) main->helpViewer()->close();
  }

  void workEvent() {
    // A student whose window is done mostly moves on.
    if (auto* w = active(); w && w->completed() && !main->Busy && chance(40)) {
      if (nextRowFrom(w->objectName()))
        click(main->control<QPushButton>("BNext"), "Next");
      else
        menu();
      return;
    }
    const int r = pick(200);
    if (r < 80)
      answer(0);
    else if (r < 96)
      answer(1);
    else if (r < 116)
      answer(2);
    else if (r < 126)
      click(main->control<QPushButton>("BNext"), "Next");
    else if (r < 134)
      click(main->control<QPushButton>("BBack"), "Back");
    else if (r < 137)
      menu();
    else if (r < 139) {
      if (auto* w = chance(80) ? active() : any(main->children())) {
        note("close box " + w->objectName());
        w->close();
      }
    } else if (r < 155)
      drag();
    else if (r < 171)
      control();
    else if (r < 174)
      help();
    else if (r < 180) {
      note("animation");
      pacing(chance(50));
    } else if (r < 183)
      click(main->control<QPushButton>("BClose"), "calculator");
    else if (r < 191) {
      if (auto* f = QApplication::focusWidget()) {
        note("Enter on " + f->objectName());
        QTest::keyClick(f, Qt::Key_Return);
      }
    } else {
      note("idle");
    }
  }

  void event() {
    if (stop) return;
    // A window waiting for its trace to start has nothing to offer yet.
    if (waiting()) return;
    ++events;
    if (tracing() && main->p->isChecked()) {
      // A few clicks into a paced trace, then the rest of it unpaced: the storm stays quick.
      ++midTrace;
      if (--traceBudget < 0) {
        note("animation off mid-trace");
        pacing(false);
        traceBudget = pick(15);
      }
    }
    if (startScreen())
      startScreenEvent();
    else
      workEvent();
    for (auto* w : main->children()) opened.insert(w->objectName());
    check();
  }

  bool waiting() const {
    for (auto* w : main->children())
      if (w->Timer1->isActive() && !w->tracing()) return true;
    return false;
  }

  bool tracing() const {
    for (auto* w : main->children())
      if (w->tracing() || w->Timer1->isActive()) return true;
    return false;
  }

  void check() {
    QSet<QString> names;
    for (auto* w : main->children()) {
      EXPECT_FALSE(names.contains(w->objectName())) << "two " << w->objectName().toStdString();
      names.insert(w->objectName());
    }
    if (!tracing()) EXPECT_FALSE(main->Busy) << "Busy with no trace running";
    static const QRegularExpression bad(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    auto scan = [&](const QString& text, QWidget* where) {
      EXPECT_FALSE(bad.match(text).hasMatch())
          << where->objectName().toStdString() << " shows \"" << text.toStdString() << "\"";
    };
    for (auto* l : main->findChildren<QLabel*>())
      if (l->isVisible()) scan(l->text(), l);
    for (auto* g : main->findChildren<QGroupBox*>())
      if (g->isVisible()) scan(g->title(), g);
    // Boxes the student may still type into hold the student's own text.
    for (auto* e : main->findChildren<QLineEdit*>())
      if (e->isVisible() && e->isReadOnly()) scan(e->text(), e);
    for (auto* w : main->children()) scan(w->windowTitle(), w);
    if (HasFailure() && !stop) {
      stop = true;
      QString last;
      for (const QString& t : trail) last += "  " + t + "\n";
      ADD_FAILURE() << "monkey seed " << seed << " failed at event " << events << "; last events:\n"
                    << last.toStdString();
    }
  }
};

TEST_F(Monkey, RandomStudentNeverBreaksTheProgram) {
  const int total = envInt("LUMEQ_MONKEY_EVENTS", 3000);
  seed = static_cast<unsigned>(
      envInt("LUMEQ_MONKEY_SEED", static_cast<int>(QRandomGenerator::global()->bounded(1 << 30))));
  gen.seed(seed);
  std::printf("monkey: seed %u, %d events (LUMEQ_MONKEY_SEED, LUMEQ_MONKEY_EVENTS)\n", seed, total);
  std::fflush(stdout);
  // Events come from timers, so those due while a paced trace runs land in its middle. Qt
  // never re-enters a timer's own handler, so a trace started inside one event is visited
  // by the events of the other timers.
  QTimer tickers[3];
  for (QTimer& ticker : tickers) {
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [this] { event(); });
    ticker.start();
  }
  QElapsedTimer t;
  t.start();
  while (events < total && !stop) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  for (QTimer& ticker : tickers) ticker.stop();
  pacing(false);
  settle();
  flushDeletes();
  check();
  // However the storm ended, Menu returns to the start screen.
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();
  EXPECT_TRUE(startScreen());
  EXPECT_TRUE(main->children().isEmpty());
  EXPECT_FALSE(main->Busy);
  // Every window the student saw draws again from its seed, and takes every answer it took.
  recorder->flush();
  record::LocalStore store(path);
  ASSERT_TRUE(store.open(nullptr));
  const replay::Verdict verdict = replay::verify(store.events(main->journal().runId()), programWindows());
  EXPECT_EQ(verdict.status, replay::Verdict::Status::Verified) << "monkey seed " << seed << ": " << verdict.text().toStdString();
  QStringList seen(opened.begin(), opened.end());
  seen.sort();
  std::printf("monkey: %d events (%d during paced traces, %d right answers) in %.1f s, %lld windows opened: %s\n%s\n",
              events, midTrace, rightAnswers, t.elapsed() / 1000.0, static_cast<long long>(seen.size()),
              qPrintable(seen.join(' ')), qPrintable(verdict.text()));
}

}  // namespace
