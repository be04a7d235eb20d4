#pragma once

#include <QString>

#include <optional>

class QPagedPaintDevice;
class QTextDocument;

// The devir record on paper: A4 pages with its title at the top of each and
// "Sayfa 1 / 3" at the foot, every line of it drawn, its last included.

// Lays the record out on the pages of `device`; a heading never ends a page. False
// when the device cannot be painted on.
bool paintRecord(const QTextDocument &record, const QString &heading, QPagedPaintDevice &device);

// Writes the record as a PDF to `path`, whole or not at all: an earlier file of that
// name stays as it was when the save fails. Nothing on success, else why it failed.
std::optional<QString> writeRecordPdf(const QTextDocument &record, const QString &heading, const QString &path);
