#pragma once

// Outside files that no reader may wait on or read to their end: a named pipe no program writes
// to, a link to /dev/zero, a folder, and a sparse file beyond the largest one read (it takes no
// room on the disk).

#include "model/exchangereader.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace unreadable {

struct Kind {
    const char *what;
    std::function<bool(const QString &path)> make;
    const char *said; ///< how the refusal begins
};

inline const std::vector<Kind> &kinds()
{
    static const std::vector<Kind> all = {
        {"a named pipe", [](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
         "Це не звичайний файл, а іменований канал"},
        {"a link to /dev/zero", [](const QString &path) { return QFile::link(QStringLiteral("/dev/zero"), path); },
         "Це не звичайний файл, а пристрій"},
        {"a folder", [](const QString &path) { return QDir().mkdir(path); }, "Це не звичайний файл, а тека"},
        {"a sparse file beyond the largest",
         [](const QString &path) {
             QFile f(path);
             return f.open(QIODevice::WriteOnly) && f.resize(model::MaxInputFileSize + 1);
         },
         "Файл завеликий (257 МБ): програма читає файли до 256 МБ."},
    };
    return all;
}

/// While it lives, a reader that waits on the named pipe `path` for a writer is let go after three
/// seconds, so that a test of a reader that waits ends (and fails on its time) instead of hanging.
class PipeWatch {
public:
    explicit PipeWatch(const QString &path)
    {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISFIFO(st.st_mode))
            return;
        m_thread = std::thread([this, name = QFile::encodeName(path)] {
            for (int i = 0; i < 300 && !m_done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!m_done)
                ::close(::open(name.constData(), O_WRONLY | O_NONBLOCK));
        });
    }
    ~PipeWatch()
    {
        m_done = true;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

} // namespace unreadable
