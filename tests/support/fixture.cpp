// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include <cmath>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

void TestMessages::info(const QString& text) {
  RecordingMessageService::info(text);
  if (!boxes) return;
  QTimer::singleShot(0, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  BoxMessageService(QApplication::activeWindow()).info(text);
}

TrainerTest::TrainerTest(const WindowRegistry* windows, const Catalogue* catalogue, record::Recorder* recorder) {
  auto scripted = std::make_unique<rnd::ScriptedSource>();
  random = scripted.get();
  previousRandom = rnd::install(std::move(scripted));
  numtext::useLocaleSeparator();
  MainServices s;
  s.messages = &messages;
  s.startCalculator = [this] {
    ++calculatorCalls;
    return calculatorStarts;
  };
  s.windows = windows;
  s.catalogue = catalogue;
  s.recorder = recorder;
  s.clock = {[this] { return now; }, [this] { return steadyMs; }};
  s.journal.askPdfPath = [this](QWidget*, const QString& suggested) {
    pdfSuggested = suggested;
    return pdfAnswer;
  };
  s.journal.askPrinter = [](QPrinter&, QWidget*) { return false; };
  main = std::make_unique<Main>(s);
  main->p->setChecked(false);
  main->Timer1->stop();
  main->show();
}

TrainerTest::~TrainerTest() {
  main.reset();
  flushDeletes();
  rnd::install(std::move(previousRandom));
}

void TrainerTest::flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ExperimentWindow* TrainerTest::start(const QString& form) {
  main->workClick(form);
  settle();
  return main->findWindow(form);
}

void TrainerTest::settle(int ms) {
  QElapsedTimer t;
  t.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // A window's start delay (up to 100 ms) is no work of its own: without a wait asked for,
    // its trace starts at once, as the timer would start it. Any window's: on a busy machine
    // the one just opened may not be the active one yet when this first looks.
    bool timing = false;
    for (ExperimentWindow* w : main->findChildren<ExperimentWindow*>()) {
      if (w->isClosed() || !w->Timer1->isActive()) continue;
      if (ms == 0) {
        w->Timer1->stop();
        w->Timer1Timer();
      }
      timing = true;
    }
    if (ms == 0 && timing) continue;
    const bool pending = main->Busy || timing;
    if (!pending && t.elapsed() >= ms) break;
    QThread::usleep(500);  // a paced trace or a timer to wait for: leave the core to others
  } while (t.elapsed() < 20000);
}

void TrainerTest::type(ExperimentWindow* w, int i, const QString& text) {
  AnswerEdit* e = w->edit(i);
  e->setText(loc(text));
  QTest::keyClick(e, Qt::Key_Return);
}

void TrainerTest::click(const char* name) {
  auto* b = main->findChild<QAbstractButton*>(QLatin1String(name));
  ASSERT_TRUE(b) << name;
  b->click();
  settle();
}

void TrainerTest::answerAll(ExperimentWindow* w) {
  for (int i = 0; i < w->answerCount(); ++i) {
    const Acceptance r = w->answer(i).rule;
    const double mid = (r.lo + r.hi) / 2;
    QString text = FloatToStr(mid);
    // A value longer than its box (-0.00075 in seven characters) is typed in exponent form, as
    // a student would: -7.5e-4.
    const int room = w->edit(i) ? w->edit(i)->maxLength() : 32767;
    const auto fits = [&](const QString& t) {
      bool ok = false;
      const double v = loc(t).left(room).replace(numtext::decimalSeparator(), QLatin1Char('.')).toDouble(&ok);
      return ok && r.accepts(v);
    };
    if (text.size() > room && mid != 0 && !fits(text)) {
      const int e = static_cast<int>(std::floor(std::log10(std::abs(mid))));
      for (int digits = 6; digits >= 0; --digits) {
        text = QString::number(mid / std::pow(10.0, e), 'f', digits) + QStringLiteral("e") + QString::number(e);
        if (text.size() <= room && fits(text)) break;
      }
      text.replace(QLatin1Char('.'), numtext::decimalSeparator());
    }
    type(w, i, text);
    settle();
  }
}

QString loc(const QString& text) {
  // Only a point before a digit is a decimal point ("2.1818." keeps its full stop).
  static const QRegularExpression point(QStringLiteral("\\.(?=\\d)"));
  QString out = text;
  return out.replace(point, QString(numtext::decimalSeparator()));
}

QString TrainerTest::label(const QString& name) const {
  auto* l = main->findChild<QLabel*>(name);
  return l ? l->text() : QString();
}

void TrainerTest::drag(PlotView* v, int x, int y, Qt::MouseButtons b, Qt::KeyboardModifiers m) {
  QMouseEvent e(QEvent::MouseMove, QPointF(x, y), v->mapToGlobal(QPointF(x, y)), Qt::NoButton, b, m);
  QCoreApplication::sendEvent(v, &e);
}

QString TrainerTest::readoutTitle() const { return main->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(); }

bool TrainerTest::readoutShown() const {
  return main->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->isVisibleTo(main.get());
}

bool near(PlotView* v, int x, int y, const QColor& c, int r) {
  for (int dx = -r; dx <= r; ++dx)
    for (int dy = -r; dy <= r; ++dy)
      if (v->canvas().pixel(x + dx, y + dy) == c) return true;
  return false;
}
