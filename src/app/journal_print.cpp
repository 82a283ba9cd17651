// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_print.h"

#include <QAbstractTextDocumentLayout>
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

namespace journal {

bool printDocument(const QTextDocument& doc, QPagedPaintDevice& device, const QString& header) {
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
    const QRectF top(2 * cm, 1.2 * cm, page.width() - 3.5 * cm, 0.8 * cm);
    p.drawText(top, Qt::AlignLeft | Qt::AlignBottom, header);
    p.drawLine(top.bottomLeft(), top.bottomRight());
    const QString number = QCoreApplication::translate("Journal", "Стр. %1 из %2")
                               .arg(QLocale().toString(i + 1), QLocale().toString(pages));
    p.drawText(QRectF(2 * cm, page.height() - 1.5 * cm, page.width() - 3.5 * cm, 0.8 * cm),
               Qt::AlignRight | Qt::AlignTop, number);
  }
  return p.end();
}

bool writePdf(const QTextDocument& doc, const QString& path, const QString& header, const QString& title) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QCoreApplication::applicationName());
    if (!printDocument(doc, pdf, header)) {
      file.cancelWriting();
      return false;
    }
  }
  return file.commit();
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
