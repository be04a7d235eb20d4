#pragma once

#include "calc/ceremony.h"
#include "calc/screencase.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// An iskât file (.karvela): a case saved with its names and the day's prices, to be
// opened again and calculated as it was. UTF-8 JSON:
//   {"format": "karvela-iskat", "version": 1, "program": "Karvela 1.0.0",
//    "names": {"deceased": "Ayşe", "father": "Ahmet", "guardian": "Mehmet"},
//    "prayers": {"wheatPrice": 11, "goldPrice": 4100, "hijriAge": 75, "sex": "kadın",
//                "goldAtHand": 30, "poorPeople": 3, "goldCalculated": true,
//                "roundsCounted": true, "pricesDay": "2026-12-09"},
//    "fasts": {...},
//    "progress": {"handoversDone": 7, "began": "2026-12-09T09:41:00+03:00", "ended": null,
//                 "prayers": {...}, "fasts": {...}}}
// Figures are numbers, never typed text, so that a file written on a Turkish system
// reads the same on an English one; a box that held no number is null.

// What differs between two of a screen's cases that would change its plan of rounds,
// for a sentence: "namaz ekranının altın fiyatı", "oruç ekranının cinsiyeti". The day
// the prices were used changes no plan.
QStringList planChanges(const ScreenCase &was, const ScreenCase &now, Expiation expiation);

// How far the ceremony has been carried out on screen: the hand-overs done, in order,
// when the first and the last were ticked, and the screens' figures the plan of rounds
// came from, so that progress is never counted against another plan.
struct CeremonyProgress
{
    qint64 handoversDone = 0;
    QDateTime began = {}; // with its offset from UTC
    QDateTime ended = {}; // set once the last hand-over is ticked
    ScreenCase prayers = {};
    ScreenCase fasts = {};

    bool operator==(const CeremonyProgress &) const = default;
};

// How many hand-overs the plan of the progress's own figures has.
qint64 plannedHandovers(const CeremonyProgress &progress);

struct IskatCase
{
    CeremonyNames names = {};
    ScreenCase prayers = {};
    ScreenCase fasts = {};
    std::optional<CeremonyProgress> progress = std::nullopt;

    bool operator==(const IskatCase &) const = default;
};

// Version 2 added the ceremony's progress; a file of version 1 reads as it did.
inline constexpr int iskatFileVersion = 2;
// No case comes near this; a larger file is not one.
inline constexpr qint64 maxIskatFileBytes = 1024 * 1024;

QByteArray writeIskatFile(const IskatCase &iskat);

// The case the bytes of a file hold, or why they hold none, in Turkish words that
// follow the file's name: "dosyanın biçim sürümü 2; ...". Never a case from bytes that
// a saved file could not be, nor one whose figures the screens cannot calculate, nor
// one whose prices were used on a day after tomorrow (`today` + 1), nor one whose
// progress contradicts itself (more hand-overs done than its own plan has, a ceremony
// begun after tomorrow).
std::variant<IskatCase, QString> readIskatFile(const QByteArray &bytes, QDate today);

// Writes the case to `path` whole or not at all: an earlier file of that name stays
// as it was when the save fails. Nothing on success, else why it failed, in Turkish.
std::optional<QString> saveIskatFile(const IskatCase &iskat, const QString &path);
// The case in the file at `path`, or why there is none: not a file, unreadable, too
// large, or what readIskatFile finds.
std::variant<IskatCase, QString> loadIskatFile(const QString &path, QDate today);
