#include "tests/support/lockedfiles.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool remount(const QString &dir, unsigned long flags)
{
    return ::mount(nullptr, native(dir).constData(), nullptr, MS_REMOUNT | flags, nullptr) == 0;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

std::vector<LockedFile::Way> LockedFile::ways()
{
    static const std::vector<Way> allowed = [] {
        std::vector<Way> w;
        for (const Way way : {ReadOnlyMount, Immutable}) {
            LockedFile probe(way, QStringLiteral("probe"), "probe");
            if (probe.m_locked)
                w.push_back(way);
        }
        return w;
    }();
    return allowed;
}

const char *LockedFile::name(Way way)
{
    return way == ReadOnlyMount ? "read-only file system" : "immutable file";
}

LockedFile::LockedFile(Way way, const QString &name, const QByteArray &old) : m_way(way)
{
    const QString dir = m_dir.path();
    m_path = QDir(dir).filePath(name);
    if (way == ReadOnlyMount) {
        if (::mount("tmpfs", native(dir).constData(), "tmpfs", 0, "size=1m") != 0)
            return;
        write(m_path, old);
        m_locked = remount(dir, MS_RDONLY);
        if (!m_locked)
            ::umount2(native(dir).constData(), MNT_DETACH);
    } else {
        write(m_path, old);
        m_locked = setImmutable(m_path, true);
    }
}

LockedFile::~LockedFile()
{
    if (!m_locked)
        return;
    if (m_way == ReadOnlyMount)
        ::umount2(native(m_dir.path()).constData(), MNT_DETACH);
    else
        setImmutable(m_path, false);
}

QString LockedFile::reason() const
{
    return m_way == ReadOnlyMount ? QStringLiteral("файлова система доступна лише для читання")
                                  : QStringLiteral("дію не дозволено");
}

SharedFolder::SharedFolder()
{
    const QByteArray dir = native(m_dir.path());
    ::chmod(dir.constData(), 01777);
    (void)::chown(dir.constData(), 4242, 4242);
}

SharedFolder::~SharedFolder()
{
    if (m_held) {
        __user_cap_data_struct data[2]{};
        if (capabilities(data, false)) {
            data[0].effective = m_effective[0];
            data[1].effective = m_effective[1];
            capabilities(data, true);
        }
    }
}

bool SharedFolder::giveAway(const QString &path)
{
    return ::chown(native(path).constData(), 4343, 4343) == 0;
}

bool SharedFolder::holdToTheRule()
{
    __user_cap_data_struct data[2]{};
    if (!capabilities(data, false))
        return false;
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    data[CAP_TO_INDEX(CAP_FOWNER)].effective &= ~CAP_TO_MASK(CAP_FOWNER);
    m_held = capabilities(data, true);
    return m_held;
}

} // namespace testsupport
