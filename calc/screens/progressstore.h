#pragma once

#include "calc/ceremonybook.h"
#include "common/backgroundwriter.h"

#include <QObject>

#include <optional>

// Keeps the ceremony's progress on the disk after every tick, whole or not at all and
// off the window's thread: in the case's iskât file where the case came from one or was
// saved to one, otherwise in one file of the program's data folder. The data folder
// also holds a note naming where the progress is while the ceremony is unfinished, so
// that the next start finds a ceremony a crash or a power cut left half done.
class ProgressStore : public QObject
{
    Q_OBJECT
public:
    explicit ProgressStore(CeremonyBook &ceremony);

    // Where the note says an unfinished ceremony was kept; none when there is no note.
    static std::optional<QString> unfinished();
    // Forgets the unfinished ceremony: the note, and the progress where it was kept in
    // the data folder. A case's own file is left as it is.
    void forget();
    // The progress of a case just opened: it is on the disk already, and opening a file
    // does not write it.
    void adopt(const std::optional<CeremonyProgress> &opened) { m_kept = opened; }
    // Returns once every write asked for so far is on the disk.
    void waitForDone();

    // The data folder's own progress file, and the note.
    static QString dataFile();
    static QString noteFile();

private:
    void keep();

    CeremonyBook &m_ceremony;
    BackgroundWriter m_writer;
    std::optional<CeremonyProgress> m_kept;
    QString m_keptAt;
    QString m_noted;
};
