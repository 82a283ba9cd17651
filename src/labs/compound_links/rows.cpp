// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rows.h"

#include <QCoreApplication>

#include "diff_model.h"
#include "framework/numtext.h"
#include "i18n/language.h"
#include "infors_model.h"
#include "pi_model.h"
#include "texts.h"

namespace compound {

namespace {

const QColor Teal = colors::Teal, Purple = colors::Purple;
QString sineTitle() { return QCoreApplication::translate("compound", "Реакция на гармонический сигнал g(t)=sin(wt)"); }
QString aSineTitle() {
  return QCoreApplication::translate("compound", "Реакция на гармонический сигнал g(t)=A*sin(wt)");
}

QString seconds(double v) { return FloatToStr(v) + QCoreApplication::translate("compound", " c"); }

// "T₁ = " and the value label after it, in teal.
std::vector<Piece> timeRow(const QString& index, const QString& label) {
  return {words(QStringLiteral("T"), Teal), sub(index, Teal), words(QStringLiteral(" = "), Teal), value(label), br()};
}

std::vector<Piece> join(std::initializer_list<std::vector<Piece>> parts) {
  std::vector<Piece> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// r₁(t)=B₁*sin(ωt+φ₁) in purple, with index 1 or 2.
std::vector<Piece> outputFormula(const QString& i) {
  return {words(QStringLiteral("r"), Purple),
          sub(i, Purple),
          words(QStringLiteral("(t)=B"), Purple),
          sub(i, Purple),
          words(QStringLiteral("*sin("), Purple),
          greek(QStringLiteral("w"), Purple),
          words(QStringLiteral("t+"), Purple),
          greek(QStringLiteral("j"), Purple),
          sub(i, Purple),
          words(QStringLiteral(")"), Purple)};
}

HarmonicData piSine() {
  const auto d = pi::Sine::draw();
  return {.plot = d.plot(),
          .answers = d.answers(),
          .values = {{QStringLiteral("LT1"), QStringLiteral(" ") + seconds(d.T1)},
                     {QStringLiteral("Lt2"), QStringLiteral(" ") + seconds(d.T2)},
                     {QStringLiteral("Lw"),
                      QStringLiteral(" ") + FloatToStr(d.w) + QCoreApplication::translate("compound", " рад/c")}}};
}

HarmonicData piFrequency() {
  const auto d = pi::Frequency::draw();
  return {.plot = d.plot(),
          .answers = {d.answer()},
          .values = {{QStringLiteral("LT1"), QStringLiteral(" ") + seconds(d.T1)},
                     {QStringLiteral("Lt2"), QStringLiteral(" ") + seconds(d.T2)},
                     {QStringLiteral("LUslovie"), QString::number(d.target())}}};
}

QHash<QString, QString> diffValues(const diff::Harmonic& h) {
  return {{QStringLiteral("La"), QStringLiteral(" ") + FloatToStr(h.A)},
          {QStringLiteral("Lw1"), QString::number(h.w) + QCoreApplication::translate("compound", " рад/с")},
          {QStringLiteral("LT1"), seconds(h.T1)},
          {QStringLiteral("LB1"), FloatToStr(h.B1())}};
}

HarmonicData diffIdeal() {
  const auto d = diff::Harmonic::draw();
  return {.plot = d.plot(), .answers = {d.idealAnswer()}, .values = diffValues(d)};
}

HarmonicData diffLowered() {
  const auto d = diff::Lowered::draw();
  auto values = diffValues(d.h);
  values.insert(QStringLiteral("Lk"), QString::number(d.k));
  return {.plot = d.h.plot(), .second = d.output2(d.T2()), .answers = {d.answer()}, .values = values};
}

HarmonicData inforsSine() {
  const auto d = infors::Sine::draw();
  return {.plot = d.plot(),
          .answers = {d.answer()},
          .values = {{QStringLiteral("Lw1"), QString::number(d.w) + QCoreApplication::translate("compound", " рад/с")},
                     {QStringLiteral("LT1"), seconds(d.T1)},
                     {QStringLiteral("LT2"), seconds(d.T2)}}};
}

std::vector<Piece> piGiven() {
  return join({{words(QCoreApplication::translate("compound", "Для заданных значений:")), br()},
               timeRow(QStringLiteral("1"), QStringLiteral("LT1")),
               timeRow(QStringLiteral("2"), QStringLiteral("Lt2"))});
}

std::vector<Piece> diffGiven() {
  //: The amplitude A of the input sine (a Cyrillic А in the source).
  return {words(QCoreApplication::translate("compound", "А = "), Teal),
          value(QStringLiteral("La")),
          br(),
          greek(QStringLiteral("w = "), Teal),
          value(QStringLiteral("Lw1")),
          br(),
          words(QStringLiteral("T"), Teal),
          sub(QStringLiteral("1"), Teal),
          words(QStringLiteral(" = "), Teal),
          value(QStringLiteral("LT1")),
          br()};
}

std::vector<Piece> lafcTask() {
  return {words(QCoreApplication::translate("compound", "По асимптотической ЛАЧХ определите")),
          br(),
          words(QStringLiteral("T"), Teal),
          sub(QStringLiteral("1"), Teal),
          words(QCoreApplication::translate("compound", " и Т"), Teal),
          sub(QStringLiteral("2"), Teal)};
}

std::vector<Piece> stepTask() {
  return {words(QCoreApplication::translate("compound", "По графику переходной функции для")),
          br(),
          words(QStringLiteral("T"), Teal),
          sub(QStringLiteral("1"), Teal),
          words(QStringLiteral(" = "), Teal),
          value(QStringLiteral("LT1")),
          br(),
          words(QCoreApplication::translate("compound", "определите:"))};
}

// An answer row "T₂ = " (a Greek letter when `greek`), its box taking seven characters.
AnswerLine answer(const QString& letter, const QString& index = QString(), bool greek = false,
                  const QString& rest = QStringLiteral(" = ")) {
  return {.letter = letter, .index = index, .greekLetter = greek, .rest = rest};
}

std::vector<StepRow> makeStepRows() {
  return {
      {.form = QStringLiteral("Form6_1"),
       .caption = texts::piCaption(1),
       .layout = {.title = texts::piTitle(),
                  .taskText = QCoreApplication::translate(
                      "compound", "По графику переходной функции определите следующие параметры:"),
                  .picture = QStringLiteral("pi")},
       .answers = {answer(QStringLiteral("T"), QStringLiteral("2")), answer(QStringLiteral("T"), QStringLiteral("1"))},
       .answersTop = 140,
       .hChars = 6,
       .draw =
           [] {
             const auto d = pi::Step::draw();
             return StepData{.curve = d.curve(), .answers = d.answers()};
           }},
      {.form = QStringLiteral("Form7_1"),
       .caption = texts::diffCaption(1),
       .layout = {.title = texts::diffTitle(), .picture = QStringLiteral("diff")},
       .task = stepTask(),
       .answers = {answer(QStringLiteral("T"), QStringLiteral("2"))},
       .answersTop = 140,
       .hChars = 5,
       .draw =
           [] {
             const auto d = diff::Step::draw();
             return StepData{
                 .curve = d.curve(), .answers = {d.answer()}, .values = {{QStringLiteral("LT1"), seconds(d.T1)}}};
           }},
      {.form = QStringLiteral("Form8_1"),
       .caption = texts::inforsCaption(1),
       .layout = {.title = texts::inforsTitle(), .picture = QStringLiteral("infors")},
       .task = stepTask(),
       .answers = {answer(QStringLiteral("k")), answer(QStringLiteral("T"), QStringLiteral("2"))},
       .answersTop = 140,
       .hChars = 5,
       .draw =
           [] {
             const auto d = infors::Step::draw();
             return StepData{
                 .curve = d.curve(),
                 .answers = d.answers(),
                 .values = {{QStringLiteral("LT1"), d.shownT1() + QCoreApplication::translate("compound", " c")}}};
           }},
  };
}

// The PI link's sinusoids over time in seconds, read by their level marks alone.
HarmonicPlot secondsPlot() {
  return {.title = sineTitle(),
          .timeLabel = QCoreApplication::translate("compound", "t, c"),
          .timeAt = {380, 110},
          .levelLabelBase = 135};
}

// Sinusoids over ωt that the pointer reads: the differentiating link's A·sin(ωt), the lead/lag
// link's sin(ωt).
HarmonicPlot phasePlot(const QString& title) {
  return {.title = title,
          .timeLabel = QCoreApplication::translate("compound", "wt, c"),
          .timeAt = {370, 110},
          .levelLabelBase = 120,
          .readout = true};
}

std::vector<HarmonicRow> makeHarmonicRows() {
  const TypicalLayout pi{.title = texts::piTitle(), .picture = QStringLiteral("pi")};
  return {
      {.form = QStringLiteral("Form6_2"),
       .caption = texts::piCaption(2),
       .layout = pi,
       .task = join({piGiven(),
                     {greek(QStringLiteral("w = "), Teal), value(QStringLiteral("Lw")), br(),
                      words(QCoreApplication::translate("compound", "определите разность фаз")), br(),
                      //: Index of the output phase φ_вых ("выход", output) in Δφ = φ_out − φ_in.
                      greek(QStringLiteral("Dj= j")), sub(QCoreApplication::translate("compound", "вых")),
                      //: Index of the input phase φ_вх ("вход", input) in Δφ = φ_out − φ_in.
                      greek(QStringLiteral(" - j")), sub(QCoreApplication::translate("compound", "вх")), br(),
                      words(QCoreApplication::translate("compound", "и амплитуду сигнала на выходе:"))}}),
       .taskPixels = 15,
       .taskLineStep = 18,
       .answers = {answer(QStringLiteral("r"), QStringLiteral("max"), false, QStringLiteral("= ")),
                   answer(QStringLiteral("Dj"), QString(), true, QStringLiteral("= "))},
       .answersTop = 200,
       .flow = Flow::TraceFirst,
       .plot = secondsPlot(),
       .draw = piSine},
      {.form = QStringLiteral("Form6_3"),
       .caption = texts::piCaption(3),
       .layout = pi,
       .task = join({piGiven(),
                     {words(QCoreApplication::translate("compound", "определите значение частоты ")),
                      greek(QStringLiteral("W"), Purple), sub(QStringLiteral("1"), Purple),
                      words(QCoreApplication::translate("compound", " при которой")), br(),
                      words(QStringLiteral("r"), Purple), sub(QStringLiteral("max"), Purple),
                      words(QStringLiteral(" = "), Purple), value(QStringLiteral("LUslovie"), Purple)}}),
       .taskPixels = 15,
       .taskLineStep = 18,
       .answers = {answer(QStringLiteral("W"), QStringLiteral("1"), true, QStringLiteral(" ="))},
       .answersTop = 210,
       .flow = Flow::AnswerFirst,
       .plot = secondsPlot(),
       .draw = piFrequency},
      {.form = QStringLiteral("Form7_2"),
       .caption = texts::diffCaption(2),
       .layout = {.title = texts::diffTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("diff")},
       .task = join({{words(QCoreApplication::translate("compound", "Для заданных значений:")), br()},
                     diffGiven(),
                     {words(QCoreApplication::translate("compound", "определить амплитуду ")),
                      words(QStringLiteral("B"), Purple), sub(QStringLiteral("1"), Purple),
                      words(QCoreApplication::translate("compound", " сигнала")), br()},
                     outputFormula(QStringLiteral("1")),
                     {br(), words(QCoreApplication::translate("compound", "на выходе звена")), br(),
                      //: "for": followed by the condition T_2 = 0.
                      words(QCoreApplication::translate("compound", "при ")), words(QStringLiteral("T"), Purple),
                      sub(QStringLiteral("2"), Purple), words(QStringLiteral("=0:"), Purple)}}),
       .taskPixels = 15,
       .taskLineStep = 18,
       .answers = {answer(QStringLiteral("B"), QStringLiteral("1"))},
       .answersTop = 220,
       .flow = Flow::AnswerFirst,
       .plot = phasePlot(aSineTitle()),
       .draw = diffIdeal},
      {.form = QStringLiteral("Form7_3"),
       .caption = texts::diffCaption(3),
       .layout = {.title = texts::diffTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("diff2")},
       .task = join(
           {{words(QCoreApplication::translate("compound", "Исходные данные:")), br()},
            diffGiven(),
            {words(QStringLiteral("B"), Teal), sub(QStringLiteral("1"), Teal), words(QStringLiteral(" = "), Teal),
             value(QStringLiteral("LB1")), br(), words(QCoreApplication::translate("compound", "определить значение ")),
             //: The time constant T (a Cyrillic Т in the source); the index 2 follows.
             words(QCoreApplication::translate("compound", "Т"), Purple), sub(QStringLiteral("2"), Purple), br(),
             words(QCoreApplication::translate("compound", "при котором амплитуда ")),
             words(QStringLiteral("B"), Purple), sub(QStringLiteral("2"), Purple), br(),
             words(QCoreApplication::translate("compound", "сигнала "))},
            outputFormula(QStringLiteral("2")),
            {br(), words(QCoreApplication::translate("compound", "на выходе звена снизится")), br(),
             //: Start of "drops by a factor of k = … compared with B_1" ("в k раз по сравнению с B_1").
             words(QCoreApplication::translate("compound", "в ")), words(QStringLiteral("k = "), Purple),
             value(QStringLiteral("Lk"), Purple, 12),
             words(QCoreApplication::translate("compound", " раз по сравнению с ")), words(QStringLiteral("B"), Purple),
             sub(QStringLiteral("1"), Purple)}}),
       .taskPixels = 13,
       .taskLineStep = 16,
       .answers = {answer(QStringLiteral("T"), QStringLiteral("2"))},
       .answersTop = 236,
       .flow = Flow::SecondOutput,
       .plot = phasePlot(aSineTitle()),
       .draw = diffLowered},
      {.form = QStringLiteral("Form8_2"),
       .caption = texts::inforsCaption(2),
       .layout = {.title = texts::inforsTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("infors")},
       .task =
           join({{words(QCoreApplication::translate("compound", "Для заданных значений:")), br(),
                  greek(QStringLiteral("w = "), Teal), value(QStringLiteral("Lw1")), br()},
                 timeRow(QStringLiteral("1"), QStringLiteral("LT1")),
                 timeRow(QStringLiteral("2"), QStringLiteral("LT2")),
                 {words(QCoreApplication::translate("compound", "определить ")), words(QStringLiteral("k"), Purple)}}),
       .taskPixels = 16,
       .taskLineStep = 19,
       .answers = {answer(QStringLiteral("k"))},
       .answersTop = 200,
       .flow = Flow::TraceFirst,
       .plot = phasePlot(sineTitle()),
       .draw = inforsSine},
  };
}

std::vector<LafcRow> makeLafcRows() {
  return {
      {.form = QStringLiteral("Form7_4"),
       .caption = texts::diffCaption(4),
       .layout = {.title = texts::diffTitle(), .picture = QStringLiteral("diff1")},
       .task = lafcTask(),
       .fieldOpenWhileDrawing = false,
       .draw =
           [] {
             const auto d = diff::Asymptotic::draw();
             return LafcData{.lafc = d.lafc(), .answers = d.answers()};
           }},
      {.form = QStringLiteral("Form8_3"),
       .caption = texts::inforsCaption(3),
       .layout = {.title = texts::inforsTitle(), .picture = QStringLiteral("infors1")},
       .task = lafcTask(),
       .fieldOpenWhileDrawing = true,
       .draw =
           [] {
             const auto d = infors::Asymptotic::draw();
             return LafcData{.lafc = d.lafc(), .answers = d.answers()};
           }},
  };
}

}  // namespace

// The tables are made in the running language when a window first asks for them.
const std::vector<StepRow>& stepRows() { return language::perLanguage<makeStepRows>(); }
const std::vector<HarmonicRow>& harmonicRows() { return language::perLanguage<makeHarmonicRows>(); }
const std::vector<LafcRow>& lafcRows() { return language::perLanguage<makeLafcRows>(); }

}  // namespace compound
