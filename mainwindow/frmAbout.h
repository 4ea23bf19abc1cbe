#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class frmAbout;
}

/// "Про програму": the product name, its description with the maker's contacts, the version and
/// a picture that opens the maker's web page in the desktop's browser. A double click on the
/// icon shows frmMatrix.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    /// The maker's web page that the picture opens.
    static QString MakerPage();
    /// "Версія 1.1.900".
    static QString VersionText();

    void Image1_Click();
    void picIcon_DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::frmAbout> ui;
};
