// Checks pictures of the night pages for colours that are not red enough: prints how many
// pixels of each picture fail, then the total, and draws where they are into a picture of
// marks beside each failing one. Exits 1 when any pixel fails, 2 when there is nothing to
// check, a picture cannot be read or shows nothing (a black picture passes every pixel).

#include "NightPixels.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Counts the pixels of night pictures where max(G, B) > max(24, R / 4)."));
    parser.addHelpOption();
    const QCommandLineOption marksOption(
        QStringLiteral("marks"),
        QStringLiteral("Folder for the pictures of marks (default: marks/ beside each picture)."),
        QStringLiteral("dir"));
    parser.addOption(marksOption);
    parser.addPositionalArgument(QStringLiteral("pictures"),
                                 QStringLiteral("PNG files, or folders of them."));
    parser.process(app);

    QStringList files;
    for (const QString& argument : parser.positionalArguments()) {
        const QFileInfo info(argument);
        if (!info.isDir()) {
            files << argument;
            continue;
        }
        const QDir dir(argument);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no pictures to check\n");
        return 2;
    }

    qsizetype total = 0;
    int failingPictures = 0;
    bool unreadable = false;
    for (const QString& file : files) {
        const QImage picture(file);
        if (picture.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            unreadable = true;
            continue;
        }
        // Text and controls at night are reds well above half their range: a picture without
        // any shows a window that drew nothing, which says nothing about its colours.
        int brightest = 0;
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                brightest = std::max(brightest, qRed(rgb.pixel(x, y)));
        if (brightest < 128) {
            std::fprintf(stderr, "%s shows nothing (its brightest red is %d)\n", qPrintable(file),
                         brightest);
            unreadable = true;
            continue;
        }
        QImage marks;
        const qsizetype failing = JEX::countNightFailures(picture, &marks);
        const QFileInfo info(file);
        std::printf("%9lld  %s\n", static_cast<long long>(failing), qPrintable(info.fileName()));
        if (failing == 0)
            continue;
        total += failing;
        ++failingPictures;
        const QDir marksDir(parser.isSet(marksOption)
                                ? parser.value(marksOption)
                                : info.dir().filePath(QStringLiteral("marks")));
        marksDir.mkpath(QStringLiteral("."));
        const QString marksFile =
            marksDir.filePath(info.completeBaseName() + QStringLiteral("-failing.png"));
        if (!marks.save(marksFile)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(marksFile));
            unreadable = true;
        }
    }
    std::printf("%9lld  in all: failing pixels in %d of %lld pictures\n",
                static_cast<long long>(total), failingPictures,
                static_cast<long long>(files.size()));
    if (unreadable)
        return 2;
    return total > 0 ? 1 : 0;
}
