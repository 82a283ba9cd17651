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
  return {d.plot(),
          std::nullopt,
          d.answers(),
          {{QStringLiteral("LT1"), QStringLiteral(" ") + seconds(d.T1)},
           {QStringLiteral("Lt2"), QStringLiteral(" ") + seconds(d.T2)},
           {QStringLiteral("Lw"),
            QStringLiteral(" ") + FloatToStr(d.w) + QCoreApplication::translate("compound", " рад/c")}}};
}

HarmonicData piFrequency() {
  const auto d = pi::Frequency::draw();
  return {d.plot(),
          std::nullopt,
          {d.answer()},
          {{QStringLiteral("LT1"), QStringLiteral(" ") + seconds(d.T1)},
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
  return {d.plot(), std::nullopt, {d.idealAnswer()}, diffValues(d)};
}

HarmonicData diffLowered() {
  const auto d = diff::Lowered::draw();
  auto values = diffValues(d.h);
  values.insert(QStringLiteral("Lk"), QString::number(d.k));
  return {d.h.plot(), d.output2(d.T2()), {d.answer()}, values};
}

HarmonicData inforsSine() {
  const auto d = infors::Sine::draw();
  return {d.plot(),
          std::nullopt,
          {d.answer()},
          {{QStringLiteral("Lw1"), QString::number(d.w) + QCoreApplication::translate("compound", " рад/с")},
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

std::vector<StepRow> makeStepRows() {
  return {
      {QStringLiteral("Form6_1"),
       texts::piCaption(1),
       {.title = texts::piTitle(),
        .taskText =
            QCoreApplication::translate("compound", "По графику переходной функции определите следующие параметры:"),
        .picture = QStringLiteral("pi")},
       {},
       {{QStringLiteral("T"), QStringLiteral("2")}, {QStringLiteral("T"), QStringLiteral("1")}},
       140,
       6,
       [] {
         const auto d = pi::Step::draw();
         return StepData{d.curve(), d.answers(), {}};
       }},
      {QStringLiteral("Form7_1"),
       texts::diffCaption(1),
       {.title = texts::diffTitle(), .picture = QStringLiteral("diff")},
       stepTask(),
       {{QStringLiteral("T"), QStringLiteral("2")}},
       140,
       5,
       [] {
         const auto d = diff::Step::draw();
         return StepData{d.curve(), {d.answer()}, {{QStringLiteral("LT1"), seconds(d.T1)}}};
       }},
      {QStringLiteral("Form8_1"),
       texts::inforsCaption(1),
       {.title = texts::inforsTitle(), .picture = QStringLiteral("infors")},
       stepTask(),
       {{QStringLiteral("k"), QString()}, {QStringLiteral("T"), QStringLiteral("2")}},
       140,
       5,
       [] {
         const auto d = infors::Step::draw();
         return StepData{d.curve(),
                         d.answers(),
                         {{QStringLiteral("LT1"), d.shownT1() + QCoreApplication::translate("compound", " c")}}};
       }},
  };
}

std::vector<HarmonicRow> makeHarmonicRows() {
  std::vector<HarmonicRow> r;
  HarmonicRow pi62;
  pi62.form = QStringLiteral("Form6_2");
  pi62.caption = texts::piCaption(2);
  pi62.layout = {.title = texts::piTitle(), .picture = QStringLiteral("pi")};
  pi62.task = join({piGiven(),
                    {greek(QStringLiteral("w = "), Teal), value(QStringLiteral("Lw")), br(),
                     words(QCoreApplication::translate("compound", "определите разность фаз")), br(),
                     //: Index of the output phase φ_вых ("выход", output) in Δφ = φ_out − φ_in.
                     greek(QStringLiteral("Dj= j")), sub(QCoreApplication::translate("compound", "вых")),
                     //: Index of the input phase φ_вх ("вход", input) in Δφ = φ_out − φ_in.
                     greek(QStringLiteral(" - j")), sub(QCoreApplication::translate("compound", "вх")), br(),
                     words(QCoreApplication::translate("compound", "и амплитуду сигнала на выходе:"))}});
  pi62.answers = {{QStringLiteral("r"), QStringLiteral("max"), 7, false, QStringLiteral("= ")},
                  {QStringLiteral("Dj"), QString(), 7, true, QStringLiteral("= ")}};
  pi62.taskPixels = 15;
  pi62.taskLineStep = 18;
  pi62.answersTop = 200;
  pi62.flow = Flow::TraceFirst;
  pi62.plotTitle = sineTitle();
  pi62.timeLabel = QCoreApplication::translate("compound", "t, c");
  pi62.timeAt = {380, 110};
  pi62.levelLabelBase = 135;
  pi62.draw = piSine;
  r.push_back(pi62);

  HarmonicRow pi63 = pi62;
  pi63.form = QStringLiteral("Form6_3");
  pi63.caption = texts::piCaption(3);
  pi63.task = join({piGiven(),
                    {words(QCoreApplication::translate("compound", "определите значение частоты ")),
                     greek(QStringLiteral("W"), Purple), sub(QStringLiteral("1"), Purple),
                     words(QCoreApplication::translate("compound", " при которой")), br(),
                     words(QStringLiteral("r"), Purple), sub(QStringLiteral("max"), Purple),
                     words(QStringLiteral(" = "), Purple), value(QStringLiteral("LUslovie"), Purple)}});
  pi63.answers = {{QStringLiteral("W"), QStringLiteral("1"), 7, true, QStringLiteral(" =")}};
  pi63.answersTop = 210;
  pi63.flow = Flow::AnswerFirst;
  pi63.draw = piFrequency;
  r.push_back(pi63);

  HarmonicRow d72;
  d72.form = QStringLiteral("Form7_2");
  d72.caption = texts::diffCaption(2);
  d72.layout = {.title = texts::diffTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("diff")};
  d72.task = join(
      {{words(QCoreApplication::translate("compound", "Для заданных значений:")), br()},
       diffGiven(),
       {words(QCoreApplication::translate("compound", "определить амплитуду ")), words(QStringLiteral("B"), Purple),
        sub(QStringLiteral("1"), Purple), words(QCoreApplication::translate("compound", " сигнала")), br()},
       outputFormula(QStringLiteral("1")),
       {br(), words(QCoreApplication::translate("compound", "на выходе звена")), br(),
        //: "for": followed by the condition T_2 = 0.
        words(QCoreApplication::translate("compound", "при ")), words(QStringLiteral("T"), Purple),
        sub(QStringLiteral("2"), Purple), words(QStringLiteral("=0:"), Purple)}});
  d72.taskPixels = 15;
  d72.taskLineStep = 18;
  d72.answers = {{QStringLiteral("B"), QStringLiteral("1")}};
  d72.answersTop = 220;
  d72.flow = Flow::AnswerFirst;
  d72.readout = true;
  d72.plotTitle = aSineTitle();
  d72.timeLabel = QCoreApplication::translate("compound", "wt, c");
  d72.timeAt = {370, 110};
  d72.levelLabelBase = 120;
  d72.draw = diffIdeal;
  r.push_back(d72);

  HarmonicRow d73 = d72;
  d73.form = QStringLiteral("Form7_3");
  d73.caption = texts::diffCaption(3);
  d73.layout = {.title = texts::diffTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("diff2")};
  d73.task = join(
      {{words(QCoreApplication::translate("compound", "Исходные данные:")), br()},
       diffGiven(),
       {words(QStringLiteral("B"), Teal), sub(QStringLiteral("1"), Teal), words(QStringLiteral(" = "), Teal),
        value(QStringLiteral("LB1")), br(), words(QCoreApplication::translate("compound", "определить значение ")),
        //: The time constant T (a Cyrillic Т in the source); the index 2 follows.
        words(QCoreApplication::translate("compound", "Т"), Purple), sub(QStringLiteral("2"), Purple), br(),
        words(QCoreApplication::translate("compound", "при котором амплитуда ")), words(QStringLiteral("B"), Purple),
        sub(QStringLiteral("2"), Purple), br(), words(QCoreApplication::translate("compound", "сигнала "))},
       outputFormula(QStringLiteral("2")),
       {br(), words(QCoreApplication::translate("compound", "на выходе звена снизится")), br(),
        //: Start of "drops by a factor of k = … compared with B_1" ("в k раз по сравнению с B_1").
        words(QCoreApplication::translate("compound", "в ")), words(QStringLiteral("k = "), Purple),
        value(QStringLiteral("Lk"), Purple, 12), words(QCoreApplication::translate("compound", " раз по сравнению с ")),
        words(QStringLiteral("B"), Purple), sub(QStringLiteral("1"), Purple)}});
  d73.taskPixels = 13;
  d73.taskLineStep = 16;
  d73.answers = {{QStringLiteral("T"), QStringLiteral("2")}};
  d73.answersTop = 236;
  d73.flow = Flow::SecondOutput;
  d73.draw = diffLowered;
  r.push_back(d73);

  HarmonicRow i82 = d72;
  i82.form = QStringLiteral("Form8_2");
  i82.caption = texts::inforsCaption(2);
  i82.layout = {.title = texts::inforsTitle(), .counter = Counter::Spaced, .picture = QStringLiteral("infors")};
  i82.task =
      join({{words(QCoreApplication::translate("compound", "Для заданных значений:")), br(),
             greek(QStringLiteral("w = "), Teal), value(QStringLiteral("Lw1")), br()},
            timeRow(QStringLiteral("1"), QStringLiteral("LT1")),
            timeRow(QStringLiteral("2"), QStringLiteral("LT2")),
            {words(QCoreApplication::translate("compound", "определить ")), words(QStringLiteral("k"), Purple)}});
  i82.taskPixels = 16;
  i82.taskLineStep = 19;
  i82.answers = {{QStringLiteral("k"), QString()}};
  i82.answersTop = 200;
  i82.flow = Flow::TraceFirst;
  i82.plotTitle = sineTitle();
  i82.draw = inforsSine;
  r.push_back(i82);
  return r;
}

std::vector<LafcRow> makeLafcRows() {
  return {
      {QStringLiteral("Form7_4"),
       texts::diffCaption(4),
       {.title = texts::diffTitle(), .picture = QStringLiteral("diff1")},
       lafcTask(),
       false,
       [] {
         const auto d = diff::Asymptotic::draw();
         return LafcData{d.lafc(), d.answers()};
       }},
      {QStringLiteral("Form8_3"),
       texts::inforsCaption(3),
       {.title = texts::inforsTitle(), .picture = QStringLiteral("infors1")},
       lafcTask(),
       true,
       [] {
         const auto d = infors::Asymptotic::draw();
         return LafcData{d.lafc(), d.answers()};
       }},
  };
}

}  // namespace

// The tables are made in the running language when a window first asks for them.
const std::vector<StepRow>& stepRows() { return language::perLanguage<makeStepRows>(); }
const std::vector<HarmonicRow>& harmonicRows() { return language::perLanguage<makeHarmonicRows>(); }
const std::vector<LafcRow>& lafcRows() { return language::perLanguage<makeLafcRows>(); }

}  // namespace compound
