#include "tests/support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace testsupport {

QString sourceDir() { return QStringLiteral(ZOVA_SOURCE_DIR); }
QString programDir() { return QStringLiteral(ZOVA_PROGRAM_DIR); }

QString tempDir()
{
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path();
}

QString sourcePath(const QString &relative)
{
    return QDir(sourceDir()).filePath(relative);
}

} // namespace testsupport
