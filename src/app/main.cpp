// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer starts with its main window only; experiment windows open on demand.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/main_options.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/quit_signals.h"
#include "app/record_commands.h"
#include "app/replay.h"
#include "app/teacher_data.h"
#include "app/teacher_window.h"
#include "framework/canvas.h"
#include "i18n/language.h"
#include "pictures/pixel_ratio.h"
#include "record/recorder.h"

namespace {

void print(std::FILE* to, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

QStringList rawArguments(int argc, char** argv) {
  QStringList list;
  for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version print and go, with no window system needed (a terminal without one);
  // so does a refused line unless it holds one of Qt's own single-dash options (-platform …),
  // which only the GUI application takes out of the arguments.
  const QStringList raw = rawArguments(argc, argv);
  const options::Action wanted = options::parse(raw).action;
  const bool qtOptions = std::any_of(raw.begin() + 1, raw.end(), [](const QString& a) {
    return a.size() > 1 && a.startsWith(QLatin1Char('-')) && !a.startsWith(QLatin1String("--"));
  });
  const bool printOnly = wanted == options::Action::Help || wanted == options::Action::Version ||
                         wanted == options::Action::ListRuns || wanted == options::Action::ClassDbInit ||
                         wanted == options::Action::TeacherExport || (wanted == options::Action::Refuse && !qtOptions);
  std::unique_ptr<QCoreApplication> app;
  if (printOnly)
    app = std::make_unique<QCoreApplication>(argc, argv);
  else
    app = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Lumeq"));
  // The system language, or "--lang ru|en"; Russian when the translation cannot be loaded.
  language::set(language::atStart(QCoreApplication::arguments()));
  // Qt has taken its own options (-platform, -style …) out of the arguments by now.
  const options::CommandLine line = options::parse(QCoreApplication::arguments());
  switch (line.action) {
    case options::Action::Help:
    case options::Action::Version:
      print(stdout, line.text);
      return 0;
    case options::Action::Refuse:
      print(stderr, line.text);
      return options::Refused;
    case options::Action::ListRuns:
    case options::Action::ClassDbInit: {
      QString out, err;
      const int code = line.action == options::Action::ListRuns
                           ? record_commands::listRuns(line.options, &out, &err)
                           : record_commands::classDbInit(line.initUrl, &out, &err);
      print(stdout, out);
      print(stderr, err);
      return code;
    }
    case options::Action::TeacherExport: {
      QString err;
      const int code = teacher::exportCsv(line.options, *line.options.exportCsv, &err);
      print(stderr, err);
      return code;
    }
    case options::Action::Run:
      break;
  }

  fonts::install();
  display::setRatio(qApp->devicePixelRatio());
  if (line.options.teacher) {
    // The teacher's window reads the record; it writes none.
    TeacherWindow teacherWindow(teacher::sourceOf(line.options));
    teacherWindow.show();
    return app->exec();
  }
  if (line.options.replay) {
    // A recorded draw opened again; the window reads the record and writes none.
    const replay::Target target = *replay::parseTarget(*line.options.replay);
    const teacher::Source source = teacher::sourceOf(line.options);
    QString why;
    const auto run = replay::readRun(source.localPath, source.classUrl, target.run, &why);
    auto plan = run ? replay::find(*run, target, &why) : std::nullopt;
    if (plan && !programWindows().has(target.form)) {
      plan.reset();
      why = QCoreApplication::translate("replay", "такого окна нет");
    }
    if (!plan) {
      print(stderr, QCoreApplication::translate("replay", "lumeq: воспроизвести %1 нельзя: %2\n").arg(target.text(), why));
      return 1;
    }
    Main main;
    quit_signals::closeOn(&main);
    main.show();
    main.openReplay(*plan);
    return app->exec();
  }
  // The record on this machine (and the class database when one is set), written by threads
  // of its own; it outlives the window, which ends the run when it closes.
  record::Recorder recorder(record_commands::localPath(line.options),
                            record::configuredClassDbUrl(line.options.classDb));
  MainServices services;
  services.recorder = &recorder;
  Main main(services);
  quit_signals::closeOn(&main);
  main.helpFile = QStringLiteral("c:\\Program Files\\Lumeq\\Help\\Help.hlp");
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main.move(screen->availableGeometry().center() - main.rect().center());
  main.show();
  main.applyOptions(line.options);
  // For the tests of the record: a work opened and answers typed into the record at a pace,
  // as a student would, until the program is stopped from outside.
  if (const QString play = qEnvironmentVariable("LUMEQ_TEST_PLAY"); !play.isEmpty()) {
    QTimer::singleShot(0, &main, [&main, play] { main.workClick(play); });
    auto* typing = new QTimer(&main);
    QObject::connect(typing, &QTimer::timeout, &main, [&main, play, n = 0]() mutable {
      main.reportTyped(play, Host::AnswerEvent::Wrong, 0, QString::number(++n));
    });
    typing->start(5);
  }
  return app->exec();
}
