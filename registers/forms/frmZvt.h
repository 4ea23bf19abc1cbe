#pragma once

#include "platform/progresssink.h"
#include "registers/packagerun.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;

namespace Ui {
class frmZvt;
}

/// The documentation package dialog "Звіт": what the package holds (the twelve share documents in
/// `frPai`, or the combined report in `frTd`; the caller shows one of the two frames), how the
/// contents of document 1 are numbered, the package folder, and the go button that makes the
/// package. Opening it clears the package folder. It stays open after a run and shows the time the
/// run took; the operator closes it with the window box.
class frmZvt : public QDialog {
    Q_OBJECT
public:
    /// `programDir` is the folder whose Dots/ holds the templates; empty: the running program's.
    explicit frmZvt(QWidget *parent = nullptr, const QString &programDir = QString());
    ~frmZvt() override;

    /// Shows the frame of the package kind (registers::ReportShares: the share documents; otherwise
    /// the technical documentation) in the place the two frames share.
    void showFrame(uint8_t reportMode);
    /// The frame in sight.
    QWidget *shownFrame() const;

    /// The outcome of the last run (empty before the first).
    const registers::PackageReport &lastReport() const { return m_report; }

private:
    /// The progress bar `pr` as the run's progress sink; it repaints on every report.
    class BarSink : public platform::ProgressSink {
    public:
        QProgressBar *bar = nullptr;
        void setPhase(const QString &) override {}
        void setRange(int minimum, int maximum) override;
        void setValue(int value) override;
    };

    void Check1_Click(bool checked);
    void bust_Click();
    void bGo_Click();
    void showPath();
    void runPackage(registers::PackageArguments &args);

    std::unique_ptr<Ui::frmZvt> ui;
    std::array<QCheckBox *, 12> chekDok{};
    BarSink m_bar;
    QString m_programDir;
    registers::PackageReport m_report;
};
