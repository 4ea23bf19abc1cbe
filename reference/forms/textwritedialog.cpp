#include "reference/forms/textwritedialog.h"

#include "reference/forms/dbmessages.h"
#include "common/error.h"

#include <QLineEdit>
#include <QPushButton>

void TextWriteDialog::wire(QLineEdit *txtRes, QPushButton *command1, QPushButton *command2)
{
    m_text = txtRes;
    m_write = command1;
    m_write->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, this, &TextWriteDialog::ValidateInput);
    connect(m_write, &QPushButton::clicked, this, &TextWriteDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
}

void TextWriteDialog::setText(const QString &text)
{
    m_text->setText(text);
    ValidateInput();
}

// Six characters or more, blanks included, nothing trimmed.
void TextWriteDialog::ValidateInput()
{
    m_write->setEnabled(m_text->text().size() >= 6);
}

void TextWriteDialog::Command1_Click()
{
    try {
        write(m_text->text());
    } catch (const zova::Error &e) {
        reference::TellNotStored(e);
        return;
    }
    m_text->clear();
    emit written();
}
