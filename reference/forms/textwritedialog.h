#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

/// The shape of the small dialogs that write one text into the reference database (the council
/// list, the land-use purposes): a text box `txtRes`, a write button `Command1` that is enabled
/// exactly while the text has at least six characters, counted as typed, and `Command2`, which
/// closes the dialog. A write empties the text and the dialog stays open for the next one; a write
/// that fails says why and keeps the text, so the operator can try again.
class TextWriteDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    /// Puts a text into txtRes (which applies the enabling rule).
    void setText(const QString &text);

signals:
    /// A text was stored.
    void written();

protected:
    /// Connects the three controls; called by the dialog after its setupUi.
    void wire(QLineEdit *txtRes, QPushButton *command1, QPushButton *command2);
    /// Stores the text; throws zova::Error when it cannot.
    virtual void write(const QString &text) = 0;

private:
    void ValidateInput();
    void Command1_Click();

    QLineEdit *m_text = nullptr;
    QPushButton *m_write = nullptr;
};
