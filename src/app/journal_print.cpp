// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_print.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

#include "journal_report.h"

namespace journal {

bool printDocument(const QTextDocument& doc, QPagedPaintDevice& device, const Student& student) {
  QPainter p;
  if (!p.begin(&device)) return false;
  // The copy is laid out in the device's own pixels, so the page breaks are the device's.
  std::unique_ptr<QTextDocument> copy(doc.clone());
  copy->documentLayout()->setPaintDevice(&device);
  const double cm = device.logicalDpiY() / 2.54;
  // Frame margins are given at 96 dpi (the layout scales them to the device); the page
  // size and the painting below are in the device's pixels.
  const double layoutCm = 96 / 2.54;
  QTextFrameFormat frame = copy->rootFrame()->frameFormat();
  frame.setLeftMargin(2 * layoutCm);
  frame.setRightMargin(1.5 * layoutCm);
  frame.setTopMargin(2.5 * layoutCm);
  frame.setBottomMargin(2 * layoutCm);
  copy->rootFrame()->setFrameFormat(frame);
  const QSizeF page(device.width(), device.height());
  copy->setPageSize(page);
  const int pages = copy->pageCount();

  QFont small = copy->defaultFont();
  small.setPointSizeF(9);
  const QRectF top(2 * cm, 1.2 * cm, page.width() - 3.5 * cm, 0.8 * cm);
  const QString header = pageHeader(student, QFontMetricsF(small, &device), top.width());
  for (int i = 0; i < pages; ++i) {
    if (i > 0 && !device.newPage()) return false;
    p.save();
    const QRectF view(0, i * page.height(), page.width(), page.height());
    p.translate(0, -view.top());
    p.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = view;
    copy->documentLayout()->draw(&p, ctx);
    p.restore();

    p.setFont(small);
    p.setPen(Qt::black);
    p.drawText(top, Qt::AlignLeft | Qt::AlignBottom, header);
    p.drawLine(top.bottomLeft(), top.bottomRight());
    const QString number = QCoreApplication::translate("Journal", "Стр. %1 из %2")
                               .arg(QLocale().toString(i + 1), QLocale().toString(pages));
    p.drawText(QRectF(2 * cm, page.height() - 1.5 * cm, page.width() - 3.5 * cm, 0.8 * cm),
               Qt::AlignRight | Qt::AlignTop, number);
  }
  return p.end();
}

QByteArray pdfBytes(const QTextDocument& doc, const Student& student, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QCoreApplication::applicationName());
    if (!printDocument(doc, pdf, student)) return {};
  }
  // The writer finishes the file when it goes; a PDF without its trailer is no PDF.
  if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF")) return {};
  return bytes;
}

bool writePdf(const QTextDocument& doc, const QString& path, const Student& student, const QString& title,
              QString* error) {
  const auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  // The PDF is made in memory first, so that what goes to the disk is checked byte for byte:
  // the writer itself reports nothing of a write cut short.
  const QByteArray bytes = pdfBytes(doc, student, title);
  if (bytes.isEmpty()) return fail(QCoreApplication::translate("Journal", "документ не удалось подготовить"));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    const QString why = file.errorString();
    file.cancelWriting();
    return fail(why);
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}

bool canWritePdf(const QString& path) {
  if (path.trimmed().isEmpty()) return false;
  const QFileInfo info(path);
  if (info.isDir()) return false;
  if (info.exists() && !info.isWritable()) return false;
  const QDir dir = info.absoluteDir();
  if (!dir.exists()) return false;
  // Permission bits do not tell everything (a read-only mount, a root-owned folder seen by
  // root): a probe file says whether the folder takes a new file now.
  QTemporaryFile probe(dir.filePath(QStringLiteral(".lumeq-XXXXXX")));
  return probe.open();
}

}  // namespace journal
