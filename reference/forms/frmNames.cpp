#include "reference/forms/frmNames.h"
#include "ui_frmNames.h"

#include "reference/forms/dbmessages.h"
#include "reference/forms/formicons.h"
#include "reference/officials.h"
#include "reference/territorychoice.h"
#include "common/error.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QTimer>
#include <algorithm>

frmNames::frmNames(int32_t councilId, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(std::make_unique<Ui::frmNames>()), m_councilId(councilId)
{
    ui->setupUi(this);
    // The box blinks in place, and keeps the keyboard while it is shown.
    QSizePolicy keepPlace = ui->txtName->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui->txtName->setSizePolicy(keepPlace);
    ui->bOk->setIcon(reference::AcceptIcon());
    ui->bNo->setIcon(reference::CancelIcon());
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &frmNames::Timer1_Timer);
    connect(ui->txtName, &QLineEdit::textEdited, this, &frmNames::txtName_Edited);
    connect(ui->txtName, &QLineEdit::returnPressed, this, &frmNames::bOk_Click);
    connect(ui->bOk, &QToolButton::clicked, this, &frmNames::bOk_Click);
    connect(ui->bNo, &QToolButton::clicked, this, &QDialog::reject);

    // The prompt stands in the empty box, drawn as text, so nothing the operator does can mix it
    // into the name: a click into it and a key give that key alone.
    QPalette promptColour = ui->txtName->palette();
    promptColour.setColor(QPalette::PlaceholderText, promptColour.color(QPalette::Text));
    ui->txtName->setPalette(promptColour);
    BlinkCount = 0;
    ui->txtName->setPlaceholderText(Prompt());
    Timer1->start();
}

frmNames::~frmNames() = default;

QString frmNames::Prompt()
{
    return QStringLiteral("ТУТ ТРЕБА ВВЕСТИ ГОЛОВУ !");
}

void frmNames::Timer1_Timer()
{
    if (BlinkCount <= 5) {
        ui->txtName->setVisible(ui->txtName->isHidden());
        if (ui->txtName->isVisible())
            ui->txtName->setFocus();
    } else {
        Timer1->stop();
        ui->txtName->setPlaceholderText(QString());
        ui->txtName->show();
        ui->txtName->setFocus();
        if (!m_typed) {
            try {
                ui->txtName->setText(storedHead());
            } catch (const zova::Error &e) {
                ui->txtName->clear();
                reference::TellNotRead(e);
            }
        }
    }
    ++BlinkCount;
}

// Typing ends the prompt and its blinking (the next tick is the last and shows the box for good),
// and the stored head will not replace what was typed.
void frmNames::txtName_Edited()
{
    m_typed = true;
    ui->txtName->setPlaceholderText(QString());
    BlinkCount = std::max<uint8_t>(BlinkCount, 6);
}

// A letter that reaches the dialog itself (the blinking box is hidden, so nothing has the focus)
// goes into the box: the name is the one field.
void frmNames::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        ui->txtName->show();
        ui->txtName->setFocus();
        QCoreApplication::sendEvent(ui->txtName, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

QString frmNames::storedHead()
{
    if (!m_stored) {
        const std::optional<reference::RadaRow> row = reference::RadaRowById(m_councilId);
        m_stored = row ? row->golova : QString();
    }
    return *m_stored;
}

void frmNames::bOk_Click()
{
    try {
        const QString head = m_typed ? ui->txtName->text() : storedHead();
        reference::WriteCouncilHead(m_councilId, head);
        m_head = head;
        // The documents print the corrected head from now on, whatever the territory dialog does.
        reference::PublishCouncilHead(m_councilId, head);
    } catch (const zova::Error &e) {
        reference::TellNotStored(e);
        return;
    }
    Timer1->stop();
    accept();
}
