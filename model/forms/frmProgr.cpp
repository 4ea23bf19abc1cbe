#include "model/forms/frmProgr.h"
#include "ui_frmProgr.h"

#include <QCoreApplication>

frmProgr::frmProgr(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmProgr>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

frmProgr::~frmProgr() = default;

void frmProgr::showWithCaption(const QString &caption)
{
    setWindowTitle(caption);
    ui->lInfo->clear();
    show();
    // Lets the window system map the new window; operator input stays queued until the load ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void frmProgr::setPhase(const QString &text)
{
    ui->lInfo->setText(text);
    ui->lInfo->repaint();
}

void frmProgr::setRange(int minimum, int maximum)
{
    // An empty file gives 0..0, which a bar would show as "busy" for ever: show it empty instead.
    ui->pr->setRange(minimum, maximum > minimum ? maximum : minimum + 1);
    ui->pr->repaint();
}

void frmProgr::setValue(int value)
{
    ui->pr->setValue(value);
}

QString frmProgr::phase() const
{
    return ui->lInfo->text();
}
