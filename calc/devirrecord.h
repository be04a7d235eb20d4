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

// The guidance's own words the record quotes, as "Karvela Nasıl Yapılır?" and the
// screens of the two closing rounds say them, with their lines joined.
namespace Quoted {
// What is said at each hand-over.
inline const QString handover = QStringLiteral(
    "Vefat edenin velisi veya vekili altını fakire verirken şöyle der: \"Falan oğlu (kızı) falanın şu kadar "
    "namaz borcuna karşılık bu altını sana iskât olarak verdim.\" Fakir de altını alıp \"Kabul ettim, ben de "
    "bunu sana hibe ettim.\" der ve altını geri verir.");
inline const QString zakatRound = QStringLiteral("Eldeki altınlarla, ihtiyaten bir kere de, zekat, kurban ve "
                                                 "sadaka-ı fıtr gibi hukuka ait hakların iskatı için devir yapılır.");
inline const QString rightsRound = QStringLiteral("Son olarak ihtiyaten bir devir de, kul ve hayvan hakları için "
                                                  "yapılır.");
inline const QString kefarets = QStringLiteral(
    "Yemin ve oruç kefaretleri için devir yapılmaz: mutlaka fakirlere ayrı ayrı olmak üzere, yemin için 10 fakire "
    "ve oruç için 60 fakire birer fıtra verilir.");
} // namespace Quoted
