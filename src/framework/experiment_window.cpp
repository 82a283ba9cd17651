// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_window.h"

#include <QCloseEvent>
#include <QCryptographicHash>
#include <QCoreApplication>
#include <QCursor>
#include <cstdio>
#include <exception>

#include "accessibility.h"
#include "canvas.h"
#include "messages.h"
#include "numtext.h"
#include "plot_view.h"

void guarded(const char* where, const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lumeq: %s: %s\n", where, e.what());
  } catch (...) {
    std::fprintf(stderr, "lumeq: %s: unknown failure\n", where);
  }
}

ExperimentWindow::ExperimentWindow(Host& host, const WindowDeclaration& declared, const QString& caption, QSize design)
    : QMdiSubWindow(nullptr), trace_(host, this), host_(host), declared_(declared), client_(new QWidget) {
  setObjectName(declared.form);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setProperty("helpContext", declared.helpContext);
  client_->setObjectName(declared.form + QStringLiteral("Client"));
  client_->resize(design);
  client_->setMinimumSize(1, 1);
  ui::setBackground(client_, colors::SkyBlue);
  client_->setFont(fonts::fontPt(fonts::SansSerif, 8));
  setWidget(client_);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, [this] { guarded("Timer1Timer", [this] { Timer1Timer(); }); });
}

void ExperimentWindow::rest() {
  if (tracing()) return;
  for (PlotView* v : findChildren<PlotView*>()) v->canvas().pack();
}

ExperimentWindow::~ExperimentWindow() {
  trace_.cancel();
  // The plots outlive this part of the window: a focus change while they go must not reach
  // handlers of a window that is no more.
  for (auto* v : findChildren<PlotView*>()) v->onMouseMove({});
  if (holdsBusy_) host_.Busy = false;
}

void ExperimentWindow::closeEvent(QCloseEvent* e) {
  // The window is freed, not hidden. A trace that is still running stops with it and
  // must not leave the command bar locked.
  trace_.cancel();
  Timer1->stop();
  closed_ = true;
  releaseWorkDone();
  work().forget(objectName());
  if (holdsBusy_) {
    host_.Busy = false;
    holdsBusy_ = false;
  }
  host_.windowClosing(this);
  QMdiSubWindow::closeEvent(e);
}

int ExperimentWindow::addAnswer(AnswerEdit* edit, CheckMark* mark) {
  const int i = static_cast<int>(answers_.size());
  answers_.push_back({edit, mark, {}, {}, edit->maxLength()});
  connect(edit, &AnswerEdit::enterPressed, this,
          [this, i] { guarded("EditKeyPress", [this, i] { answerEntered(i); }); });
  return i;
}

void ExperimentWindow::expect(int i, Acceptance rule, QString shown) {
  answers_.at(i).rule = rule;
  answers_.at(i).shown = std::move(shown);
}

void ExperimentWindow::newData() {
  FormCreate();
  host_.reportDraw(objectName(), draw_, fingerprint());
}

QString ExperimentWindow::fingerprint() const {
  QByteArray bands;
  for (const Answer& a : answers_)
    bands += QByteArray::number(a.rule.lo, 'g', 9) + ' ' + QByteArray::number(a.rule.hi, 'g', 9) + ';';
  return QString::fromLatin1(QCryptographicHash::hash(bands, QCryptographicHash::Sha1).toHex().left(12));
}

std::optional<std::vector<double>> ExperimentWindow::taken(
    const QString& what, Range range, const std::function<std::optional<std::vector<double>>()>& fetch) {
  if (draw_.replayed) {
    const auto it = draw_.taken.constFind(what);
    if (it == draw_.taken.constEnd() || it->size() != range.count) return std::nullopt;
    for (double v : *it)
      if (!(v >= range.lo && v <= range.hi)) return std::nullopt;  // NaN too
    return it.value();
  }
  std::optional<std::vector<double>> v = fetch();
  if (v) draw_.taken.insert(what, *v);
  return v;
}

