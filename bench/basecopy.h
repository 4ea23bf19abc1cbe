#pragma once

// A copy of the built reference database for a benchmark, so that no run writes into the build's own.

#include "reference/baseconnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

namespace bench {

/// Copies `programDir`'s mybase.dat into `folder` (a copy already there stays), lets the owner
/// write it and opens it; false, with the reason in `error` when asked, when it does not open.
inline bool OpenCopyOfBase(const QString &folder, const QString &programDir, QString *error = nullptr)
{
    const QString base = QDir(folder).filePath(QStringLiteral("mybase.dat"));
    QFile::copy(QDir(programDir).filePath(QStringLiteral("mybase.dat")), base);
    QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner);
    return reference::OpenBase(base, error);
}

/// The program folder of a benchmark of the build: benchmarks live in bench/, the program folder
/// is its parent.
inline QString BuildProgramDir()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
}

} // namespace bench
