// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The protocol every experiment window follows: data generation (FormCreate), activation
// (FormActivate), the trace started once by Timer1 (Timer1Timer), answer fields checked on
// Enter against their acceptance rules, the error counter with its limit and regeneration,
// the completion flag read by Next, and the main window's busy flag.
//
// A concrete window builds its controls in its constructor, overrides FormCreate (calling
// the base first) to draw its parameters and static content, and traceRecipe() to say what
// each pass of its trace draws. It is created through ExperimentWindow::create<T>(), which
// hands it its declaration (name, place in its work, help topic, error limit) and runs the
// first FormCreate once the object is complete.
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "acceptance.h"
#include "draw.h"
#include "host.h"
#include "trace_runner.h"
#include "widgets.h"
#include "window_declaration.h"

class PlotView;

class ExperimentWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  struct Answer {
    AnswerEdit* edit = nullptr;
    CheckMark* mark = nullptr;
    Acceptance rule;
    QString shown;        // the text the box shows once accepted
    int typedLength = 0;  // the box's maximum length for typing
    bool whole = false;   // the box takes whole numbers only
  };

  ~ExperimentWindow() override;

  template <class W, class... Args>
  static W* create(Host& host, const WindowDeclaration& declared, Args&&... args) {
    auto* w = new W(host, declared, std::forward<Args>(args)...);
    w->newData();
    w->describeControls();
    w->Timer1->start();
    return w;
  }

  // The window's data drawn anew (at its creation, at the error limit, for the next run): a
  // draw begun from its work's next seed, FormCreate, and the draw told to the record.
  void newData();
  // The draw the window's data came from.
  const Draw& currentDraw() const { return draw_; }
  // A short digest of the acceptance bands the data gave the answer boxes: equal draws give
  // equal fingerprints (in any language), and a record's seed can be checked against it.
  QString fingerprint() const;

  // The protocol's handlers. FormCreate begins a new draw before a window draws its data.
  virtual void FormCreate();
  virtual void FormActivate();
  virtual void Timer1Timer();

  // Regeneration at the error limit: new data and a new trace (or, where the declaration says
  // so, the work started again at its first window).
  virtual void regenerate();
  // The next run of a repeated experiment, with fresh data, when its work counts one more
  // (and no trace holds the command bar); false otherwise.
  bool nextRun();

  // Answer i (0-based) typed and Enter pressed (the EditNKeyPress handler).
  void answerEntered(int i);

  Host& host() const { return host_; }
  PlayedWork& work() const { return host_.work(); }
  bool completed() const { return work().completed(objectName()); }
  int errorCount() const { return errors_; }
  int errorLimit() const { return declared_.errorLimit; }
  int answerCount() const { return static_cast<int>(answers_.size()); }
  const Answer& answer(int i) const { return answers_.at(i); }
  AnswerEdit* edit(int i) const { return answers_.at(i).edit; }
  bool tracing() const { return trace_.running(); }
  // Closed windows linger until the event loop frees them; nothing may use them then.
  bool isClosed() const { return closed_; }
  // What the catalogue declares of the window: its name, its place in its work, the help
  // topic F1 opens and the number of wrong answers after which the data are drawn anew.
  const WindowDeclaration& declaration() const { return declared_; }
  int helpContext() const { return declared_.helpContext; }
  QWidget* client() const { return client_; }
  // The window went behind another: its plots keep their pixels packed until next shown.
  void rest();
  QTimer* Timer1 = nullptr;

 protected:
  ExperimentWindow(Host& host, const WindowDeclaration& declared, const QString& caption, QSize design = {789, 518});

  // Values a draw takes from outside itself (an earlier window's data, the run of a repeated
  // experiment), named `what`: fetched and kept with the draw; in a replay, the kept ones (none
  // when the recorded draw took none, so the window draws its own as it did then). A replayed
  // list of another length, or with a value outside [lo, hi] (a record edited by hand), is not
  // taken either: the window never computes with numbers its own draws could not give.
  struct Range {
    std::size_t count;
    double lo, hi;
  };
  std::optional<std::vector<double>> taken(const QString& what, Range range,
                                           const std::function<std::optional<std::vector<double>>()>& fetch);
  double taken(const QString& what, double value, double lo, double hi) {
    const auto v = taken(what, {1, lo, hi}, [value] { return std::optional(std::vector<double>{value}); });
    return v ? v->front() : value;
  }

  // What pass j of the trace draws; a window without a trace returns an empty recipe.
  virtual TraceRunner::Recipe traceRecipe() { return {}; }
  // Whether field i takes the value v: by default its rule. A window whose field weighs an
  // entry against several candidates decides here and sets the field's accepted text.
  virtual bool acceptsEntry(int i, double v) { return answers_.at(i).rule.accepts(v); }
  // Right answer in field i: by default the next field, or the end after the last one.
  virtual void answerAccepted(int i);
  // Last field answered: completion flag, focus to Next (or WorkDone and focus to Menu in
  // the window declared to end its work).
  virtual void allAnswered();

  // Registers an answer row (box and check mark); the order of calls is the order of fields.
  int addAnswer(AnswerEdit* edit, CheckMark* mark);
  // The rule and the accepted text of field i for the current data (set in FormCreate).
  void expect(int i, Acceptance rule, QString shown);
  // Field i parses its text as a whole number: a decimal point or an exponent is a format error.
  void wholeNumberField(int i) { answers_.at(i).whole = true; }
  // Enables field i and gives it the focus.
  void openField(int i);
  // End of a trace: Busy off, first field enabled and focused.
  void traceEnded();
  // Curves drawn once an answer is accepted, with the pacing step: the busy flag is held
  // while they grow, as during the opening trace, and the recipe's finish runs at their end
  // (not at all when the window is closed or starts over meanwhile).
  void drawAfterAnswer(TraceRunner::Recipe recipe);
  // Runs the window's trace again later in its life (a window whose picture changes between
  // tasks): the busy flag is held and let go as for the first trace, also on close.
  void retrace();
  // A trace started later than at creation (after an answer) holds the busy flag too, so
  // that its end or the window's closing clears it.
  void holdBusy() {
    host_.Busy = true;
    holdsBusy_ = true;
  }
  void setCaption(const QString& caption) { setWindowTitle(caption); }
  // The work is complete (Menu then ends it without asking) for as long as this window lives
  // with its current data.
  void markWorkDone();

  // Accessible names and Tab order, once the window is complete: every answer box is named
  // after its caption (unless the window named it), every reading plot is described by the
  // window's caption and its readout, and Tab visits the answers in their order, then the
  // other controls from top to bottom.
  void describeControls();

  // Pointer readout: names shown on activation; moves over a plot update it.
  void setReadoutNames(const QString& x, const QString& y, bool yGreek = false);
  void noReadout() { hasReadout_ = false; }
  void readoutMove(PlotView* plot, Qt::MouseButtons b, Qt::KeyboardModifiers m,
                   const std::function<ReadoutText()>& compute);

  void closeEvent(QCloseEvent* e) override;

  // Windows whose first field stays open during the trace (and so may regenerate mid-trace).
  bool firstFieldOpenDuringTrace_ = false;
  // Windows without a trace do not hold the busy flag.
  bool hasTrace_ = true;
  TraceRunner trace_;

 private:
  void runTrace();
  void releaseWorkDone();

  Host& host_;
  const WindowDeclaration declared_;
  Draw draw_;
  QWidget* client_;
  std::uint8_t errors_ = 0;
  std::vector<Answer> answers_;
  bool hasReadout_ = true;
  QString readoutX_ = QStringLiteral("h ="), readoutY_ = QStringLiteral("t =");
  bool readoutYGreek_ = false;
  bool holdsBusy_ = false;
  bool closed_ = false;
  bool ownsWorkDone_ = false;
};

// Offset of a pointer coordinate from a plot origin, clamped as the readouts do: `inside`
// while lo <= v <= hi, the fixed values outside.
inline int readoutOffset(int v, int lo, int hi, int inside, int below, int above) {
  return v < lo ? below : (v > hi ? above : inside);
}

// Runs a handler so that no exception reaches Qt's event loop.
void guarded(const char* where, const std::function<void()>& f);
