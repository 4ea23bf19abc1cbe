#include "documents/forms/frmWord.h"
#include "ui_frmWord.h"

#include "documents/docoptions.h"
#include "documents/forms/frmOpt.h"
#include "platform/forms/labelwidth.h"
#include "platform/prompts.h"

#include <QButtonGroup>
#include <QDir>
#include <QLayout>
#include <QPainter>

namespace {

frmWord::OutputFolderPicker &installedPicker()
{
    static frmWord::OutputFolderPicker picker;
    return picker;
}

/// The options button's picture: three outlines of different styles.
QIcon optionsIcon(const QColor &color)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QPen pen(color, 2, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(3, 8, 29, 8);
    pen.setDashPattern({3, 2});
    painter.setPen(pen);
    painter.drawLine(3, 16, 29, 16);
    pen.setWidth(4);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.drawLine(3, 25, 29, 25);
    return QIcon(picture);
}

} // namespace

frmWord::frmWord(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmWord>())
{
    ui->setupUi(this);
    ui->bOpt->setIcon(optionsIcon(palette().color(QPalette::WindowText)));
    wType = new QButtonGroup(this);
    wType->addButton(ui->wType_0, documents::ActionOpen);
    wType->addButton(ui->wType_1, documents::ActionSave);
    wType->addButton(ui->wType_2, documents::ActionSavePrint);

    connect(wType, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            wType_Click(id);
    });
    connect(ui->bKatalog, &QPushButton::clicked, this, &frmWord::bKatalog_Click);
    connect(ui->bOpt, &QToolButton::clicked, this, &frmWord::bOpt_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmWord::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmWord::Command2_Click);

    // The dialog opens with the previous choice, and the folder button in the state it gives.
    if (QAbstractButton *option = wType->button(documents::options().DocAction))
        option->setChecked(true);
    else
        wType_Click(documents::options().DocAction);
    showFolder();
}

frmWord::~frmWord() = default;

void frmWord::Show(QWidget *parent)
{
    frmWord dialog(parent);
    dialog.exec();
}

void frmWord::setOutputFolderPicker(OutputFolderPicker picker)
{
    installedPicker() = std::move(picker);
}

void frmWord::showFolder()
{
    ui->lWP->setText(QStringLiteral("Файли буде збережено: ") + documents::options().OutputFolder);
    platform::fitLongestRun(ui->lWP);
    // A longer folder wraps onto more lines: the open dialog grows to show them all.
    if (layout()) {
        // The label's new height reaches this layout through the frame's, which is asked first.
        ui->Frame1->layout()->activate();
        layout()->invalidate();
        layout()->activate();
        const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                         : layout()->totalSizeHint().height();
        if (needed > height())
            resize(width(), needed);
    }
    ui->lWP->repaint();
}

void frmWord::wType_Click(int index)
{
    documents::options().DocAction = static_cast<uint8_t>(index);
    ui->bKatalog->setEnabled(index != documents::ActionOpen);
}

void frmWord::bKatalog_Click()
{
    if (installedPicker()) {
        installedPicker()(this);
    } else {
        documents::DocOptions &o = documents::options();
        const QString start = o.OutputFolder.isEmpty() ? QDir::currentPath() : o.OutputFolder;
        if (const auto folder = platform::prompts().chooseFolder(QStringLiteral("Виберіть каталог для файлів"), start))
            o.OutputFolder = documents::OutputFolderOf(*folder);
    }
    showFolder();
}

void frmWord::bOpt_Click()
{
    frmOpt::Show(this);
}

void frmWord::Command1_Click()
{
    documents::DocOptions &o = documents::options();
    // Saving needs somewhere to save to; the operator stays here until a folder is chosen.
    if (o.DocAction != documents::ActionOpen && o.OutputFolder.isEmpty()) {
        platform::MsgBox(QStringLiteral("Вкажіть каталог для збереження файлів !"), platform::productTitle());
        return;
    }
    o.DocDialogOk = true;
    o.DocDialogButton = 2;
    accept();
}

void frmWord::Command2_Click()
{
    documents::DocOptions &o = documents::options();
    o.DocDialogOk = false;
    o.DocDialogButton = 1;
    reject();
}

void frmWord::done(int result)
{
    // Closed by the window box, Escape or the system: that is no "Далі".
    documents::DocOptions &o = documents::options();
    if (o.DocDialogButton != 1 && o.DocDialogButton != 2)
        o.DocDialogOk = false;
    o.DocDialogButton = 0;
    QDialog::done(result);
}
