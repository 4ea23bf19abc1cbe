#include "reference/forms/frmParam.h"
#include "ui_frmParam.h"

#include "reference/parameters.h"
#include "reference/state.h"
#include "platform/prompts.h"

#include <QLabel>
#include <QLineEdit>

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
    // A value that is not a number is refused before anything is stored: the old values stay.
    const std::pair<QLineEdit *, QLabel *> numbers[] = {{ui->tArr, ui->Label1}, {ui->tDiap, ui->Label2}};
    double values[2] = {};
    for (int i = 0; i < 2; ++i) {
        QLineEdit *field = numbers[i].first;
        const std::optional<double> value = reference::ParameterValue(field->text());
        if (!value) {
            platform::MsgBox(QStringLiteral("«%1» не є числом (%2). Введіть число, наприклад %3.")
                                 .arg(field->text(), numbers[i].second->text(), reference::ParameterText(0.25)),
                             platform::productTitle(), platform::MsgIcon::Exclamation);
            field->setFocus();
            field->selectAll();
            return;
        }
        values[i] = *value;
    }
    reference::State &s = reference::state();
    s.BuildArea = values[0];
    s.AreaRange = values[1];
    s.KZ21Text = ui->t21->text();
    s.KZ22Text = ui->t22->text();
    accept();
}
