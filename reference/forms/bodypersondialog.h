#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

/// The shape of the two dialogs that write an approving body and the person who signs for it
/// (frmEdit, frmAdd): text boxes `txtRes` (the body) and `txtPib` (the person), a write button
/// `Command1` that is enabled exactly while the person text is longer than 4 characters and the
/// body text longer than 10, counted as typed, and the dialog allows a write; and `Command2`, which
/// closes the dialog. A write empties both texts and the dialog stays open for the next one; a
/// write that fails says why and keeps the texts, so the operator can try again.
class BodyPersonDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    /// Connects the four controls; called by the dialog after its setupUi.
    void wire(QLineEdit *txtRes, QLineEdit *txtPib, QPushButton *command1, QPushButton *command2);
    /// Stores the two texts; throws zova::Error when it cannot.
    virtual void write(const QString &body, const QString &person) = 0;
    /// Whether the dialog allows a write apart from the lengths of the texts.
    virtual bool writable() const { return true; }
    /// Runs after a stored write, before the texts are emptied.
    virtual void written() {}

    /// The enabling rule; runs on every change of either text.
    void ValidateInput();
    QLineEdit *txtRes() const { return m_body; }
    QLineEdit *txtPib() const { return m_person; }
    QPushButton *writeButton() const { return m_write; }

private:
    void Command1_Click();

    QLineEdit *m_body = nullptr;
    QLineEdit *m_person = nullptr;
    QPushButton *m_write = nullptr;
};
