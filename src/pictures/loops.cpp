// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

namespace {

const QString kE = QStringLiteral("E");
const QString kF = QStringLiteral("F");
const QString kK = QStringLiteral("k");

Block fr(const char* num, const char* den) { return frac(QString::fromUtf8(num), QString::fromUtf8(den)); }

// --- Lab windows (427x115). The windows show only the top 109 rows and lay small
// icons over three corners of the picture, so letters and boxes must avoid them.
void paintAstatismLoop(Diagram& d, const QList<Part>& parts) {
  d.keepOut(QRectF(0, 72, 57, 37), QStringLiteral("the input icon"));
  d.keepOut(QRectF(248, 0, 57, 33), QStringLiteral("the disturbance icon"));
  d.keepOut(QRectF(362, 72, 65, 37), QStringLiteral("the output icon"));
  d.keepOut(QRectF(0, 109, d.size().width(), d.size().height() - 109), QStringLiteral("the hidden bottom rows"));

  Loop loop(d, 56, parts);
  // Segments: input, ⊗→box, box→⊗F, ⊗F→box, box→•, •→output. The branch dot stays
  // left of the output icon so the feedback line is seen leaving it.
  loop.row.setStretch(4, 0.3);
  loop.row.setStretch(5, 1.7);
  loop.draw(2, d.size().width() - 2, 98, 6);
}

Entry labEntry(const QString& name, const QList<Part>& parts) {
  return {name, QSize(427, 115), Qt::white, Style::window(), [parts](Diagram& d) { paintAstatismLoop(d, parts); }};
}

// --- Work buttons (260x73): a loop over a one-line caption.
constexpr qreal kLeft = 3;
constexpr qreal kRight = 257;

// The caption is a source text marked for translation, put in the running language when drawn.
Entry button(const QString& name, std::function<void(Diagram&)> paint, const char* caption) {
  return {name, QSize(260, 73), Qt::white, Style::button(), [paint, caption](Diagram& d) {
            paint(d);
            d.caption(QCoreApplication::translate("pictures", caption));
          }};
}

// Unity feedback loop filling the button; `error` names the signal after the summing point.
std::function<void(Diagram&)> simpleLoop(const QList<Part>& parts, const QString& error = QString()) {
  return [parts, error](Diagram& d) {
    Loop loop(d, 25, parts, error);
    loop.row.setStretch(loop.row.count() - 3, 0.5);  // last box → branch dot
    loop.draw(kLeft, kRight, 48, 2);
  };
}

// Loops with a second path drawn over the first link sit lower on the button.
constexpr qreal kUpperPathY = 9;
constexpr qreal kUnderPathY = 36;
constexpr qreal kUnderPathFeedbackY = 57;

// Series correction: a gain box ahead of the plant, labelled as the corrector.
void paintSeriesCorrection(Diagram& d) {
  Loop loop(d, 28, {expr(kK), fr("1", "T_1p+1"), fr("1", "T_2p+1")}, kE);
  loop.row.setStretch(loop.row.count() - 3, 0.5);
  loop.draw(kLeft, kRight, 50, 2);
  loop.row.note(loop.ids[0], QCoreApplication::translate("pictures", "коррекция"));
}

// Parallel correction: the error also goes through k straight to a summing point
// between the two links, the path drawn over the first link.
void paintParallelCorrection(Diagram& d) {
  Loop loop(d, kUnderPathY, {Part::branch(), fr("1", "T_1p+1"), Part::sum(), fr("1", "T_2p+1")}, kE);
  loop.row.setStretch(loop.row.count() - 3, 0.5);
  loop.draw(kLeft, kRight, kUnderPathFeedbackY, 2);
  const Row& r = loop.row;
  const qreal top = Diagram::snap(kUpperPathY);
  const QRectF k = d.boxAt(QPointF(r.centre(loop.ids[1]).x(), top), expr(kK));
  const QPointF from = r.centre(loop.ids[0]);
  const QPointF into = r.top(loop.ids[2]);
  d.arrow({from, QPointF(from.x(), top), QPointF(k.left(), top)});
  d.arrow({QPointF(k.right(), top), QPointF(into.x(), top), into});
}

// Correction as a local feedback: k takes the first link's output back to a summing
// point in front of it, the loop drawn over the first link.
void paintFeedbackCorrection(Diagram& d) {
  Loop loop(d, kUnderPathY, {Part::sum(), fr("1", "T_1p+1"), Part::branch(), fr("1", "T_2p+1")}, kE);
  loop.row.setStretch(loop.row.count() - 3, 0.5);
  loop.draw(kLeft, kRight, kUnderPathFeedbackY, 2);
  const Row& r = loop.row;
  const qreal top = Diagram::snap(kUpperPathY);
  const QRectF k = d.boxAt(QPointF(r.centre(loop.ids[1]).x(), top), expr(kK));
  const QPointF from = r.centre(loop.ids[2]);
  const QPointF into = r.top(loop.ids[0]);
  d.arrow({from, QPointF(from.x(), top), QPointF(k.right(), top)});
  d.arrow({QPointF(k.left(), top), QPointF(into.x(), top), into});
}

}  // namespace

