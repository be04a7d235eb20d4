#pragma once

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Each input is tried under both locales the program meets most: Turkish (decimal
// comma, grouping point) and English (the other way round).
inline const QLocale fuzzLocales[] = {QLocale(QLocale::Turkish, QLocale::Turkey),
                                      QLocale(QLocale::English, QLocale::UnitedStates)};

inline QString fuzzText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A broken property is a crash, which libFuzzer reports with the input that caused it.
#define FUZZ_REQUIRE(condition)                                                                                        \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            std::abort();                                                                                              \
    } while (false)
