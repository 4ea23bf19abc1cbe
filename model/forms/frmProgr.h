#pragma once

#include "platform/progresssink.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmProgr;
}

/// The small progress window of a load: a phase text and a bar. It has no logic of its own; the
/// reader reports to it through the progress sink, and every report is painted at once, because a
/// load does not return to the event loop until it ends.
class frmProgr : public QDialog, public platform::ProgressSink {
    Q_OBJECT
public:
    explicit frmProgr(QWidget *parent = nullptr);
    ~frmProgr() override;

    /// Shows the window modeless with the caption and paints it before the caller goes on.
    void showWithCaption(const QString &caption);

    void setPhase(const QString &text) override;
    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;

    QString phase() const;

private:
    std::unique_ptr<Ui::frmProgr> ui;
};
