#include "reference/startup.h"

#include "reference/basefile.h"
#include "reference/baseconnection.h"
#include "reference/fonts.h"
#include "common/error.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace reference {

namespace {

const QString kBaseName = QStringLiteral("mybase.dat");

QString fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return QString();
}

} // namespace

void UpgradeWorkingCopy(const QString &workingPath, const QString &shippedPath, QString *warning)
{
    try {
        UpgradeWorkingBase(workingPath, shippedPath);
    } catch (const zova::Error &e) {
        const QString text = QStringLiteral("Довідники територій і рядків форми 6-зем у %1 не оновлено:\n%2")
                                 .arg(QDir::toNativeSeparators(workingPath), e.message());
        if (warning)
            *warning = text;
        else
            platform::MsgBox(text, platform::productTitle(), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
    }
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString PrepareWorkingBase(const QString &programDir, const QString &dataDir, QString *error)
{
    const QDir data(dataDir);
    const QString working = data.filePath(kBaseName);
    if (!data.mkpath(QStringLiteral(".")))
        return fail(error, QStringLiteral("Не вдалося створити теку даних програми:\n%1").arg(QDir::toNativeSeparators(dataDir)));
    if (QFileInfo::exists(working))
        return working;

    const QString shipped = QDir(programDir).filePath(kBaseName);
    if (!QFileInfo(shipped).isFile())
        return fail(error, QStringLiteral("Не знайдено базу даних %1").arg(QDir::toNativeSeparators(shipped)));
    // Copied under a passing name and renamed at the end, so a copy cut short never counts as the
    // working database; the rename refuses to go over a file that appeared meanwhile.
    const QString part = working + QStringLiteral(".part");
    QFile::remove(part);
    QFile source(shipped);
    if (!source.copy(part)) {
        QFile::remove(part);
        return fail(error, QStringLiteral("Не вдалося скопіювати базу даних у теку даних програми:\n%1\n%2")
                               .arg(QDir::toNativeSeparators(working), source.errorString()));
    }
    // The shipped file may be read-only where the program is installed; the working copy is the
    // operator's to change.
    QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner);
    if (!QFile::rename(part, working)) {
        QFile::remove(part);
        if (!QFileInfo::exists(working))
            return fail(error, QStringLiteral("Не вдалося скопіювати базу даних у теку даних програми:\n%1")
                                   .arg(QDir::toNativeSeparators(working)));
    }
    return working;
}

bool StartUp(const QString &programDir, const QString &dataDir)
{
    if (FontsNeedDefaults() && !WriteDefaultFonts()) {
        ReportFontsNotStored();
        // The file holds no fonts to load: the documents of this run take the defaults all the
        // same, where they would take a nameless font of size 0.
        UseDefaultFonts();
    } else {
        LoadFonts();
    }

    QString error, notUpgraded;
    const QString base = PrepareWorkingBase(programDir, dataDir, &error);
    if (!base.isEmpty())
        UpgradeWorkingCopy(base, QDir(programDir).filePath(kBaseName), &notUpgraded);
    // A copy that cannot be opened ends the start with that one message: an upgrade that failed
    // on it failed for the same cause.
    if (base.isEmpty() || !OpenBase(base, &error)) {
        platform::MsgBox(error, platform::productTitle(), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
        return false;
    }
    if (!notUpgraded.isEmpty())
        platform::MsgBox(notUpgraded, platform::productTitle(), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
    return true;
}

} // namespace reference
