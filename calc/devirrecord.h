#pragma once

#include "calc/ceremony.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The devir record of the whole ceremony, in Turkish and as HTML for a text document,
// written from the ceremony's data in one pass: a summary, then each part in the order
// it is carried out with its inputs, its steps as one would check them by hand and its
// rounds as a checklist numbered through the ceremony, then the kefarets. Figures are
// written by the locale in force, grouped. `notice`, when given, stands at the top:
// why the record is not to be printed as it is.
QString devirRecordHtml(const Ceremony &ceremony, QDate date, const QString &notice = {});

// The record's title, its heading's, its pages' and its PDF's: "DEVİR ÇİZELGESİ".
QString devirRecordTitle();
// The name its PDF is proposed under: karvela-iskat-2026-12-09.pdf.
QString devirRecordFileName(QDate date);
// The day, with Turkish month and weekday whatever the locale: "9 Aralık 2026 Çarşamba".
QString recordDate(QDate date);

// The guidance's own words the record quotes, each as the guidance screens show it
// with its lines joined: what is said at each hand-over, the two closing rounds and
// the kefarets.
QStringList quotedGuidance();
