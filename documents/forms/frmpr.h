#pragma once

#include "platform/progresssink.h"

#include <QDialog>
#include <memory>

class QProgressBar;
class QLabel;

namespace Ui {
class frmpr;
}

/// The progress window of a document batch, "Формуємо документ": the overall bar `prall` with its
/// label `Label2` (one step per parcel) and the step bar `prb` (0 to 21, the stages of one
/// document). Every change is painted at once, because a batch does not return to the event loop.
class frmpr : public QDialog {
    Q_OBJECT
public:
    explicit frmpr(QWidget *parent = nullptr);
    ~frmpr() override;

    /// Shows the window modeless and paints it before the caller goes on.
    void showNow();

    /// The overall bar and its label as a progress sink.
    platform::ProgressSink &overall() { return m_overall; }
    /// The step bar as a progress sink.
    platform::ProgressSink &step() { return m_step; }

    QProgressBar *prall() const;
    QProgressBar *prb() const;
    QLabel *Label2() const;

private:
    /// A bar (and optionally its label) that repaints on every report.
    class BarSink : public platform::ProgressSink {
    public:
        QProgressBar *bar = nullptr;
        QLabel *label = nullptr;
        void setPhase(const QString &text) override;
        void setRange(int minimum, int maximum) override;
        void setValue(int value) override;
    };

    std::unique_ptr<Ui::frmpr> ui;
    BarSink m_overall;
    BarSink m_step;
};
