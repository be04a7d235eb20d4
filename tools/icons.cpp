// Writes the application icon as the files the program and a desktop need: the
// designed icon for the executable, square PNGs for the hicolor theme and a
// Windows .ico, all drawn by the program's own icon code.

#include "common/ui/icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

namespace {

// The designed icon is 594 × 590; icon themes want squares.
QImage squareIcon(int size)
{
    const QImage source = applicationIconImage().convertToFormat(QImage::Format_ARGB32);
    QImage square(size, size, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage scaled = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return square;
}

} // namespace

int main(int argc, char **argv)
{
    // karvela-icons FOLDER SIZE...: the square sizes the desktop's icon theme takes.
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(folder.path());

    // The designed icon itself, 594 × 590 in 8-bit colour, which the program embeds:
    // choosing its 256 colours takes longer than the rest of start-up together.
    bool ok = applicationIconImage().save(folder.filePath(QStringLiteral("karvela-app.png")));
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        ok &= size > 0 && squareIcon(size).save(folder.filePath(QStringLiteral("karvela-%1.png").arg(size)));
    }
    // The .ico holds the designed picture itself, for the Windows executable.
    ok &= QImageWriter::supportedImageFormats().contains("ico") &&
          squareIcon(256).save(folder.filePath(QStringLiteral("karvela.ico")));
    return ok ? 0 : 1;
}
