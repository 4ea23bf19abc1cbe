#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>

namespace Ui {
class frmHelp;
}
class QTextBrowser;

/// The program's own help window: the help file (HTML) in a text browser, so that help needs no
/// browser. Links inside the help move within it ("Назад" goes back, "Зміст" to the start); a
/// link to a web address or any other kind of file goes to the desktop. Modeless; it closes
/// itself away when closed.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(const QString &helpFile, QWidget *parent = nullptr);
    ~frmHelp() override;

    /// Shows the start of the help file again.
    void ShowContents();
    QTextBrowser *browser() const;

private:
    void FollowLink(const QUrl &link);

    std::unique_ptr<Ui::frmHelp> ui;
    QUrl m_contents;
};