void ExperimentWindow::FormCreate() {
  draw_ = work().nextDraw(objectName());
  rnd::source().start(draw_.seed);
  trace_.cancel();
  releaseWorkDone();
  errors_ = 0;
  for (auto& a : answers_) {
    a.edit->setReadOnly(false);
    a.edit->clear();
    a.edit->setMaxLength(a.typedLength);
    a.edit->setEnabled(false);
    if (a.mark) a.mark->hide();
  }
  if (firstFieldOpenDuringTrace_ && !answers_.empty()) answers_.front().edit->setEnabled(true);
  work().setCompleted(objectName(), false);
  if (hasTrace_) {
    host_.Busy = true;
    holdsBusy_ = true;
  } else {
    host_.Busy = false;
    holdsBusy_ = false;
    if (!answers_.empty()) answers_.front().edit->setEnabled(true);
  }
  host_.showCommandBar();
  host_.showReadout(hasReadout_);
}

void ExperimentWindow::FormActivate() {
  host_.showCommandBar();
  if (hasReadout_) host_.resetReadout(readoutX_, readoutY_, readoutYGreek_);
  host_.showReadout(hasReadout_);
  if (!hasTrace_ || firstFieldOpenDuringTrace_) {
    for (auto& a : answers_)
      if (a.edit->isEnabled() && !a.edit->isReadOnly() && a.edit->isVisibleTo(client_)) {
        a.edit->setFocus();
        break;
      }
  }
}

void ExperimentWindow::Timer1Timer() {
  Timer1->stop();
  runTrace();
}

void ExperimentWindow::runTrace() {
  TraceRunner::Recipe r = traceRecipe();
  if (!r.step) {
    traceEnded();
    return;
  }
  auto finish = std::move(r.finish);
  r.finish = [this, finish] {
    if (finish) finish();
    if (holdsBusy_) traceEnded();
  };
  trace_.run(std::move(r));
}

void ExperimentWindow::retrace() {
  holdBusy();
  runTrace();
}

void ExperimentWindow::traceEnded() {
  host_.Busy = false;
  holdsBusy_ = false;
  if (!answers_.empty() && !completed()) {
    auto* first = answers_.front().edit;
    if (!first->isReadOnly()) openField(0);
  }
}

void ExperimentWindow::drawAfterAnswer(TraceRunner::Recipe recipe) {
  holdBusy();
  auto finish = std::move(recipe.finish);
  recipe.finish = [this, finish] {
    host_.Busy = false;
    holdsBusy_ = false;
    if (finish) finish();
  };
  trace_.run(std::move(recipe));
}

void ExperimentWindow::openField(int i) {
  auto* e = answers_.at(i).edit;
  e->setEnabled(true);
  // A box on a panel that is not shown yet must not take the keys the student types.
  if (e->isVisibleTo(client_)) e->setFocus();
}

void ExperimentWindow::regenerate() {
  if (declared_.regenerates == WindowDeclaration::Regenerates::Work) {
    host_.restartWork(declared_.firstForm);
    return;
  }
  newData();
  FormActivate();
  Timer1->start();
  Timer1Timer();
}

bool ExperimentWindow::nextRun() {
  if (host_.Busy || !work().nextRun()) return false;
  for (Answer& a : answers_) {
    a.edit->clear();
    a.edit->setReadOnly(false);
    if (a.mark) a.mark->hide();
  }
  newData();
  if (declared_.activateOnRepeat) FormActivate();
  Timer1Timer();
  return true;
}

