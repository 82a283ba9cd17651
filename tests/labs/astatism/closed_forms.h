// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answers of every astatism window written out from the loops' error series, apart from the
// model's own code, with the draw ranges of the parameters: what a student would compute from
// the parameters the window shows.
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "labs/astatism/astatism_model.h"
#include "labs/astatism/section.h"

namespace astatism_test {

struct Ts {
  double t1 = 0, t2 = 0, t3 = 0;
};

struct Range {
  int lo, hi;
};

struct ClosedForm {
  const char* form;
  int params;                   // 2, or 3 in work 4
  std::array<Range, 3> ranges;  // RandomRange(lo, hi) / 1000
  std::function<std::vector<double>(const Ts&)> answers;
};

inline const std::vector<ClosedForm>& closedForms() {
  constexpr Range A{100, 500};
  using V = std::vector<double>;
  static const std::vector<ClosedForm> table{
      {"Form19_1",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{0.5, (p.t1 + p.t2) / 4, -(p.t1 * p.t1 + p.t2 * p.t2) / 4, 0};
       }},
      {"Form19_2",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{0.5, (p.t1 - p.t2) / 4, (p.t2 * p.t2 - p.t1 * p.t1) / 4 - p.t1 * p.t2 / 2, 0};
       }},
      {"Form19_3",
       2,
       {A, A, A},
       [](const Ts&) {
         return V{0.5, 0, 0};
       }},
      {"Form19_4",
       2,
       {A, A, A},
       [](const Ts&) {
         return V{0.5, 0, 0};
       }},
      {"Form19_5",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{(p.t1 + p.t2) / 4, 0.5, 0};
       }},
      {"Form19_6",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{(p.t1 - p.t2) / 4, 0.5, 0};
       }},
      {"Form19_7",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{-(p.t1 * p.t1 + p.t2 * p.t2) / 4, (p.t1 + p.t2) / 2, 0.5};
       }},
      {"Form19_8",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{(p.t2 * p.t2 - p.t1 * p.t1) / 4 - p.t1 * p.t2 / 2, (p.t1 - p.t2) / 2, 0.5};
       }},

      {"Form20_1",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{0, p.t2, 2 * p.t2 * (p.t1 - p.t2), 1};
       }},
      {"Form20_2",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{1, p.t1 - p.t2, 2 * p.t2 * (p.t2 - 2 * p.t1), 0};
       }},
      {"Form20_3",
       2,
       {A, Range{200, 500}, A},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form20_4",
       2,
       {A, A, A},
       [](const Ts&) {
         return V{1, 0, 0};
       }},
      {"Form20_5",
       2,
       {Range{100, 400}, Range{500, 500}, A},
       [](const Ts& p) {
         return V{p.t2, 0, 0};
       }},
      {"Form20_6",
       2,
       {Range{100, 400}, Range{200, 500}, A},
       [](const Ts& p) {
         return V{p.t1 - p.t2, 1, 0};
       }},
      {"Form20_7",
       2,
       {Range{100, 400}, A, A},
       [](const Ts& p) {
         return V{2 * p.t2 * (p.t1 - p.t2), 2 * p.t2, 0};
       }},
      {"Form20_8",
       2,
       {Range{100, 200}, Range{100, 400}, A},
       [](const Ts& p) {
         return V{2 * p.t2 * (p.t2 - 2 * p.t1), 2 * (p.t1 - p.t2), 1};
       }},

      {"Form21_1",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{0, p.t1, 2 * p.t1 * (p.t2 - p.t1), 1};
       }},
      {"Form21_2",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{0, p.t1, -2 * p.t1 * p.t1, 1};
       }},
      {"Form21_3",
       2,
       {A, A, A},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form21_4",
       2,
       {A, A, A},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form21_5",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{p.t1, 0, 0};
       }},
      {"Form21_6",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{p.t1, 0, 0};
       }},
      {"Form21_7",
       2,
       {A, Range{200, 400}, A},
       [](const Ts& p) {
         return V{2 * p.t1 * (p.t2 - p.t1), 2 * p.t1, 0};
       }},
      {"Form21_8",
       2,
       {A, A, A},
       [](const Ts& p) {
         return V{-2 * p.t1 * p.t1, 2 * p.t1, 0};
       }},

      {"Form22_1",
       3,
       {A, A, A},
       [](const Ts& p) {
         return V{0, 0, 2 * p.t1 * p.t2, 2};
       }},
      {"Form22_2",
       3,
       {A, A, A},
       [](const Ts& p) {
         return V{0, p.t1, -2 * p.t1 * p.t3, 1};
       }},
      {"Form22_3",
       3,
       {Range{100, 200}, Range{100, 200}, Range{100, 300}},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form22_4",
       3,
       {Range{100, 300}, Range{100, 300}, Range{100, 300}},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form22_5",
       3,
       {Range{100, 300}, Range{100, 300}, Range{100, 300}},
       [](const Ts&) {
         return V{0, 0, 0};
       }},
      {"Form22_6",
       3,
       {Range{100, 300}, Range{100, 300}, Range{100, 300}},
       [](const Ts& p) {
         return V{p.t1, 0, 0};
       }},
      {"Form22_7",
       3,
       {Range{100, 300}, Range{200, 300}, Range{100, 300}},
       [](const Ts& p) {
         return V{2 * p.t1 * p.t2, 0, 0};
       }},
      {"Form22_8",
       3,
       {Range{100, 300}, Range{100, 300}, Range{100, 300}},
       [](const Ts& p) {
         return V{-2 * p.t1 * p.t3, 2 * p.t1, 0};
       }},
  };
  return table;
}

inline const ClosedForm& closedForm(const QString& form) {
  for (const auto& c : closedForms())
    if (form == QLatin1String(c.form)) return c;
  throw std::out_of_range("no such astatism window");
}

// The table row of a window, found by its name among the section's declarations: window t of
// work w is the model's (w, t).
inline const astatism::WindowInfo& infoOf(const QString& form) {
  static const SectionEntry section = astatism::section();
  for (std::size_t w = 0; w < section.works.size(); ++w)
    for (std::size_t t = 0; t < section.works[w].windows.size(); ++t)
      if (section.works[w].windows[t].form == form) return astatism::windowInfo(int(w) + 1, int(t) + 1);
  throw std::out_of_range("no such astatism window");
}

}  // namespace astatism_test
