// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QThread>

#include "calculator.h"
#include "framework/canvas.h"
#include "framework/widgets.h"
#include "help/help_viewer.h"
#include "journal_print.h"
#include "help/topics.h"
#include "program.h"
#include "record/recorder.h"
#include "picture_icon.h"
#include "pictures/pictures.h"
#include "program.h"
#include "program_icon.h"
#include "start_screen.h"

namespace {

constexpr int MainHelpContext = help::MainTopic;
// Client area of the frame; the outer size with the title bar and borders is 640 x 480,
// plus the menu bar that hosts a maximized window's own buttons.
constexpr QSize ClientSize{634, 451};

// The wrapped caption of the animation check box: clicking the text toggles the box.
class CheckCaption : public QLabel {
 public:
  CheckCaption(const QString& text, QCheckBox* box) : QLabel(text, box->parentWidget()), box_(box) {
    setWordWrap(true);
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && box_->isEnabled()) box_->toggle();
  }

 private:
  QCheckBox* box_;
};

QIcon arrowIcon(const QString& name) {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(pictures::get(name)), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(pictures::get(name + QStringLiteral("_disabled"))), QIcon::Disabled);
  return icon;
}

}  // namespace

Main::Main(MainServices services) : services_(std::move(services)), journal_(services_.clock) {
  setObjectName(QStringLiteral("Main"));
  QApplication::setWindowIcon(programIcon());
  setProperty("helpContext", MainHelpContext);
  if (services_.messages) {
    messages_ = services_.messages;
  } else {
    ownMessages_ = std::make_unique<BoxMessageService>(this);
    messages_ = ownMessages_.get();
  }
  catalogue_ = services_.catalogue ? services_.catalogue : &programCatalogue();
  windows_ = services_.windows ? services_.windows : &catalogue_->windows();

  setFont(fonts::fontPt(fonts::SansSerif, 8));
  auto* frame = new QWidget(this);
  frame->setObjectName(QStringLiteral("MainClient"));
  frame->setFixedSize(ClientSize);
  ui::setBackground(frame, colors::SkyBlue);
  setCentralWidget(frame);

  // The menu bar carries the help, and a maximized experiment window's system buttons.
  helpMenu_ = menuBar()->addMenu(QString());
  helpAction_ = helpMenu_->addAction(QString(), this, [this] { showHelp(); });

  mdi_ = new QMdiArea(frame);
  mdi_->setObjectName(QStringLiteral("MDIClient"));
  mdi_->setGeometry(QRect(QPoint(0, 0), ClientSize));
  mdi_->setBackground(colors::SkyBlue);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) { childActivated(w); });

  Label1 = ui::label(frame, QPoint(24, 0), QString(), fonts::font(fonts::Arial, 21, false, false, true),
                     QColor(0x00, 0x66, 0xCC), QStringLiteral("Label1"));

  buildStartScreen(frame);
  buildCommandBar(frame);
  buildLanguageSwitch();
  buildRecordFields();
  retranslate();

  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::ApplicationShortcut);
  connect(f1, &QShortcut::activated, this, [this] { showHelp(); });

  // FormCreate: credits counter, hidden panels, the command bar in its place.
  creditTicks_ = 0;
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, [this] { guarded("Timer1Timer", [this] { Timer1Timer(); }); });
  Timer1->start();
  adjustSize();
  setFixedSize(sizeHint());
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
}

Main::~Main() {
  closing_ = true;
  // Experiment windows go first, closed ones included, while the frame they report to
  // still exists.
  for (auto* s : mdi_->subWindowList()) delete s;
}

