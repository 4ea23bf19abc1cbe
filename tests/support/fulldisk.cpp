#include "tests/support/fulldisk.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace testsupport {

namespace {

bool mountTmpfs(const QString &dir)
{
    return ::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=1m") == 0;
}

void unmount(const QString &dir)
{
    ::umount2(QFile::encodeName(dir).constData(), MNT_DETACH);
}

QString fillerOf(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral(".filler"));
}

} // namespace

std::vector<FullDisk::Way> FullDisk::ways()
{
    static const bool tmpfs = [] {
        QTemporaryDir probe;
        if (!mountTmpfs(probe.path()))
            return false;
        unmount(probe.path());
        return true;
    }();
    if (tmpfs)
        return {SizeLimit, Tmpfs};
    return {SizeLimit};
}

const char *FullDisk::name(Way way)
{
    return way == Tmpfs ? "full tmpfs" : "file size limit";
}

FullDisk::FullDisk(Way way) : m_way(way)
{
    if (way == Tmpfs)
        m_mounted = mountTmpfs(m_dir.path());
}

FullDisk::~FullDisk()
{
    release();
    if (m_mounted)
        unmount(m_dir.path());
}

void FullDisk::fill(qint64 room)
{
    if (m_way == SizeLimit) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        m_oldLimit = limit.rlim_cur;
        limit.rlim_cur = rlim_t(room);
        // Past the limit the kernel also sends SIGXFSZ, which would end the test program.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        m_limited = true;
        return;
    }
    // Write the filler until the tmpfs is full, then give back the room asked for.
    const QByteArray name = QFile::encodeName(fillerOf(dir()));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    static const char chunk[65536] = {};
    off_t size = 0;
    for (;;) {
        const ssize_t n = ::write(fd, chunk, sizeof chunk);
        if (n <= 0)
            break;
        size += n;
    }
    if (room > 0)
        (void)::ftruncate(fd, size > room ? size - room : 0);
    ::close(fd);
}

void FullDisk::release()
{
    if (m_limited) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(m_oldLimit);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, m_oldHandler);
        m_limited = false;
    }
    if (m_mounted)
        QFile::remove(fillerOf(dir()));
}

} // namespace testsupport
