#include "sequence.h"

namespace {

QString form(int topic, int n) { return QStringLiteral("Form%1_%2").arg(topic).arg(n); }

std::vector<NextRow> build() {
  std::vector<NextRow> t;
  auto chain = [&t](int topic, int last) {
    for (int n = 1; n < last; ++n) t.push_back({form(topic, n), form(topic, n + 1)});
  };
  // The three typical links: three time-response windows, then the repeated frequency run.
  for (int topic = 1; topic <= 3; ++topic) {
    chain(topic, 3);
    t.push_back({form(topic, 3), form(topic, 4), false, true});
    t.push_back({form(topic, 4), form(topic, 4), true, false, topic == 1});
  }
  chain(5, 2);
  chain(6, 4);
  chain(7, 4);
  chain(8, 3);
  chain(11, 4);
  chain(12, 4);
  chain(13, 2);
  chain(14, 3);
  chain(15, 2);
  for (int topic = 16; topic <= 18; ++topic) chain(topic, 5);
  for (int topic = 19; topic <= 22; ++topic) chain(topic, 8);
  return t;
}

}  // namespace

const std::vector<NextRow>& nextTable() {
  static const std::vector<NextRow> table = build();
  return table;
}

const NextRow* nextRowFrom(const QString& f) {
  for (const auto& r : nextTable())
    if (r.from == f) return &r;
  return nullptr;
}

const NextRow* openRowTo(const QString& f) {
  for (const auto& r : nextTable())
    if (!r.repeat && r.to == f) return &r;
  return nullptr;
}
