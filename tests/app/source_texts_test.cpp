// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every Russian text of the program goes through the translation: no string literal with a
// Cyrillic letter stands in src/ outside tr(), QCoreApplication::translate() or the
// QT_TR_NOOP / QT_TRANSLATE_NOOP marks, except the few that are read, not shown.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QStringList>

namespace {

struct Token {
  enum Kind { Word, Literal, Punct } kind;
  QString text;  // a literal's contents without quotes
  int line;
};

bool cyrillic(const QString& s) {
  for (QChar c : s)
    if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
  return false;
}

// Identifiers, string literals (adjacent ones kept apart) and single punctuation characters;
// comments, character literals and numbers are dropped.
std::vector<Token> tokens(const QString& src) {
  std::vector<Token> out;
  int line = 1;
  const qsizetype n = src.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = src[i];
    if (c == u'\n') ++line;
    if (c.isSpace()) {
      ++i;
    } else if (src.mid(i, 2) == QLatin1String("//")) {
      while (i < n && src[i] != u'\n') ++i;
    } else if (src.mid(i, 2) == QLatin1String("/*")) {
      const qsizetype end = src.indexOf(QLatin1String("*/"), i + 2);
      const qsizetype stop = end < 0 ? n : end + 2;
      line += static_cast<int>(src.mid(i, stop - i).count(u'\n'));
      i = stop;
    } else if (c == u'R' && src.mid(i, 2) == QLatin1String("R\"")) {
      const qsizetype open = src.indexOf(u'(', i);
      const QString close = u')' + src.mid(i + 2, open - i - 2) + u'"';
      const qsizetype end = src.indexOf(close, open);
      const qsizetype stop = end < 0 ? n : end + close.size();
      out.push_back({Token::Literal, src.mid(open + 1, end - open - 1), line});
      line += static_cast<int>(src.mid(i, stop - i).count(u'\n'));
      i = stop;
    } else if (c == u'"' || c == u'\'') {
      qsizetype j = i + 1;
      while (j < n && src[j] != c && src[j] != u'\n') j += src[j] == u'\\' ? 2 : 1;
      if (c == u'"') out.push_back({Token::Literal, src.mid(i + 1, j - i - 1), line});
      i = j + 1;
    } else if (c.isLetterOrNumber() || c == u'_') {
      qsizetype j = i;
      while (j < n && (src[j].isLetterOrNumber() || src[j] == u'_')) ++j;
      out.push_back({Token::Word, src.mid(i, j - i), line});
      i = j;
    } else {
      out.push_back({Token::Punct, QString(c), line});
      ++i;
    }
  }
  return out;
}

bool is(const std::vector<Token>& t, qsizetype i, const QString& text) {
  return i >= 0 && i < qsizetype(t.size()) && t[i].kind != Token::Literal && t[i].text == text;
}

// The literal at i is a source text of the translation: the first argument of tr() or
// QT_TR_NOOP(), or the second of translate() or QT_TRANSLATE_NOOP() after a context literal.
bool translated(const std::vector<Token>& t, qsizetype i) {
  while (i > 0 && t[i - 1].kind == Token::Literal) --i;  // "…" "…" is one text
  if (is(t, i - 1, "(") && (is(t, i - 2, "tr") || is(t, i - 2, "QT_TR_NOOP"))) return true;
  if (!is(t, i - 1, ",") || i < 2 || t[i - 2].kind != Token::Literal) return false;
  return is(t, i - 3, "(") &&
         (is(t, i - 4, "translate") || is(t, i - 4, "QT_TRANSLATE_NOOP") || is(t, i - 4, "QT_TRANSLATE_NOOP3"));
}

// Russian texts that are read rather than shown, by file and text.
const QSet<QString> kExceptions{
    // The astatism model's own record of its windows' Russian texts, which the tests compare
    // the windows against; the windows word theirs through the translation.
    QStringLiteral("labs/astatism/astatism_model.cpp: Астатизм САУ. Лаб №"),
    QStringLiteral("labs/astatism/astatism_model.cpp: Схема №"),
};

TEST(SourceTexts, NoRussianTextOutsideTheTranslation) {
  const QString root = QStringLiteral(LUMEQ_SOURCE_DIR);
  QStringList found;
  int files = 0;
  for (QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    const QString path = it.next();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    ++files;
    const QString name = path.mid(root.size() + 1);
    const std::vector<Token> t = tokens(QString::fromUtf8(f.readAll()));
    for (qsizetype i = 0; i < qsizetype(t.size()); ++i)
      if (t[i].kind == Token::Literal && cyrillic(t[i].text) && !translated(t, i) &&
          !kExceptions.contains(name + QStringLiteral(": ") + t[i].text))
        found << QStringLiteral("%1:%2: \"%3\"").arg(name).arg(t[i].line).arg(t[i].text);
  }
  EXPECT_GT(files, 100);
  EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

TEST(SourceTexts, TheScanTellsMarkedTextsFromBareOnes) {
  const auto bare = [](const QString& src) {
    const std::vector<Token> t = tokens(src);
    QStringList b;
    for (qsizetype i = 0; i < qsizetype(t.size()); ++i)
      if (t[i].kind == Token::Literal && cyrillic(t[i].text) && !translated(t, i)) b << t[i].text;
    return b;
  };
  EXPECT_EQ(bare(QStringLiteral("tr(\"а\"); QCoreApplication::translate(\"x\", \"б\" \"в\"); "
                                "QT_TRANSLATE_NOOP(\"x\", \"г\"); // \"д\"\n/* \"е\" */ f('\"', \"ж\");")),
            QStringList{"ж"});
  EXPECT_EQ(bare(QStringLiteral("QStringLiteral(\"з\"); translate(\"и\"); g(\"x\", \"к\"); s = R\"(л)\";")),
            (QStringList{"з", "и", "к", "л"}));
}

}  // namespace
