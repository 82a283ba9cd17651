// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/pictures.h"

#include <gtest/gtest.h>

#include "support/language_guard.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QSet>
#include <functional>

namespace {

const QSize kButton(260, 73);
const QSize kLab(427, 115);
const QSize kInvariance(415, 88);
const QSize kLinkPicture(301, 91);
const QSize kStep(611, 178);
const QSize kScheme(611, 99);

const QMap<QString, QSize>& expectedSizes() {
  static const QMap<QString, QSize> sizes = [] {
    QMap<QString, QSize> m{
        {QStringLiteral("check"), QSize(20, 20)},
        {QStringLiteral("check_disabled"), QSize(20, 20)},
        {QStringLiteral("arrow_left"), QSize(16, 16)},
        {QStringLiteral("arrow_left_disabled"), QSize(16, 16)},
        {QStringLiteral("arrow_right"), QSize(16, 16)},
        {QStringLiteral("arrow_right_disabled"), QSize(16, 16)},
        {QStringLiteral("integral"), QSize(415, 88)},
        {QStringLiteral("aperiod"), QSize(415, 88)},
        {QStringLiteral("koleb"), QSize(415, 88)},
        {QStringLiteral("chistzap"), QSize(415, 88)},
    };
    for (const char* n : {"nemin11", "nemin12", "nemin21", "nemin22"}) m.insert(QString::fromLatin1(n), kLinkPicture);
    for (const char* n :
         {"lab16_1", "lab16_2", "lab16_3", "lab16_4", "lab19", "lab20", "lab21", "lab22", "lab13_1", "lab14", "lab15"})
      m.insert(QString::fromLatin1(n), kLab);
    for (const char* n : {"lab8_1", "lab8_2", "lab8_3", "lab12_1", "lab12_2", "lab12_3"})
      m.insert(QString::fromLatin1(n), kInvariance);
    for (const char* n : {"lab9_1", "lab9_2", "lab9_3", "lab9_4", "lab9_5", "lab9_6"})
      m.insert(QString::fromLatin1(n), kStep);
    m.insert(QStringLiteral("preobraz"), kScheme);
    for (const char* n : {"pi", "pi1", "diff", "diff1", "diff2", "infors", "infors1"})
      m.insert(QString::fromLatin1(n), QSize(415, 88));
    m.insert(QStringLiteral("pi3"), QSize(177, 100));
    for (const char* n : {"BIntegrZveno", "BAperZveno", "BKolebZveno", "B4",  "B5",  "B6",  "B7",  "B8",  "B81", "b82",
                          "b91",          "b92",        "b93",         "B61", "b62", "b63", "b71", "b72", "b73", "b74"})
      m.insert(QString::fromLatin1(n), kButton);
    return m;
  }();
  return sizes;
}

// Pictures of a transfer function alone, in black: no signals to colour.
const QStringList& formulaOnly() {
  static const QStringList names{"pi1", "diff1", "infors1", "pi3"};
  return names;
}

QStringList diagrams() {
  QStringList out;
  for (auto it = expectedSizes().begin(); it != expectedSizes().end(); ++it)
    if ((it.value() == kButton || it.value() == kLab || it.value() == kLinkPicture || it.value() == QSize(415, 88) ||
         it.value() == kStep || it.value() == kScheme) &&
        !formulaOnly().contains(it.key()))
      out << it.key();
  return out;
}

bool isRed(QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }
bool isBlue(QColor c) { return c.blue() > 200 && c.red() < 90 && c.green() < 90; }
bool isMagenta(QColor c) { return c.red() > 200 && c.blue() > 200 && c.green() < 90; }
bool isSaturated(QColor c) { return c.alpha() > 0 && c.hsvSaturation() > 40; }

int count(const QImage& img, const std::function<bool(QColor)>& pred, QRect area = QRect()) {
  if (area.isNull()) area = img.rect();
  area &= img.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += pred(img.pixelColor(x, y));
  return n;
}

bool notWhite(QColor c) { return c.rgb() != qRgb(255, 255, 255); }
bool coloured(QColor c) { return isRed(c) || isBlue(c) || isMagenta(c); }

}  // namespace

