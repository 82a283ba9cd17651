// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal's document on paper and in PDF: paginated, whose record it is on every page.
#include <QString>

#include "journal.h"

class QPagedPaintDevice;
class QTextDocument;

namespace journal {

// Lays doc out on the device's pages and paints them, the student's line above the text and
// the page number below it on every page. False when the device cannot be painted on.
bool printDocument(const QTextDocument& doc, QPagedPaintDevice& device, const Student& student);
// The whole PDF of doc (A4) in memory; empty when it could not be painted.
QByteArray pdfBytes(const QTextDocument& doc, const Student& student, const QString& title);
// Writes doc to path as an A4 PDF. The file is replaced only once the whole PDF is on the
// disk: a failure at any step (painting, a write cut short by a full disk, the final rename)
// leaves the file that was there as it was. On failure, error says why when given.
bool writePdf(const QTextDocument& doc, const QString& path, const Student& student, const QString& title,
              QString* error = nullptr);
// Whether a PDF can be written at path later: its folder exists and takes a new file, and
// the path is not a folder or a read-only file. Creates nothing that stays.
bool canWritePdf(const QString& path);

}  // namespace journal
