#pragma once

// Files that the test program cannot write or replace although it runs as the superuser: the
// refusals an operator meets, made in ways that the superuser too must respect.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace testsupport {

/// An old file that cannot be written: on a file system mounted read-only (where the test may
/// mount one), or marked immutable (where the file system keeps that mark). ways() lists those
/// the machine allows; every machine the tests run on has at least one.
class LockedFile {
public:
    enum Way { ReadOnlyMount, Immutable };
    static std::vector<Way> ways();
    static const char *name(Way way);

    /// Makes the file `name` holding `old` in a folder of its own, and locks it.
    LockedFile(Way way, const QString &name, const QByteArray &old);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    QString path() const { return m_path; }
    /// The system's reason for the refusal, as the operator reads it.
    QString reason() const;

private:
    Way m_way;
    QTemporaryDir m_dir;
    QString m_path;
    bool m_locked = false;
};

/// A folder shared by several users, as /tmp is: writable by all, sticky, owned by another user.
/// There a file of another user cannot be renamed over or removed by anyone but its owner. While
/// the folder lives, the test program is held to that rule as an operator is, superuser or not
/// (it gives up its right to act on files it does not own, CAP_FOWNER, until the folder ends).
class SharedFolder {
public:
    SharedFolder();
    ~SharedFolder();
    SharedFolder(const SharedFolder &) = delete;
    SharedFolder &operator=(const SharedFolder &) = delete;

    QString dir() const { return m_dir.path(); }
    /// Gives the file to another user; false when that cannot be done.
    bool giveAway(const QString &path);
    /// Holds the test program to the folder's rule from now on; false when it cannot be.
    bool holdToTheRule();

private:
    QTemporaryDir m_dir;
    bool m_held = false;
    unsigned m_effective[2] = {0, 0};
};

} // namespace testsupport