// ---------------------------------------------------------------- catalogue

TEST(Pictures, CatalogueHoldsExactlyTheNamedPicturesAtTheirSizes) {
  const QStringList names = pictures::names();
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()),
            QSet<QString>(expectedSizes().keyBegin(), expectedSizes().keyEnd()));
  for (auto it = expectedSizes().begin(); it != expectedSizes().end(); ++it) {
    EXPECT_TRUE(pictures::has(it.key())) << it.key().toStdString();
    const QImage img = pictures::get(it.key());
    ASSERT_FALSE(img.isNull()) << it.key().toStdString();
    EXPECT_EQ(img.size(), it.value()) << it.key().toStdString();
  }
}

TEST(Pictures, UnknownNamesGiveNothing) {
  for (const QString& n : {QString(), QStringLiteral("lab23"), QStringLiteral("b81"), QStringLiteral("WALL")}) {
    EXPECT_FALSE(pictures::has(n)) << n.toStdString();
    EXPECT_TRUE(pictures::get(n).isNull()) << n.toStdString();
    EXPECT_TRUE(pictures::layoutProblems(n).isEmpty());
  }
}

TEST(Pictures, EachIsDrawnOnceAndShared) {
  const QImage a = pictures::get(QStringLiteral("lab19"));
  const QImage b = pictures::get(QStringLiteral("lab19"));
  EXPECT_EQ(a.cacheKey(), b.cacheKey());
}

// ---------------------------------------------------------------- icons

TEST(Pictures, IconsAreOnTransparentGroundAndGreyWhenDisabled) {
  for (const char* base : {"check", "arrow_left", "arrow_right"}) {
    const QString name = QString::fromLatin1(base);
    for (const QString& n : {name, name + QStringLiteral("_disabled")}) {
      const QImage img = pictures::get(n);
      EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0) << n.toStdString();
      EXPECT_EQ(img.pixelColor(img.width() - 1, img.height() - 1).alpha(), 0) << n.toStdString();
      EXPECT_GT(count(img, [](QColor c) { return c.alpha() == 255; }), 20) << n.toStdString();
    }
    EXPECT_GT(count(pictures::get(name), isSaturated), 20) << base;
    EXPECT_EQ(count(pictures::get(name + QStringLiteral("_disabled")), isSaturated), 0) << base;
  }
  EXPECT_GT(count(pictures::get(QStringLiteral("check")),
                  [](QColor c) {
                    return c.alpha() == 255 && c.blue() > 200 && c.green() < 60 && c.red() > 90 && c.red() < 170;
                  }),
            10);
  EXPECT_GT(count(pictures::get(QStringLiteral("arrow_left")), isRed), 50);
}

TEST(Pictures, StepArrowsPointTheirWay) {
  // The head is the tallest part of the arrow: find which side it is on.
  auto tallestColumn = [](const QImage& img) {
    int best = -1, bestHeight = -1;
    for (int x = 0; x < img.width(); ++x) {
      const int h = count(
          img, [](QColor c) { return c.alpha() > 128; }, QRect(x, 0, 1, img.height()));
      if (h > bestHeight) {
        bestHeight = h;
        best = x;
      }
    }
    return best;
  };
  EXPECT_LT(tallestColumn(pictures::get(QStringLiteral("arrow_left"))), 8);
  EXPECT_GE(tallestColumn(pictures::get(QStringLiteral("arrow_right"))), 8);
  EXPECT_LT(tallestColumn(pictures::get(QStringLiteral("arrow_left_disabled"))), 8);
  EXPECT_GE(tallestColumn(pictures::get(QStringLiteral("arrow_right_disabled"))), 8);
}

// ---------------------------------------------------------------- diagrams

TEST(Pictures, DiagramsAreCleanlyLaidOut) {
  for (const QString& n : diagrams()) {
    const QStringList problems = pictures::layoutProblems(n);
    EXPECT_TRUE(problems.isEmpty()) << n.toStdString() << ":\n" << problems.join(u'\n').toStdString();
  }
}

