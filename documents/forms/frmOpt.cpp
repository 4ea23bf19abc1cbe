#include "documents/forms/frmOpt.h"
#include "ui_frmOpt.h"

#include "documents/docoptions.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPixmap>

namespace {

/// A sample of the Office dash style `type` (1 solid ... 8 long dash-dot), as wide as `size`.
QPixmap linePicture(int type, QSize size, const QColor &color)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QPen pen(color, 2, Qt::SolidLine, Qt::FlatCap);
    switch (type) {
    case 2: pen.setDashPattern({1, 1}); break;                                   // square dots
    case 3: pen.setCapStyle(Qt::RoundCap); pen.setDashPattern({0.01, 2}); break; // round dots
    case 4: pen.setDashPattern({4, 3}); break;                                   // dash
    case 5: pen.setDashPattern({4, 3, 1, 3}); break;                             // dash-dot
    case 6: pen.setDashPattern({4, 3, 1, 3, 1, 3}); break;                       // dash-dot-dot
    case 7: pen.setDashPattern({8, 3}); break;                                   // long dash
    case 8: pen.setDashPattern({8, 3, 1, 3}); break;                             // long dash-dot
    default: break;                                                              // solid
    }
    painter.setPen(pen);
    const int y = size.height() / 2;
    painter.drawLine(2, y, size.width() - 2, y);
    return picture;
}

} // namespace

frmOpt::frmOpt(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmOpt>())
{
    ui->setupUi(this);
    lOpt = new QButtonGroup(this);
    QLabel *const pictures[] = {ui->Picture1, ui->Picture2, ui->Picture3, ui->Picture4,
                                ui->Picture5, ui->Picture6, ui->Picture7, ui->Picture8};
    for (int i = 0; i < 8; ++i) {
        auto *option = findChild<QRadioButton *>(QStringLiteral("lOpt_%1").arg(i));
        lOpt->addButton(option, i);
        pictures[i]->setPixmap(linePicture(i + 1, pictures[i]->minimumSize(), palette().color(QPalette::WindowText)));
        pictures[i]->setBuddy(option);
    }

    connect(ui->cmbObj, &QComboBox::currentIndexChanged, this, &frmOpt::cmbObj_Click);
    connect(lOpt, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            lOpt_Click(id);
    });
    connect(ui->txtVal, &QDoubleSpinBox::valueChanged, this, &frmOpt::txtVal_Change);
    connect(ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Command2, &QPushButton::clicked, this, &QDialog::reject);

    ui->cmbObj->setCurrentIndex(0);
    cmbObj_Click(0);
}

frmOpt::~frmOpt() = default;

void frmOpt::Show(QWidget *parent)
{
    frmOpt dialog(parent);
    dialog.exec();
}

void frmOpt::cmbObj_Click(int index)
{
    const documents::DocOptions &o = documents::options();
    int type = 0;
    double width = 0;
    if (index == 0) {
        type = o.ParcelLineType;
        width = o.ParcelLineWidth;
    } else if (index == 1) {
        type = o.AreaLineType;
        width = o.AreaLineWidth;
    } else {
        return;
    }
    showing = true;
    if (QAbstractButton *option = lOpt->button(type - 1))
        option->setChecked(true);
    ui->txtVal->setValue(width);
    showing = false;
}

void frmOpt::lOpt_Click(int index)
{
    if (showing)
        return;
    documents::DocOptions &o = documents::options();
    const auto type = static_cast<uint8_t>(index + 1);
    if (ui->cmbObj->currentIndex() == 0)
        o.ParcelLineType = type;
    else if (ui->cmbObj->currentIndex() == 1)
        o.AreaLineType = type;
}

void frmOpt::txtVal_Change(double width)
{
    if (showing)
        return;
    documents::DocOptions &o = documents::options();
    if (ui->cmbObj->currentIndex() == 0)
        o.ParcelLineWidth = width;
    else if (ui->cmbObj->currentIndex() == 1)
        o.AreaLineWidth = width;
}
