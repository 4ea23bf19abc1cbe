#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>

namespace Ui {
class frmNames;
}
class QKeyEvent;
class QTimer;

/// The council-head dialog, a borderless pop-up of the territory dialog. It opens with the prompt
/// "ТУТ ТРЕБА ВВЕСТИ ГОЛОВУ !" standing in the empty `txtName`, hides and shows it three times at
/// 250 ms steps (`Timer1`), and at the seventh tick shows the head stored in a_golova of the
/// council's row. What the operator types meanwhile (also while the box is hidden) ends the prompt
/// and its blinking and is kept, without any of the prompt. `bOk` stores the head
/// (never the prompt: untouched, the stored head stays), hands it to the program when the council
/// is the published one (reference::PublishCouncilHead) and closes; a failed write says why and
/// keeps the dialog open. `bNo` closes and stores nothing.
class frmNames : public QDialog {
    Q_OBJECT
public:
    explicit frmNames(int32_t councilId, QWidget *parent = nullptr);
    ~frmNames() override;

    /// The prompt shown while the dialog opens.
    static QString Prompt();

    /// One tick of the blink timer (it calls this every 250 ms).
    void Timer1_Timer();
    /// The head stored by an accepted dialog; empty before.
    QString head() const { return m_head; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void txtName_Edited();
    void bOk_Click();
    /// The head as a_golova holds it, read once.
    QString storedHead();

    std::unique_ptr<Ui::frmNames> ui;
    QTimer *Timer1 = nullptr;
    int32_t m_councilId;
    uint8_t BlinkCount = 0;
    bool m_typed = false;   ///< the operator has typed into txtName
    std::optional<QString> m_stored;
    QString m_head;
};
