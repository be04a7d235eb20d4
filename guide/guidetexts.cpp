#include "guide/guidetexts.h"

#include <QFile>

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("guidance text %s is missing from the resources", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString howToText()
{
    return resourceText(QStringLiteral(":/guide/form1.txt"));
}

QString zakatText()
{
    return resourceText(QStringLiteral(":/guide/form3.txt"));
}

QString rightsText()
{
    return resourceText(QStringLiteral(":/guide/form4.txt"));
}

QString asBoxText(const QString &text)
{
    QString box = text;
    box.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return box;
}
