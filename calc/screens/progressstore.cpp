#include "calc/screens/progressstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

ProgressStore::ProgressStore(CeremonyBook &ceremony) : m_ceremony(ceremony)
{
    connect(&ceremony, &CeremonyBook::progressChanged, this, &ProgressStore::keep);
    connect(&m_writer, &BackgroundWriter::failed, this, [this](const QString &path, const QString &why) {
        m_ceremony.setKeepTrouble(
            QStringLiteral("İlerleme \"%1\" dosyasına kaydedilemedi: %2").arg(QDir::toNativeSeparators(path), why));
    });
    connect(&m_writer, &BackgroundWriter::written, this, [this](const QString &path) {
        if (path == m_keptAt && !m_ceremony.keepTrouble().isEmpty())
            m_ceremony.setKeepTrouble({});
    });
}

QString ProgressStore::dataFile()
{
    return QDir(dataFolder()).filePath(QStringLiteral("devir.karvela"));
}

QString ProgressStore::noteFile()
{
    return QDir(dataFolder()).filePath(QStringLiteral("yarim-kalan-devir.txt"));
}

std::optional<QString> ProgressStore::unfinished()
{
    QFile note(noteFile());
    if (!note.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString path = QString::fromUtf8(note.read(4096)).trimmed();
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

void ProgressStore::keep()
{
    const std::optional<CeremonyProgress> &progress = m_ceremony.progress();
    // The progress is written when it changed: a note of trouble changes nothing to keep.
    if (!progress || progress == m_kept)
        return;
    m_kept = progress;
    QDir().mkpath(dataFolder());
    // Absolute, so that the note leads to it from wherever the program is started next.
    m_keptAt = QFileInfo(m_ceremony.casePath().isEmpty() ? dataFile() : m_ceremony.casePath()).absoluteFilePath();
    m_writer.write(m_keptAt, writeIskatFile(m_ceremony.savedCase()));
    if (progress->ended.isValid()) {
        m_writer.remove(noteFile());
        m_noted.clear();
    } else if (m_noted != m_keptAt) {
        m_writer.write(noteFile(), m_keptAt.toUtf8());
        m_noted = m_keptAt;
    }
}

void ProgressStore::forget()
{
    const std::optional<QString> kept = unfinished();
    m_writer.remove(noteFile());
    if (kept && QDir::cleanPath(*kept) == QDir::cleanPath(dataFile()))
        m_writer.remove(dataFile());
    m_noted.clear();
    waitForDone();
}

void ProgressStore::waitForDone()
{
    m_writer.waitForDone();
}