void Main::buildStartScreen(QWidget* frame) {
  Panel1 = ui::panel(frame, QRect(8, 32, 617, 401), ui::Bevel::Single, QStringLiteral("Panel1"));
  int row = 1;
  for (const auto& s : catalogue_->sectionButtons()) {
    auto* b = new QPushButton(Panel1);
    b->setObjectName(s.name);
    b->setGeometry(start_screen::sectionButton(row++));
    connect(b, &QPushButton::clicked, this,
            [this, name = s.name] { guarded("SectionClick", [&] { sectionClick(name); }); });
  }
  for (const QString& name : catalogue_->workPanels()) {
    auto* panel = ui::panel(Panel1, start_screen::WorkPanel, ui::Bevel::Lowered, name);
    panel->hide();
    panels_.insert(name, panel);
  }
  for (const auto& w : catalogue_->workButtons()) {
    auto* b = new QToolButton(panels_.value(w.panel));
    b->setObjectName(w.name);
    b->setGeometry(QRect(QPoint(start_screen::WorkLeft, w.top), start_screen::WorkButtonSize));
    b->setAutoRaise(true);
    b->setIconSize(QSize(256, 69));
    b->setEnabled(windows_->has(w.form));
    connect(b, &QToolButton::clicked, this, [this, form = w.form] { guarded("WorkClick", [&] { workClick(form); }); });
  }
  for (const auto& s : catalogue_->sectionButtons())
    if (!s.form.isEmpty()) Panel1->findChild<QPushButton*>(s.name)->setEnabled(windows_->has(s.form));

  p = new QCheckBox(Panel1);
  p->setObjectName(QStringLiteral("p"));
  p->setGeometry(start_screen::AnimationBox);
  p->setChecked(true);
  p->setProperty("helpContext", MainHelpContext);
  animationCaption_ = new CheckCaption(QString(), p);
  animationCaption_->setGeometry(66, 312, 191, 33);

  const QFont credits = fonts::fontPt(fonts::SansSerif, 8, true);
  Label8 = ui::label(Panel1, QPoint(440, 360), QString(), credits, colors::Navy, QStringLiteral("Label8"));
  Label9 = ui::label(Panel1, QPoint(440, 376), QString(), credits, colors::Navy, QStringLiteral("Label9"));
  Button10 = new QPushButton(Panel1);
  Button10->setObjectName(QStringLiteral("Button10"));
  Button10->setGeometry(432, 360, 169, 25);
  Button10->setFont(credits);
  Button10->hide();
  connect(Button10, &QPushButton::clicked, this, [this] { close(); });

  // The journal for the teacher, in the free corner between the work panels and the credits.
  BJournal = new QPushButton(Panel1);  // its text: retranslate()
  BJournal->setObjectName(QStringLiteral("BJournal"));
  BJournal->setGeometry(312, 360, 97, 25);
  connect(BJournal, &QPushButton::clicked, this, [this] { guarded("BJournalClick", [this] { BJournalClick(); }); });
}

void Main::buildCommandBar(QWidget* frame) {
  Panel2 = ui::panel(frame, QRect(8, 384, 617, 57), ui::Bevel::Single, QStringLiteral("Panel2"));
  ui::setBackground(Panel2, colors::SkyBlue);
  GroupBox1 = new QGroupBox(Panel2);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 4, 233, 45);
  GroupBox1->setFont(fonts::fontPt(fonts::Arial, 8));
  const QFont koord = fonts::font(fonts::SansSerif, 16);
  KoordX = ui::label(GroupBox1, QRect(8, 16, 41, 20), QStringLiteral("h ="), koord, colors::Maroon,
                     Qt::AlignRight | Qt::AlignVCenter, false, QStringLiteral("KoordX"));
  KoordX1 = ui::label(GroupBox1, QRect(48, 16, 65, 20), QStringLiteral("???"), koord, colors::Maroon,
                      Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("KoordX1"));
  KoordX1->setIndent(3);
  KoordY = ui::label(GroupBox1, QRect(129, 16, 23, 20), QStringLiteral("t ="), koord, colors::Maroon,
                     Qt::AlignRight | Qt::AlignVCenter, false, QStringLiteral("KoordY"));
  KoordY1 = ui::label(GroupBox1, QRect(152, 16, 81, 20), QStringLiteral("???"), koord, colors::Maroon,
                      Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("KoordY1"));
  KoordY1->setIndent(3);
  GroupBox1->hide();

  auto button = [this](const QString& name, const QRect& r, auto handler) {
    auto* b = new QPushButton(Panel2);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setAutoDefault(true);  // Enter on the focused button presses it (focus goes to Next after an answer)
    connect(b, &QPushButton::clicked, this,
            [this, handler, name] { guarded(qPrintable(name), [&] { (this->*handler)(); }); });
    return b;
  };
  BMenu = button(QStringLiteral("BMenu"), QRect(256, 16, 75, 25), &Main::BMenuClick);
  BBack = button(QStringLiteral("BBack"), QRect(336, 16, 81, 25), &Main::BBackClick);
  BNext = button(QStringLiteral("BNext"), QRect(424, 16, 81, 25), &Main::BNextClick);
  BClose = button(QStringLiteral("BClose"), QRect(512, 16, 89, 25), &Main::BCloseClick);
  BBack->setIcon(arrowIcon(QStringLiteral("arrow_left")));
  BNext->setIcon(arrowIcon(QStringLiteral("arrow_right")));
  BNext->setLayoutDirection(Qt::RightToLeft);  // the arrow stands right of the text
  // Keys for the bar that leave its texts as they are: each presses its button, so it does
  // what a click does and nothing while the button is hidden, disabled or the bar is Busy.
  // (The tool tips that name the keys are set with the other texts in retranslate().)
  const struct {
    QPushButton* button;
    QKeyCombination key;
  } keys[] = {{BNext, Qt::ALT | Qt::Key_Right}, {BBack, Qt::ALT | Qt::Key_Left}, {BMenu, Qt::ALT | Qt::Key_M}};
  for (const auto& k : keys) {
    auto* s = new QShortcut(QKeySequence(k.key), this);
    connect(s, &QShortcut::activated, k.button, [b = k.button] {
      if (b->isVisible()) b->click();
    });
  }
  Panel2->hide();
  Panel2->raise();
}