TEST(Pictures, DiagramsAreInkOnWhiteWithTheSignalColours) {
  const QSet<QString> withDisturbance{QStringLiteral("lab19"), QStringLiteral("lab20"), QStringLiteral("lab21"),
                                      QStringLiteral("lab22"), QStringLiteral("b82"),   QStringLiteral("b71"),
                                      QStringLiteral("b72"),   QStringLiteral("b73"),   QStringLiteral("b74")};
  for (const QString& n : diagrams()) {
    const QImage img = pictures::get(n);
    const std::string name = n.toStdString();
    EXPECT_EQ(img.pixelColor(0, 0).rgb(), qRgb(255, 255, 255)) << name;
    EXPECT_GT(count(img, [](QColor c) { return qGray(c.rgb()) < 64; }), 300) << name;  // boxes, lines, text
    EXPECT_GT(count(img, isRed), 5) << name << " has no red input letter";
    EXPECT_GT(count(img, isBlue), 5) << name << " has no blue output letter";
    if (withDisturbance.contains(n))
      EXPECT_GT(count(img, isMagenta), 5) << name << " has no magenta disturbance";
    else
      EXPECT_EQ(count(img, isMagenta), 0) << name;
  }
}

TEST(Pictures, ButtonsKeepAMarginAndACaptionUnderTheDiagram) {
  for (const QString& n : diagrams()) {
    const QImage img = pictures::get(n);
    if (img.size() != kButton) continue;
    const std::string name = n.toStdString();
    // Nothing touches the edge, so nothing was cut off.
    EXPECT_EQ(count(img, notWhite, QRect(0, 0, img.width(), 1)), 0) << name;
    EXPECT_EQ(count(img, notWhite, QRect(0, img.height() - 1, img.width(), 1)), 0) << name;
    EXPECT_EQ(count(img, notWhite, QRect(0, 0, 1, img.height())), 0) << name;
    EXPECT_EQ(count(img, notWhite, QRect(img.width() - 1, 0, 1, img.height())), 0) << name;
    // The caption is black text in its own band: dark pixels there, none coloured.
    const QRect band(0, 59, img.width(), img.height() - 59);
    EXPECT_GT(count(
                  img, [](QColor c) { return qGray(c.rgb()) < 100; }, band),
              40)
        << name;
    EXPECT_EQ(count(img, coloured, band), 0) << name;
  }
}

TEST(Pictures, LabLoopsLeaveRoomForTheWindowIcons) {
  const QList<QRect> icons{QRect(0, 72, 57, 37), QRect(248, 0, 57, 33), QRect(362, 72, 65, 37)};
  for (const char* n : {"lab19", "lab20", "lab21", "lab22"}) {
    const QImage img = pictures::get(QString::fromLatin1(n));
    for (const QRect& icon : icons)
      EXPECT_EQ(count(img, coloured, icon), 0) << n << " letter under the icon at " << icon.x() << "," << icon.y();
    // The windows show only the top 109 rows.
    EXPECT_EQ(count(img, notWhite, QRect(0, 109, img.width(), img.height() - 109)), 0) << n;
    // The letters stay where they can be read: G and R above the line, F left of its icon.
    EXPECT_GT(count(img, isRed, QRect(0, 0, 120, 72)), 5) << n;
    EXPECT_GT(count(img, isBlue, QRect(307, 0, 120, 72)), 5) << n;
    EXPECT_GT(count(img, isMagenta, QRect(150, 0, 98, 40)), 5) << n;
  }
}

