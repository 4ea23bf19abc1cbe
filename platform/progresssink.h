#pragma once

#include <QString>
#include <QStringList>

namespace platform {

/// What long work reports, without knowing about windows: a phase text, a range and a value.
/// The progress windows implement it and repaint on every call.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setPhase(const QString &text) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
};

/// A sink that ignores everything.
class NullProgress : public ProgressSink {
public:
    void setPhase(const QString &) override {}
    void setRange(int, int) override {}
    void setValue(int) override {}
};

/// A sink that keeps what it was told; for tests.
class RecordingProgress : public ProgressSink {
public:
    void setPhase(const QString &text) override { phases.append(text); }
    void setRange(int minimum, int maximum) override { min = minimum; max = maximum; }
    void setValue(int v) override { value = v; ++values; }

    QStringList phases;
    int min = 0, max = 0, value = 0, values = 0;
};

} // namespace platform