void Main::buildLanguageSwitch() {
  // Two small buttons in the free corner under the animation check box; the language they
  // choose applies at once to the start screen and to every work started after it.
  auto make = [this](const QString& name, const QString& text, language::Language l, int x) {
    auto* b = new QToolButton(Panel1);
    b->setObjectName(name);
    b->setText(text);
    b->setGeometry(x, 364, 29, 21);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    b->setChecked(language::current() == l);
    connect(b, &QToolButton::clicked, this, [this, l] {
      guarded("LanguageClick", [&] {
        // A translation that cannot be loaded leaves the language, and the switch, as they were.
        if (!language::set(l))
          (language::current() == language::Language::English ? langEn_ : langRu_)->setChecked(true);
      });
    });
    return b;
  };
  langRu_ = make(QStringLiteral("LanguageRu"), QStringLiteral("RU"), language::Language::Russian, 20);
  langEn_ = make(QStringLiteral("LanguageEn"), QStringLiteral("EN"), language::Language::English, 51);
}

void Main::retranslate() {
  if (Panel2->isHidden()) setWindowTitle(Caption);  // a work's frame title is left alone
  helpMenu_->setTitle(tr("Справка"));
  helpAction_->setText(tr("Вызов справки\tF1"));
  Label1->setText(tr("Линейные непрерывные системы. Виртуальная лаборатория"));
  Label1->adjustSize();
  for (const auto& s : catalogue_->sectionButtons())
    if (auto* b = Panel1->findChild<QPushButton*>(s.name)) b->setText(tr(s.caption));
  for (const auto& w : catalogue_->workButtons()) {
    auto* b = Panel1->findChild<QToolButton*>(w.name);
    b->setIcon(lazyPictureIcon(w.name));  // the caption drawn in the picture follows the language
    b->setToolTip(b->isEnabled() ? QString() : tr("Эта работа пока недоступна"));
  }
  animationCaption_->setText(tr("Включить построение переходных характеристик во времени "));
  Label8->setText(tr("Идея и методика: кафедра САУ"));
  Label8->adjustSize();
  Label9->setText(tr("Программа: команда Lumeq"));
  Label9->adjustSize();
  Button10->setText(ExitText);
  const QString languageTip = tr("Язык интерфейса");
  langRu_->setToolTip(languageTip);
  langEn_->setToolTip(languageTip);
  (language::current() == language::Language::English ? langEn_ : langRu_)->setChecked(true);

  if (!readoutShowsParameters_) GroupBox1->setTitle(readoutTitle(readoutLocked_));
  BMenu->setText(tr("Меню"));
  BBack->setText(tr("Назад"));
  BNext->setText(tr("Далее"));
  BClose->setText(tr("Калькулятор"));
  BJournal->setText(tr("Журнал"));
  retranslateRecord();
  BNext->setToolTip(tr("Следующий опыт (Alt+→)"));
  BBack->setToolTip(tr("Предыдущий опыт (Alt+←)"));
  BMenu->setToolTip(tr("Завершить работу и вернуться к разделам (Alt+M)"));
}

