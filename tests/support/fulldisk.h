#pragma once

#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace testsupport {

/// A folder where writing runs out of room, as on a full disk, by one of two ways that both make
/// the system's own write calls fail: a small tmpfs filled up (where the test may mount one, as
/// root with the right to mount), or the process's file size limit (RLIMIT_FSIZE), past which
/// every write fails (EFBIG in place of ENOSPC). The size limit is always there; so every
/// full-disk test runs, whatever the machine allows.
class FullDisk {
public:
    enum Way { SizeLimit, Tmpfs };
    /// The ways this machine allows: SizeLimit always, Tmpfs when a mount succeeds.
    static std::vector<Way> ways();
    static const char *name(Way way);

    explicit FullDisk(Way way);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    /// The folder to write old files into, then to fail in.
    QString dir() const { return m_dir.path(); }
    /// From now on about `room` more bytes fit (whole pages on tmpfs; per file with the limit).
    void fill(qint64 room = 0);
    /// Room again, to check what is left on the disk.
    void release();

private:
    Way m_way;
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    unsigned long long m_oldLimit = 0;
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace testsupport
