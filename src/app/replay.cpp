// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

#include "framework/experiment_window.h"
#include "framework/messages.h"
#include "framework/numtext.h"
#include "framework/window_registry.h"
#include "record/class_reader.h"

namespace replay {

// The main window's part for a window checked unseen.
class Unseen::Host : public ::Host {
 public:
  PlayedWork& work() override { return work_; }
  MessageService& messages() override { return messages_; }
  void pace() override {}
  bool closing() const override { return false; }
  void showCommandBar() override {}
  void showReadout(bool) override {}
  void resetReadout(const QString&, const QString&, bool) override {}
  void setReadout(const ReadoutText&) override {}
  void setReadoutLocked(bool) override {}
  void showParameters(const QString&, const ReadoutText&) override {}
  void focusNext() override {}
  void focusMenu() override {}
  void enableBack(bool) override {}
  void restartWork(const QString&) override {}
  ExperimentWindow* findWindow(const QString&) const override { return nullptr; }
  ExperimentWindow* open(const QString&) override { return nullptr; }
  void windowClosing(ExperimentWindow*) override {}
  void reportTyped(const QString&, AnswerEvent event, int field, const QString&) override {
    last = event;
    lastField = field;
  }

  std::optional<AnswerEvent> last;
  int lastField = -1;

 private:
  PlayedWork work_;
  RecordingMessageService messages_;
};

Unseen::Unseen(const WindowRegistry& windows, const QString& form, const Draw& draw)
    : host_(std::make_unique<Host>()) {
  host_->work().replayNext(form, draw);
  window_.reset(windows.make(form, *host_));
  if (!window_) return;
  window_->FormActivate();
  settle();
}

Unseen::~Unseen() = default;

void Unseen::settle() {
  for (int i = 0; i < 8 && window_ && window_->Timer1->isActive(); ++i) window_->Timer1Timer();
}

bool Unseen::enter(int field, const QString& text) {
  if (!window_ || field < 0 || field >= window_->answerCount()) return false;
  AnswerEdit* edit = window_->edit(field);
  edit->setReadOnly(false);
  edit->setEnabled(true);
  edit->setMaxLength(std::max(edit->maxLength(), static_cast<int>(text.size())));
  edit->setText(inLocalSeparator(text));
  host_->last.reset();
  window_->answerEntered(field);
  const bool accepted = host_->last == ::Host::AnswerEvent::Accepted && host_->lastField == field;
  settle();
  return accepted;
}

namespace {

bool typedKind(const QString& kind) {
  return kind == record::kind::Accepted || kind == record::kind::Wrong || kind == record::kind::Malformed;
}

}  // namespace

QString Target::text() const { return QStringLiteral("%1:%2#%3").arg(run, form).arg(n); }

std::optional<Target> parseTarget(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^([0-9a-fA-F]{6}):([A-Za-z][A-Za-z0-9_]{0,63})(?:#([1-9][0-9]{0,5}))?$"));
  const QRegularExpressionMatch m = re.match(text.trimmed());
  if (!m.hasMatch()) return std::nullopt;
  Target t{m.captured(1).toLower(), m.captured(2), 1};
  if (m.hasCaptured(3)) t.n = m.captured(3).toInt();
  return t;
}

std::vector<Plan> draws(const std::vector<record::Event>& run) {
  std::vector<Plan> out;
  QString version, student, group;
  QHash<QString, int> open;  // the form's draw that answers go to now (an index into out)
  for (const record::Event& e : run) {
    if (e.kind == record::kind::RunStarted) {
      version = e.detail;
    } else if (e.kind == record::kind::Student) {
      student = e.text;
      group = e.detail;
      for (Plan& p : out) p.student = student, p.group = group;
    } else if (e.kind == record::kind::Drawn && e.seed) {
      Plan p;
      p.target = {e.run, e.form, 1};
      p.target.n = 1 + static_cast<int>(std::count_if(out.begin(), out.end(), [&](const Plan& q) {
                     return q.target.form == e.form;
                   }));
      p.draw.seed = static_cast<rnd::Seed>(*e.seed);
      // A draw whose kept values cannot be read replays as one that took none; its check fails.
      p.draw.taken = Draw::parseTaken(e.detail).value_or(QMap<QString, std::vector<double>>{});
      p.fingerprint = e.text;
      p.wall = e.wall;
      p.version = version;
      p.student = student;
      p.group = group;
      open.insert(e.form, static_cast<int>(out.size()));
      out.push_back(std::move(p));
    } else if (typedKind(e.kind) && e.field && open.contains(e.form)) {
      out[open.value(e.form)].typed.push_back({e.kind, *e.field, e.text, e.wall});
    }
  }
  return out;
}

std::optional<Plan> find(const std::vector<record::Event>& run, const Target& t, QString* why) {
  if (run.empty()) {
    if (why) *why = QCoreApplication::translate("replay", "Запись не содержит запуска %1.").arg(t.run);
    return std::nullopt;
  }
  for (Plan& p : draws(run))
    if (p.target.form == t.form && p.target.n == t.n) return std::move(p);
  if (why) *why = QCoreApplication::translate("replay", "В запуске %1 нет выборки %2 окна %3.").arg(t.run).arg(t.n).arg(t.form);
  return std::nullopt;
}

std::optional<std::vector<record::Event>> readRun(const QString& localPath, const QString& classUrl,
                                                  const QString& run, QString* why) {
  record::ClassReader reader(localPath, classUrl);
  std::vector<record::Event> out;
  do {
    const auto batch = reader.next(5000);
    if (!batch) {
      if (why) *why = reader.why();
      return std::nullopt;
    }
    for (const auto& [number, e] : *batch)
      if (e.run == run) out.push_back(e);
  } while (reader.more());
  std::stable_sort(out.begin(), out.end(), [](const record::Event& a, const record::Event& b) { return a.seq < b.seq; });
  return out;
}

QString inLocalSeparator(QString typed) {
  const QChar here = numtext::decimalSeparator();
  const QChar other = here == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
  if (typed.count(other) == 1 && !typed.contains(here)) typed.replace(other, here);
  return typed;
}

QString Verdict::text() const {
  switch (status) {
    case Status::Nothing:
      return QCoreApplication::translate("replay", "Проверять нечего: в записи нет выборок данных.");
    case Status::OtherVersion:
      return QCoreApplication::translate("replay", "Не проверено: запись сделана версией %1, эта версия %2.").arg(version, QStringLiteral(LUMEQ_VERSION));
    case Status::Verified:
      return QCoreApplication::translate("replay", "Проверено: выборок %1, принятых ответов %2.").arg(drawsChecked).arg(answersChecked);
    case Status::NotVerified:
      break;
  }
  QStringList lines;
  for (const Finding& f : findings)
    lines << (f.field < 0 ? QCoreApplication::translate("replay", "%1 (выборка %2): %3").arg(f.form).arg(f.n).arg(f.what)
                          : QCoreApplication::translate("replay", "%1 (выборка %2), поле %3: %4").arg(f.form).arg(f.n).arg(f.field + 1).arg(f.what));
  return QCoreApplication::translate("replay", "Не проверено: ") + lines.join(QStringLiteral("; "));
}

std::vector<Plan> drawsOfWork(const std::vector<record::Event>& run, const WindowRegistry& windows,
                              const QString& firstForm) {
  std::vector<Plan> all = draws(run);
  if (firstForm.isEmpty()) return all;
  std::erase_if(all, [&](const Plan& p) {
    const WindowDeclaration* d = windows.declaration(p.target.form);
    return d && d->firstForm != firstForm;
  });
  return all;
}

Verdict verify(const std::vector<record::Event>& run, const WindowRegistry& windows, const QString& firstForm) {
  Verdict v;
  const std::vector<Plan> all = drawsOfWork(run, windows, firstForm);
  if (all.empty()) return v;
  if (all.front().version != QStringLiteral(LUMEQ_VERSION)) {
    v.status = Verdict::Status::OtherVersion;
    v.version = all.front().version.isEmpty() ? QCoreApplication::translate("replay", "неизвестной") : all.front().version;
    return v;
  }
  for (const Plan& p : all) {
    if (!windows.has(p.target.form)) {
      v.findings.push_back({p.target.form, p.target.n, -1, QCoreApplication::translate("replay", "такого окна нет")});
      continue;
    }
    Unseen unseen(windows, p.target.form, p.draw);
    ExperimentWindow* w = unseen.window();
    if (!w) continue;
    ++v.drawsChecked;
    if (w->fingerprint() != p.fingerprint) {
      v.findings.push_back({p.target.form, p.target.n, -1, QCoreApplication::translate("replay", "данные не следуют из записанного начального числа")});
      continue;
    }
    for (const Typed& t : p.typed) {
      if (t.kind != record::kind::Accepted || t.field < 0) continue;
      if (t.field >= w->answerCount()) {
        v.findings.push_back({p.target.form, p.target.n, t.field, QCoreApplication::translate("replay", "у окна нет такого поля")});
        break;
      }
      ++v.answersChecked;
      if (!unseen.enter(t.field, t.text)) {
        v.findings.push_back({p.target.form, p.target.n, t.field, QCoreApplication::translate("replay", "принятый ответ «%1» не проходит проверку окна").arg(t.text)});
        break;
      }
    }
  }
  v.status = v.findings.empty() ? Verdict::Status::Verified : Verdict::Status::NotVerified;
  return v;
}

}  // namespace replay