std::vector<Entry> loops() {
  const Part f = Part::sum(kF);
  return {
      labEntry(QStringLiteral("lab19"), {fr("1", "T_1p+1"), f, fr("1", "T_2p+1")}),
      labEntry(QStringLiteral("lab20"), {fr("1", "T_1p+1"), f, fr("1", "T_2p")}),
      labEntry(QStringLiteral("lab21"), {fr("1", "T_1p"), f, fr("1", "T_2p+1")}),
      labEntry(QStringLiteral("lab22"), {fr("T_3p+1", "T_1p"), f, fr("1", "T_2p")}),

      button(QStringLiteral("B81"), simpleLoop({fr("1", "T_1p+1"), fr("1", "T_2p+1")}, kE),
             QT_TRANSLATE_NOOP("pictures", "к сигналу задания")),
      button(QStringLiteral("b82"), simpleLoop({fr("1", "T_1p+1"), f, fr("1", "T_2p+1")}, kE),
             QT_TRANSLATE_NOOP("pictures", "к сигналу возмущения")),
      button(QStringLiteral("b91"), paintSeriesCorrection, QT_TRANSLATE_NOOP("pictures", "последовательная коррекция")),
      button(QStringLiteral("b92"), paintParallelCorrection, QT_TRANSLATE_NOOP("pictures", "параллельная коррекция")),
      button(QStringLiteral("b93"), paintFeedbackCorrection,
             QT_TRANSLATE_NOOP("pictures", "корр. в виде обратной связи")),

      button(QStringLiteral("B61"),
             simpleLoop({expr(QStringLiteral("k_1")), fr("1", "T_1p+1"), fr("1", "T_2p+1"), fr("1", "T_3p+1")}),
             QT_TRANSLATE_NOOP("pictures", "Схема №1")),
      button(QStringLiteral("b62"),
             simpleLoop({expr(QStringLiteral("k_1")), fr("1", "T_1p"), fr("1", "T_2p+1"), fr("1", "T_3p+1")}),
             QT_TRANSLATE_NOOP("pictures", "Схема № 2")),
      button(QStringLiteral("b63"),
             simpleLoop({expr(QStringLiteral("k_1")), fr("1", "T_1p"), fr("1", "T_2p"), fr("1", "T_3p+1")}),
             QT_TRANSLATE_NOOP("pictures", "Схема № 3")),

      button(QStringLiteral("b71"), simpleLoop({fr("1", "T_1p+1"), f, fr("1", "T_2p+1")}),
             QT_TRANSLATE_NOOP("pictures", "Схема №1")),
      button(QStringLiteral("b72"), simpleLoop({fr("1", "T_1p+1"), f, fr("1", "T_2p")}),
             QT_TRANSLATE_NOOP("pictures", "Схема № 2")),
      button(QStringLiteral("b73"), simpleLoop({fr("1", "T_1p"), f, fr("1", "T_2p+1")}),
             QT_TRANSLATE_NOOP("pictures", "Схема № 3")),
      button(QStringLiteral("b74"), simpleLoop({fr("T_3p+1", "T_1p"), f, fr("1", "T_2p")}),
             QT_TRANSLATE_NOOP("pictures", "Схема № 4")),
  };
}

}  // namespace pictures::catalogue
