#pragma once

#include <QString>

// The guidance texts, kept as UTF-8 resources with their CR LF line ends, as they were
// written; asBoxText gives them as a text box shows them.
QString howToText();  // "Karvela Nasıl Yapılır?"
QString zakatText();  // "Zekât, Kurban ve Sadaka-ı Fıtr İskatı"
QString rightsText(); // "KUL VE HAYVAN HAKLARI"

// The text as a text box holds it: one line break for each CR LF.
QString asBoxText(const QString &text);
