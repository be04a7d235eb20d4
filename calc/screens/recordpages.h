#pragma once

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// The devir record on paper: A4 pages with its title at the top of each and
// "Sayfa 1 / 3" at the foot, every line of it drawn, its last included.

// Lays the record out on the pages of `device`; a heading never ends a page. False
// when the device cannot be painted on.
bool paintRecord(const QTextDocument &record, const QString &heading, QPagedPaintDevice &device);

// Writes the record as a PDF to `path`, whole or not at all: nothing half-written is
// left under that name. False when it could not be written.
bool writeRecordPdf(const QTextDocument &record, const QString &heading, const QString &path);