void ExperimentWindow::answerEntered(int i) {
  Answer& a = answers_.at(i);
  if (a.edit->text().isEmpty() || a.edit->isReadOnly() || !a.edit->isEnabled()) return;
  const QString typed = a.edit->text();
  std::optional<double> v;
  if (!a.whole) {
    v = StrToFloat(a.edit->text());
  } else if (const std::optional<long long> n = numtext::StrToInt(a.edit->text())) {
    v = static_cast<double>(*n);
  }
  if (!v) {
    host_.reportTyped(objectName(), Host::AnswerEvent::BadFormat, i, typed);
    host_.messages().info(msg::BadFormat);
    a.edit->clear();
    return;
  }
  if (!acceptsEntry(i, *v)) {
    ++errors_;
    host_.reportTyped(objectName(), Host::AnswerEvent::Wrong, i, typed);
    if (errors_ < declared_.errorLimit) {
      host_.messages().info(msg::WrongValue);
      a.edit->clear();
    } else {
      host_.messages().info(msg::TooManyErrors);
      host_.report(objectName(), Host::AnswerEvent::Regenerated, i);
      regenerate();
    }
    return;
  }
  // The maximum length limits typing only; the accepted value is shown whole even when
  // it is longer (a line edit would cut it to its maximum length).
  if (a.shown.size() > a.edit->maxLength()) a.edit->setMaxLength(static_cast<int>(a.shown.size()));
  a.edit->setText(a.shown);
  a.edit->setReadOnly(true);
  if (a.mark) a.mark->show();
  host_.reportTyped(objectName(), Host::AnswerEvent::Accepted, i, typed);
  answerAccepted(i);
}

void ExperimentWindow::answerAccepted(int i) {
  if (i + 1 < answerCount())
    openField(i + 1);
  else
    allAnswered();
}

void ExperimentWindow::allAnswered() {
  work().setCompleted(objectName(), true);
  host_.report(objectName(), Host::AnswerEvent::WindowDone);
  if (declared_.endsWork) {
    markWorkDone();
    host_.focusMenu();
  } else {
    host_.focusNext();
  }
}

void ExperimentWindow::markWorkDone() {
  work().WorkDone = true;
  host_.report(objectName(), Host::AnswerEvent::WorkDone);
  ownsWorkDone_ = true;
}

void ExperimentWindow::releaseWorkDone() {
  // The flag belongs to the live window that finished the work: once that window is gone or
  // starts over with fresh data, the work is no longer complete.
  if (!ownsWorkDone_) return;
  ownsWorkDone_ = false;
  work().WorkDone = false;
}

void ExperimentWindow::setReadoutNames(const QString& x, const QString& y, bool yGreek) {
  hasReadout_ = true;
  readoutX_ = x;
  readoutY_ = y;
  readoutYGreek_ = yGreek;
}

void ExperimentWindow::readoutMove(PlotView* plot, Qt::MouseButtons b, Qt::KeyboardModifiers m,
                                   const std::function<ReadoutText()>& compute) {
  guarded("ImageMouseMove", [&] {
    if (b == Qt::LeftButton && m == Qt::NoModifier) {
      host_.setReadoutLocked(false);
      plot->setCursor(Qt::CrossCursor);
      host_.setReadout(compute());
      plot->readingShown();
    } else {
      host_.setReadoutLocked(true);
      plot->setCursor(Qt::ArrowCursor);
      plot->readingLocked();
    }
  });
}

void ExperimentWindow::describeControls() {
  std::vector<QWidget*> boxes;
  for (const Answer& a : answers_) {
    boxes.push_back(a.edit);
    if (a.edit->accessibleName().isEmpty()) a.edit->setAccessibleName(a11y::answerName(a.edit));
  }
  auto bare = [](QString s) { return s.remove(QLatin1Char('=')).trimmed(); };
  const QString read =
      hasReadout_
          ? QCoreApplication::translate("framework", ", точка графика читается: %1 и %2 (стрелки, Shift, Home, End)")
                .arg(bare(readoutX_), bare(readoutYGreek_ ? fonts::greek(readoutY_) : readoutY_))
          : QString();
  for (auto* v : findChildren<PlotView*>())
    if (v->reads() && v->accessibleDescription().isEmpty()) v->setAccessibleDescription(windowTitle() + read);
  a11y::orderTabs(client_, boxes);
}
