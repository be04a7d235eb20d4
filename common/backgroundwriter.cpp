#include "common/backgroundwriter.h"

#include "common/wholefile.h"

#include <QFile>
#include <QMetaObject>

BackgroundWriter::BackgroundWriter()
{
    m_worker.moveToThread(&m_thread);
    m_thread.start();
}

BackgroundWriter::~BackgroundWriter()
{
    waitForDone();
    m_thread.quit();
    m_thread.wait();
}

void BackgroundWriter::write(const QString &path, const QByteArray &bytes)
{
    ask(path, bytes);
}

void BackgroundWriter::remove(const QString &path)
{
    ask(path, std::nullopt);
}

void BackgroundWriter::ask(const QString &path, const std::optional<QByteArray> &bytes)
{
    bool queued = false;
    {
        QMutexLocker locker(&m_mutex);
        queued = m_pending.contains(path);
        m_pending.insert(path, bytes);
    }
    if (!queued)
        QMetaObject::invokeMethod(
            &m_worker, [this, path] { writeLatest(path); }, Qt::QueuedConnection);
}

void BackgroundWriter::writeLatest(const QString &path)
{
    std::optional<QByteArray> bytes;
    {
        QMutexLocker locker(&m_mutex);
        bytes = m_pending.take(path);
    }
    std::optional<QString> why;
    if (bytes)
        why = writeWholeFile(path, *bytes);
    else if (QFile::exists(path) && !QFile::remove(path))
        why = QStringLiteral("dosya silinemedi.");
    // Queued to the thread that made the writer, where its signals are received.
    QMetaObject::invokeMethod(
        this, [this, path, why] { why ? emit failed(path, *why) : emit written(path); }, Qt::QueuedConnection);
}

void BackgroundWriter::waitForDone()
{
    QMetaObject::invokeMethod(
        &m_worker, [] {}, Qt::BlockingQueuedConnection);
}