QString Main::readoutTitle(bool locked) const {
  return locked ? tr("Координаты указателя (locked)") : tr("Координаты указателя");
}

void Main::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(e);
}

void Main::Timer1Timer() {
  ++creditTicks_;
  if (creditTicks_ >= 5) {
    Timer1->stop();
    Label8->hide();
    Label9->hide();
    Button10->show();
  }
}

void Main::sectionClick(const QString& button) {
  for (const auto& s : catalogue_->sectionButtons()) {
    if (s.name != button) continue;
    if (!s.panel.isEmpty()) {
      for (auto* panel : panels_) panel->setVisible(panel->objectName() == s.panel);
    } else {
      for (auto* panel : panels_) panel->hide();
      workClick(s.form);
    }
  }
}

void Main::workClick(const QString& form) {
  if (!windows_->has(form) || findWindow(form)) return;
  recordWorkStart(form);
  Panel1->hide();
  Label1->hide();
  open(form);
}

void Main::BCloseClick() {
  const bool started = services_.startCalculator ? services_.startCalculator() : startCalculator();
  if (!started) messages().info(tr("Приложения \"калькулятор\" нет!"));
}

void Main::pace() {
  if (!p->isChecked()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Every pass owns a 10 ms slot counted from the previous one, so the drawing and the
  // events handled above take their time inside it: a trace of n passes lasts n slots on a
  // slow machine and a fast one alike. After a pause (a new trace, a modal box) the count
  // starts again from now instead of hurrying to catch up.
  constexpr qint64 slot = 10'000'000;  // ns
  if (!paceClock_.isValid()) paceClock_.start();
  const qint64 now = paceClock_.nsecsElapsed();
  nextPace_ += slot;
  if (now - nextPace_ > slot)
    nextPace_ = now + slot;  // after a pause: a full slot from now
  else if (nextPace_ < now)
    nextPace_ = now;  // a slow pass: no debt carried into the next one
  if (const qint64 wait = nextPace_ - now; wait > 0) QThread::usleep(static_cast<unsigned long>(wait / 1000));
}

void Main::showCommandBar() {
  Panel2->show();
  Panel2->raise();
}

void Main::showReadout(bool visible) { GroupBox1->setVisible(visible); }

void Main::resetReadout(const QString& xName, const QString& yName, bool yGreek) {
  if (readoutShowsParameters_) {
    readoutShowsParameters_ = false;
    readoutLocked_ = false;
    GroupBox1->setTitle(readoutTitle(false));
  }
  KoordX->setFont(fonts::font(fonts::Arial, 16));
  setReadoutName(KoordX, xName);
  KoordX1->setText(QStringLiteral("???"));
  KoordY->setFont(fonts::font(fonts::Arial, 16));
  setReadoutName(KoordY, yGreek ? fonts::greek(yName) : yName);
  KoordY1->setText(QStringLiteral("???"));
}

void Main::setReadoutName(QLabel* name, const QString& text) {
  // The places of the names were measured for a Latin letter; φ, "lg(w)=" and the like are
  // wider and grow to the left (into the spare room before them, never past the group's
  // border) instead of being cut.
  name->setText(text);
  const int right = name->x() + name->width();
  const int width = std::min(right - 2, std::max(name->width(), name->sizeHint().width()));
  name->setGeometry(right - width, name->y(), width, name->height());
}

void Main::setReadout(const ReadoutText& t) {
  setReadoutName(KoordX, t.xName);
  KoordX1->setText(t.xValue);
  setReadoutName(KoordY, t.yGreek ? fonts::greek(t.yName) : t.yName);
  KoordY1->setText(t.yValue);
}

void Main::setReadoutLocked(bool locked) {
  readoutLocked_ = locked;
  GroupBox1->setTitle(readoutTitle(locked));
}

void Main::showParameters(const QString& caption, const ReadoutText& text) {
  resetReadout(text.xName, text.yName, text.yGreek);
  setReadout(text);
  GroupBox1->setTitle(caption);
  GroupBox1->show();
  readoutShowsParameters_ = true;
}

void Main::focusNext() { BNext->setFocus(); }
void Main::focusMenu() { BMenu->setFocus(); }
void Main::enableBack(bool on) { BBack->setEnabled(on); }

ExperimentWindow* Main::findWindow(const QString& form) const { return refs_.value(form).data(); }

void Main::windowClosing(ExperimentWindow* w) {
  journal_.windowLeft(w->objectName());
  auto it = refs_.find(w->objectName());
  if (it != refs_.end() && it->data() == w) refs_.erase(it);
  if (lastActivated_ == w) lastActivated_ = nullptr;
  // With no window left there is no plot to read.
  if (children().isEmpty()) showReadout(false);
}

QList<ExperimentWindow*> Main::children() const {
  QList<ExperimentWindow*> out;
  for (auto* s : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (auto* w = qobject_cast<ExperimentWindow*>(s); w && !w->isClosed()) out.append(w);
  return out;
}

ExperimentWindow* Main::activeChild() const {
  auto* w = qobject_cast<ExperimentWindow*>(mdi_->currentSubWindow());
  if (!w) w = qobject_cast<ExperimentWindow*>(lastActivated_.data());
  return w && !w->isClosed() ? w : nullptr;
}

ExperimentWindow* Main::open(const QString& form) {
  if (auto* existing = findWindow(form)) {
    showChild(existing);
    return existing;
  }
  // Packed before the new window's plots are made: the two sets are never held at once.
  restFront(nullptr);
  ExperimentWindow* w = windows_->make(form, *this);
  if (!w) return nullptr;
  refs_.insert(form, w);
  mdi_->addSubWindow(w);
  showChild(w);
  return w;
}

void Main::showChild(ExperimentWindow* w) {
  // The frame remembers the focus of the window before, also while a message box has it:
  // given back later, it would activate that window again over this one.
  if (QWidget* f = focusWidget(); f && f != w && !w->isAncestorOf(f) && mdi_->isAncestorOf(f)) f->clearFocus();
  restFront(w);
  w->showMaximized();
  mdi_->setActiveSubWindow(w);
  // The area does not report activations while the frame itself is inactive.
  if (lastActivated_ != w) childActivated(w);
  // A window that shows no answer box yet holds the focus itself; one that does keeps it
  // where its activation put it.
  if (QWidget* f = focusWidget(); !f || (f != w && !w->isAncestorOf(f))) w->setFocus();
}

void Main::restFront(const ExperimentWindow* next) {
  // The window in front goes behind `next`: its plots keep their pixels packed meanwhile.
  auto* front = qobject_cast<ExperimentWindow*>(lastActivated_.data());
  if (front && front != next && findWindow(front->objectName()) == front) front->rest();
}

void Main::childActivated(QMdiSubWindow* s) {
  auto* w = qobject_cast<ExperimentWindow*>(s);
  if (!w || w == lastActivated_) return;
  lastActivated_ = w;
  journal_.windowReached(w->objectName(), w->windowTitle(), w->declaration().workTitle());
  guarded("FormActivate", [w] { w->FormActivate(); });
}

HelpViewer* Main::helpViewer() {
  // Built on the first F1: a start-up that never needs it does not pay for it.
  if (!help_) help_ = new HelpViewer(this, helpContents(*catalogue_));
  return help_;
}

void Main::showHelp() {
  int context = MainHelpContext;
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    const QVariant v = w->property("helpContext");
    if (v.isValid()) {
      context = v.toInt();
      break;
    }
  }
  if (context == MainHelpContext && !Panel1->isVisible())
    if (auto* w = activeChild()) context = w->helpContext();
  helpViewer()->showTopic(context);
}

void Main::closeEvent(QCloseEvent* e) {
  closing_ = true;
  if (!Busy) {
    const auto list = children();
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->close();
  }
  if (help_) help_->close();
  writeJournalAtExit();
  e->accept();
}
