#include "reference/forms/bodypersondialog.h"

#include "common/error.h"
#include "reference/forms/dbmessages.h"

#include <QLineEdit>
#include <QPushButton>

void BodyPersonDialog::wire(QLineEdit *txtRes, QLineEdit *txtPib, QPushButton *command1, QPushButton *command2)
{
    m_body = txtRes;
    m_person = txtPib;
    m_write = command1;
    m_write->setEnabled(false);
    connect(m_body, &QLineEdit::textChanged, this, &BodyPersonDialog::ValidateInput);
    connect(m_person, &QLineEdit::textChanged, this, &BodyPersonDialog::ValidateInput);
    connect(m_write, &QPushButton::clicked, this, &BodyPersonDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
}

// At least 5 characters of the person and 11 of the body, blanks included, nothing trimmed.
void BodyPersonDialog::ValidateInput()
{
    m_write->setEnabled(writable() && m_person->text().size() > 4 && m_body->text().size() > 10);
}

void BodyPersonDialog::Command1_Click()
{
    try {
        write(m_body->text(), m_person->text());
    } catch (const zova::Error &e) {
        reference::TellNotStored(e);
        return;
    }
    written();
    m_body->clear();
    m_person->clear();
    ValidateInput();
}
