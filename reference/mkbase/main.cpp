// Makes the shipped reference database mybase.dat at build time: from schema.sql, seed.sql and the
// territory classifier when the file is missing; when the file is there with an older data version
// (a working copy from an earlier build), brings its territory tables up to date as the program's
// start does, keeping what was entered into it. A current file is left alone.
// Usage: zova_mkbase <mybase.dat> <schema.sql> <seed.sql> <KOATUU.csv> <council-names.csv>

#include "common/error.h"
#include "reference/basefile.h"
#include "reference/koatuu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw zova::Error(QStringLiteral("Не вдалося прочитати файл: %1").arg(f.errorString()), path);
    return QString::fromUtf8(f.readAll());
}

void say(const QString &text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
}

// A fresh database beside the target, under a name of its own.
QString buildBeside(const QString &target, const QString &suffix, const QStringList &args)
{
    const QString path = target + suffix;
    QFile::remove(path);
    QElapsedTimer timer;
    timer.start();
    const reference::Territory territory = reference::ReadTerritory(args.at(4), args.at(5));
    reference::BuildBase(path, readText(args.at(2)), readText(args.at(3)), territory, reference::kBaseDataVersion);
    say(QStringLiteral("mybase.dat: %1 territorial units and %2 settlements in %3 ms")
            .arg(territory.units.size())
            .arg(territory.settlements.size())
            .arg(timer.elapsed()));
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: zova_mkbase <mybase.dat> <schema.sql> <seed.sql> <KOATUU.csv> <council-names.csv>\n");
        return 2;
    }
    const QString target = args.at(1);
    try {
        if (!QFileInfo::exists(target)) {
            const QString made = buildBeside(target, QStringLiteral(".part"), args);
            if (!QFile::rename(made, target))
                throw zova::Error(QStringLiteral("Не вдалося перейменувати %1 на %2").arg(made, target));
            say(QStringLiteral("Created %1").arg(target));
        } else if (reference::BaseDataVersion(target) < reference::kBaseDataVersion) {
            const QString fresh = buildBeside(target, QStringLiteral(".new"), args);
            const reference::BaseUpgrade up = reference::UpgradeWorkingBase(target, fresh);
            QFile::remove(fresh);
            say(QStringLiteral("Upgraded %1 from data version %2 to %3; the old file is kept as %4")
                    .arg(target)
                    .arg(up.fromVersion)
                    .arg(up.toVersion)
                    .arg(up.backupPath));
        }
    } catch (const zova::Error &e) {
        std::fprintf(stderr, "zova_mkbase: %s\n", e.fullText().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
