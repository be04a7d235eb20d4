#include "calc/filenames.h"

namespace {

const QString stem = QStringLiteral("karvela-iskat");

} // namespace

QString devirRecordFileName(QDate date)
{
    return QStringLiteral("%1-%2.pdf").arg(stem, date.toString(Qt::ISODate));
}

QString iskatFileName(const QString &deceased, QDate day)
{
    // Turkish letters are kept: every file system Karvela runs on takes them.
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString name;
    for (const QChar c : deceased.simplified()) {
        const bool unfit = c.isSpace() || forbidden.contains(c) || c.category() == QChar::Other_Control;
        if (!unfit)
            name += c;
        else if (!name.endsWith(u'-'))
            name += u'-';
    }
    while (name.endsWith(u'-'))
        name.chop(1);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    const QString part = name.isEmpty() ? QString() : name + u'-';
    return QStringLiteral("%1-%2%3.karvela").arg(stem, part, day.toString(Qt::ISODate));
}
