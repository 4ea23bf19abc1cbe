#include "registers/forms/frmZvt.h"
#include "ui_frmZvt.h"

#include "documents/docoptions.h"
#include "documents/forms/frmWord.h"
#include "office/wordapp.h"
#include "platform/forms/labelwidth.h"
#include "platform/forms/waitcursor.h"
#include "platform/prompts.h"
#include "reference/state.h"
#include "registers/folders.h"
#include "registers/forms/frmSave.h"
#include "registers/packagedocuments.h"
#include "registers/state.h"

#include <QDateTime>
#include <QDir>
#include <QStyle>
#include <exception>

using registers::folders;
using registers::state;

frmZvt::frmZvt(QWidget *parent, const QString &programDir)
    : QDialog(parent), ui(std::make_unique<Ui::frmZvt>()), m_programDir(programDir)
{
    ui->setupUi(this);
    ui->bust->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ui->bGo->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    for (int k = 0; k < 12; ++k) {
        QCheckBox *box = findChild<QCheckBox *>(QStringLiteral("chekDok_%1").arg(k));
        box->setText(registers::PackageDocumentCaption(k + 1));
        // A document this program does not make yet cannot be chosen.
        if (!registers::FindPackageDocument(k + 1)) {
            box->setChecked(false);
            box->setEnabled(false);
            box->setToolTip(QStringLiteral("Ще не реалізовано"));
        }
        chekDok[size_t(k)] = box;
    }
    // The progress row and the time line keep their room while empty or hidden, so the dialog
    // keeps its size through a run.
    for (QWidget *shownInRun : {static_cast<QWidget *>(ui->lpr), static_cast<QWidget *>(ui->pr)}) {
        QSizePolicy policy = shownInRun->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shownInRun->setSizePolicy(policy);
    }
    ui->lTime->setMinimumHeight(ui->lTime->fontMetrics().height());
    ui->lpr->setVisible(false);
    ui->pr->setVisible(false);
    ui->pr->setRange(0, 12);
    m_bar.bar = ui->pr;

    connect(ui->Check1, &QCheckBox::toggled, this, &frmZvt::Check1_Click);
    connect(ui->bust, &QToolButton::clicked, this, &frmZvt::bust_Click);
    connect(ui->bGo, &QToolButton::clicked, this, &frmZvt::bGo_Click);

    // Every opening starts without a package folder.
    folders().ReportFolder.clear();
    showPath();
    state().PageNumbers = ui->Check1->isChecked();
}

frmZvt::~frmZvt() = default;

void frmZvt::showFrame(uint8_t reportMode)
{
    QWidget *shown = reportMode == registers::ReportShares ? ui->frPai : ui->frTd;
    // The frame out of sight takes no room, so the dialog fits the frame in sight.
    for (QWidget *frame : {static_cast<QWidget *>(ui->frPai), static_cast<QWidget *>(ui->frTd)}) {
        const QSizePolicy::Policy policy = frame == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        frame->setSizePolicy(policy, policy);
    }
    ui->frWhat->setCurrentWidget(shown);
    adjustSize();
}

QWidget *frmZvt::shownFrame() const
{
    return ui->frWhat->currentWidget();
}

void frmZvt::showPath()
{
    ui->lPath->setText(QStringLiteral("Файли буде збережено: ") + QDir::toNativeSeparators(folders().ReportFolder));
    platform::fitLongestRun(ui->lPath);
    ui->lPath->repaint();
}

void frmZvt::Check1_Click(bool checked)
{
    state().PageNumbers = checked;
}

void frmZvt::bust_Click()
{
    frmSave::Show(this);
    showPath();
}

void frmZvt::bGo_Click()
{
    try {
        ui->pr->setValue(0);
        if (folders().ReportFolder.trimmed().isEmpty()) {
            platform::MsgBox(QStringLiteral("Вкажіть каталог для збереження файлів !"), platform::productTitle());
            return;
        }
        // The numbering is checked before anything is asked or made.
        const registers::PageNumbering numbering = registers::ReadPageNumbering(
            ui->txtPage->text(), ui->txtStep->text(), state().ReportGroups, state().PageNumbers);
        if (!numbering.Error.isEmpty()) {
            platform::MsgBox(numbering.Error, platform::productTitle());
            return;
        }
        state().DocChosen.fill(false);

        frmWord::Show(this);
        showPath(); // the action dialog's folder button may have chosen another folder
        if (!documents::options().DocDialogOk)
            return;

        ui->lTime->clear();
        ui->lTime->repaint();
        for (size_t k = 0; k < chekDok.size(); ++k)
            state().DocChosen[k + 1] = chekDok[k]->isChecked();

        const QDateTime t0 = QDateTime::currentDateTime();
        const reference::State &ref = reference::state();
        registers::PackageArguments args;
        args.StartPage = numbering.StartPage;
        args.PageStep = numbering.PageStep;
        args.KspName = ui->txtKsp->text();
        args.Arhit = ref.Arhit;
        args.GolAdm = ref.GolAdm;
        args.CombinedReport = ui->chTd_0->isChecked();
        args.ProgramDir = m_programDir;
        runPackage(args);
        ui->lTime->setText(registers::ElapsedText(t0, QDateTime::currentDateTime()));
        ui->lTime->repaint();

        const QString failures = m_report.FailureText();
        if (!failures.isEmpty())
            platform::MsgBox(failures, platform::productTitle(), platform::MsgIcon::Exclamation);
    } catch (const zova::Error &e) {
        platform::MsgBox(e.message(), platform::productTitle(), platform::MsgIcon::Critical);
    } catch (const std::exception &e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::productTitle(), platform::MsgIcon::Critical);
    }
}

void frmZvt::runPackage(registers::PackageArguments &args)
{
    platform::WaitCursor wait;
    ui->pr->setVisible(true);
    ui->lpr->setVisible(true);
    ui->lpr->repaint();
    struct Hide {
        frmZvt *w;
        ~Hide()
        {
            w->ui->pr->setVisible(false);
            w->ui->lpr->setVisible(false);
        }
    } hide{this};
    office::WordApp app;
    m_report = registers::MakeReportDocuments(app, args, m_bar);
}

void frmZvt::BarSink::setRange(int minimum, int maximum)
{
    bar->setRange(minimum, maximum);
    bar->repaint();
}

void frmZvt::BarSink::setValue(int value)
{
    bar->setValue(value);
    bar->repaint();
}
