#include "mainwindow/frmAbout.h"
#include "ui_frmAbout.h"

#include "mainwindow/frmMatrix.h"
#include "platform/desktop.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// The program's version, as the offices know it.
constexpr int VersionMajor = 1;
constexpr int VersionMinor = 1;
constexpr int VersionRevision = 900;

/// The picture that stands for the link to the maker's page.
QPixmap LinkPicture()
{
    QPixmap pixmap(120, 36);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 160), 2));
    painter.setBrush(QColor(142, 193, 241));
    painter.drawRoundedRect(QRectF(1, 1, 118, 34), 8, 8);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(20, 50, 110));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Сайт"));
    return pixmap;
}

} // namespace

frmAbout::frmAbout(QWidget *parent, const QString &makerPage)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()), m_makerPage(makerPage)
{
    ui->setupUi(this);
    ui->picIcon->setPixmap(QPixmap(QStringLiteral(":/frmMain/zova.png")).scaled(48, 48, Qt::KeepAspectRatio,
                                                                                 Qt::SmoothTransformation));
    QFont big = ui->lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ui->lblProductName->setFont(big);
    // The maker's contact is the web page the build names, when it names one; the box invents none.
    QString description = QStringLiteral("Програма призначена для підготовки кадастрових планів, планів відводу, "
                                         "державних актів, технічної документації з файлів .in4");
    if (!m_makerPage.isEmpty())
        description += QStringLiteral("\n\nСайт: ") + m_makerPage;
    ui->lblDescription->setText(description);
    ui->lblVersion->setText(VersionText());
    ui->Image1->setPixmap(LinkPicture());
    ui->Image1->setToolTip(m_makerPage);
    ui->Image1->setVisible(!m_makerPage.isEmpty());
    ui->Image1->installEventFilter(this);
    ui->picIcon->installEventFilter(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;

QString frmAbout::MakerPage()
{
    return QStringLiteral(ZOVA_MAKER_PAGE);
}

QString frmAbout::VersionText()
{
    return QStringLiteral("Версія %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

// The desktop's browser takes the page; when none can be started the box stays as it was.
void frmAbout::Image1_Click()
{
    if (!m_makerPage.isEmpty())
        platform::desktop().openUrl(m_makerPage);
}

void frmAbout::picIcon_DblClick()
{
    frmMatrix matrix(this);
    matrix.exec();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Image1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Image1_Click();
        return true;
    }
    if (watched == ui->picIcon && event->type() == QEvent::MouseButtonDblClick) {
        picIcon_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