TEST(Pictures, IntegralKeepsItsLabelsOffTheArrowEnds) {
  const QImage img = pictures::get(QStringLiteral("integral"));
  EXPECT_EQ(count(img, coloured, QRect(0, 0, 65, img.height())), 0);
  EXPECT_EQ(count(img, coloured, QRect(img.width() - 65, 0, 65, img.height())), 0);
  EXPECT_GT(count(img, isRed, QRect(65, 0, img.width() / 2 - 65, img.height())), 20);
  EXPECT_GT(count(img, isBlue, QRect(img.width() / 2, 0, img.width() / 2 - 65, img.height())), 20);
  // The arrows do run out to both ends, under the icons.
  EXPECT_GT(count(
                img, [](QColor c) { return qGray(c.rgb()) < 100; }, QRect(0, 0, 3, img.height())),
            0);
  EXPECT_GT(count(
                img, [](QColor c) { return qGray(c.rgb()) < 100; }, QRect(img.width() - 4, 0, 4, img.height())),
            0);
}

TEST(Pictures, CompoundLinksKeepTheirLettersOffTheIconsAndFormulasInk) {
  const auto dark = [](QColor c) { return qGray(c.rgb()) < 100; };
  const auto purple = [](QColor c) { return c.red() > 90 && c.blue() > 90 && c.green() < 60 && c.red() < 200; };
  for (const char* n : {"pi", "diff", "diff2", "infors"}) {
    const QImage img = pictures::get(QString::fromLatin1(n));
    EXPECT_EQ(count(img, coloured, QRect(0, 0, 65, img.height())), 0) << n;
    EXPECT_EQ(count(img, coloured, QRect(img.width() - 65, 0, 65, img.height())), 0) << n;
    EXPECT_GT(count(img, isRed), 20) << n;
    EXPECT_GT(count(img, isBlue), 20) << n;
    EXPECT_EQ(count(img, purple) > 20, QByteArray(n) == "diff2") << n << ": R2(p) in purple only in diff2";
  }
  for (const char* n : {"pi1", "diff1", "infors1", "pi3"}) {
    const QImage img = pictures::get(QString::fromLatin1(n));
    EXPECT_GT(count(img, dark), 150) << n;
    EXPECT_EQ(count(img, coloured), 0) << n;
    EXPECT_TRUE(pictures::layoutProblems(QString::fromLatin1(n)).isEmpty())
        << n << pictures::layoutProblems(QString::fromLatin1(n)).join(u'\n').toStdString();
  }
}

// The state-variable diagram of the last step is the loop the work built: the aperiodic link
// as 1/T1 · 1/p closed by k1, then the integrator 1/(T3p) as 1/T3 · 1/p, closed by k3. With
// 1/T2 in the second chain it would be 1/(T1T2p² + k1T2p + k3), another system.
TEST(Pictures, StateVariableDiagramChainsT1AndT3) {
  const QStringList texts = pictures::texts(QStringLiteral("lab9_6"));
  QStringList chain;
  for (const QString& t : texts)
    if (t == QStringLiteral("box 1/p") || t.startsWith(QStringLiteral("box 1/T_"))) chain << t;
  EXPECT_EQ(chain, QStringList({"box 1/T_1", "box 1/p", "box 1/T_3", "box 1/p"})) << texts.join(u',').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("box k_1")) && texts.contains(QStringLiteral("box k_3")));
  EXPECT_TRUE(pictures::texts(QStringLiteral("no such picture")).isEmpty());
}

// In English the words in the pictures (captions, "compensation" notes) are longer: still laid
// out cleanly, and no Russian word left.
TEST(Pictures, EnglishWordsFitAndLeaveNoRussian) {
  LanguageGuard english(language::Language::English);
  for (const QString& n : pictures::names()) {
    const QStringList problems = pictures::layoutProblems(n);
    EXPECT_TRUE(problems.isEmpty()) << n.toStdString() << ":\n" << problems.join(u'\n').toStdString();
    for (const QString& t : pictures::texts(n))
      EXPECT_FALSE(hasCyrillic(t)) << n.toStdString() << ": " << t.toStdString();
  }
  EXPECT_TRUE(pictures::texts(QStringLiteral("BIntegrZveno")).contains(QStringLiteral("text Integrating element")));
  // Drawn once per language: the Russian picture is not the English one.
  const QImage inEnglish = pictures::get(QStringLiteral("BIntegrZveno"));
  language::set(language::Language::Russian);
  EXPECT_NE(pictures::get(QStringLiteral("BIntegrZveno")), inEnglish);
}
