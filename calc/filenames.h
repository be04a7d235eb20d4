#pragma once

#include <QDate>
#include <QString>

// The names a saved record and a saved case are proposed under, on one stem:
// "karvela-iskat-2026-12-09.pdf", "karvela-iskat-Ayşe-Yılmaz-2026-12-09.karvela".

// The devir record's PDF, as of `date`.
QString devirRecordFileName(QDate date);

// An iskât file for `deceased`, as of `day`: the name kept as typed, only the blanks and
// the characters no file system takes turned into hyphens; just the day for no name.
QString iskatFileName(const QString &deceased, QDate day);
