#include "reference/forms/frmParam.h"
#include "ui_frmParam.h"

#include "reference/parameters.h"
#include "reference/state.h"

frmParam::frmParam(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmParam>())
{
    ui->setupUi(this);
    connect(ui->Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

frmParam::~frmParam() = default;

void frmParam::setFields(double buildArea, double areaRange, const QString &kz21, const QString &kz22)
{
    ui->tArr->setText(reference::ParameterText(buildArea));
    ui->tDiap->setText(reference::ParameterText(areaRange));
    ui->t21->setText(kz21);
    ui->t22->setText(kz22);
    // Long texts show from their beginning.
    for (QLineEdit *field : {ui->tArr, ui->tDiap, ui->t21, ui->t22})
        field->setCursorPosition(0);
}

void frmParam::Command1_Click()
{
    reference::State &s = reference::state();
    s.BuildArea = reference::ParameterNumber(ui->tArr->text());
    s.AreaRange = reference::ParameterNumber(ui->tDiap->text());
    s.KZ21Text = ui->t21->text();
    s.KZ22Text = ui->t22->text();
    accept();
}
