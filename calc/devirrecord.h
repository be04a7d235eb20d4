#pragma once

#include "calc/ceremony.h"
#include "calc/words.h"

#include <QDate>
#include <QString>

// The devir record of the whole ceremony, in Turkish and as HTML for a text document,
// written from the ceremony's data in one pass: the names, a summary, how a round is
// carried out, then each part in the order it is carried out with the words said at
// its hand-overs, its inputs, its steps as one would check them by hand and its
// rounds as a checklist numbered through the ceremony, then the kefarets and a place
// to sign. The record is a Turkish document, to be read aloud and checked on paper:
// its figures are written the Turkish way ("3.800", "8,14") whatever the locale in
// force, as its dates are; only the screens follow the locale. `notice`, when given,
// stands at the top: why the record is not to be printed as it is.
QString devirRecordHtml(const Ceremony &ceremony, QDate date, const QString &notice = {});

// The record's title, its heading's, its pages' and its PDF's: "DEVİR ÇİZELGESİ".
QString devirRecordTitle();
// The day, with Turkish month and weekday whatever the locale: "9 Aralık 2026 Çarşamba".
QString recordDate(QDate date);
// A part as the record heads it: "Namaz iskâtı", "Zekât, kurban ve sadaka-ı fıtr için devir".
QString partTitle(CeremonyPart::Kind kind);
// Gold as the record writes it: "30 g", "12,88 g", "0,125 g".
QString writtenGrams(qint64 units, int decimals);
