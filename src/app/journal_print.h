// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal's document on paper and in PDF: paginated, whose record it is on every page.
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace journal {

// Lays doc out on the device's pages and paints them, the header line above the text and the
// page number below it on every page. False when the device cannot be painted on.
bool printDocument(const QTextDocument& doc, QPagedPaintDevice& device, const QString& header);
// Writes doc to path as an A4 PDF; the file is replaced only once the whole PDF is written.
bool writePdf(const QTextDocument& doc, const QString& path, const QString& header, const QString& title);
// Whether a PDF can be written at path later: its folder exists and takes a new file, and
// the path is not a folder or a read-only file. Creates nothing that stays.
bool canWritePdf(const QString& path);

}  // namespace journal
