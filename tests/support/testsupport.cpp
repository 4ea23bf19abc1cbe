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

ScopedEnv::ScopedEnv(const char *name, const QByteArray &value)
    : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
{
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

} // namespace testsupport
