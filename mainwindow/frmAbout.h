#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class frmAbout;
}

/// "Про програму": the product name, its description with the maker, the version and, when a
/// maker's web page is known, a picture that opens it in the desktop's browser. A double click
/// on the icon shows frmMatrix.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    /// `makerPage` is the address the picture opens; empty: no picture and no address are shown.
    explicit frmAbout(QWidget *parent = nullptr, const QString &makerPage = MakerPage());
    ~frmAbout() override;

    /// The maker's web page named when the program was built; empty when none was named.
    static QString MakerPage();
    /// "Версія 1.1.900".
    static QString VersionText();

    void Image1_Click();
    void picIcon_DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
    QString m_makerPage;
};
