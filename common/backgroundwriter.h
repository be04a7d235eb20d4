#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <optional>

// Writes files whole, through writeWholeFile, on a thread of its own, so that a slow
// disk never holds up the window that asked. A file asked for again before its turn is
// written once, with the latest bytes; files are written in the order first asked.
class BackgroundWriter : public QObject
{
    Q_OBJECT
public:
    BackgroundWriter();
    ~BackgroundWriter() override; // after the writes asked for are done

    void write(const QString &path, const QByteArray &bytes);
    // Removes the file at `path` in its turn; a file that is not there is no failure.
    void remove(const QString &path);
    // Returns once every write asked for so far is done.
    void waitForDone();

signals:
    // On the thread that made the writer.
    void failed(const QString &path, const QString &why);
    void written(const QString &path);

private:
    void ask(const QString &path, const std::optional<QByteArray> &bytes);
    void writeLatest(const QString &path);

    QThread m_thread;
    QObject m_worker; // lives on m_thread; the writes run as its queued calls
    QMutex m_mutex;
    QHash<QString, std::optional<QByteArray>> m_pending; // none: remove the file
};
