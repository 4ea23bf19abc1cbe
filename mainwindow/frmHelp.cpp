#include "mainwindow/frmHelp.h"
#include "ui_frmHelp.h"

#include "platform/desktop.h"

#include <QFileInfo>
#include <QTextBrowser>

namespace {

// Pages of the help: the help file itself (it keeps the name ZOVA.HLP) and HTML files beside it.
bool isHelpPage(const QUrl &url)
{
    if (!url.isLocalFile())
        return false;
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    return suffix == QLatin1String("hlp") || suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

} // namespace

frmHelp::frmHelp(const QString &helpFile, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmHelp>()),
      m_contents(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->txtHelp, &QTextBrowser::anchorClicked, this, &frmHelp::FollowLink);
    connect(ui->txtHelp, &QTextBrowser::backwardAvailable, ui->bBack, &QWidget::setEnabled);
    connect(ui->bBack, &QPushButton::clicked, ui->txtHelp, &QTextBrowser::backward);
    connect(ui->bContents, &QPushButton::clicked, this, &frmHelp::ShowContents);
    connect(ui->bClose, &QPushButton::clicked, this, &QWidget::close);
    ui->bBack->setEnabled(false);
    ShowContents();
}

frmHelp::~frmHelp() = default;

QTextBrowser *frmHelp::browser() const
{
    return ui->txtHelp;
}

void frmHelp::ShowContents()
{
    // The file name says nothing of its kind; it is HTML.
    ui->txtHelp->setSource(m_contents, QTextDocument::HtmlResource);
}

void frmHelp::FollowLink(const QUrl &link)
{
    const QUrl target = ui->txtHelp->source().resolved(link);
    if (isHelpPage(target))
        ui->txtHelp->setSource(target, QTextDocument::HtmlResource);
    else
        platform::desktop().openUrl(target.toString());
}
