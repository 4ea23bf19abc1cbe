#include "documents/forms/frmpr.h"
#include "ui_frmpr.h"

frmpr::frmpr(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmpr>())
{
    ui->setupUi(this);
    setModal(false);
    m_overall.bar = ui->prall;
    m_overall.label = ui->Label2;
    m_step.bar = ui->prb;
}

frmpr::~frmpr() = default;

void frmpr::showNow()
{
    show();
    ui->prall->setValue(0);
    repaint();
    ui->prall->repaint();
}

QProgressBar *frmpr::prall() const { return ui->prall; }
QProgressBar *frmpr::prb() const { return ui->prb; }
QLabel *frmpr::Label2() const { return ui->Label2; }

void frmpr::BarSink::setPhase(const QString &text)
{
    if (!label)
        return;
    label->setText(text);
    label->repaint();
}

void frmpr::BarSink::setRange(int minimum, int maximum)
{
    bar->setRange(minimum, maximum);
    bar->repaint();
}

void frmpr::BarSink::setValue(int value)
{
    bar->setValue(value);
    bar->repaint();
}
