#pragma once

#include <QString>

// The guidance texts, kept as UTF-8 resources exactly as they are shown (CR LF line ends).
QString howToText();          // "Karvela Nasıl Yapılır?"
QString zakatText();          // "Zekât, Kurban ve Sadaka-ı Fıtr İskatı"
QString rightsText();         // "KUL VE HAYVAN HAKLARI"

// The text as a text box holds it: one line break for each CR LF.
QString asBoxText(const QString &text);
