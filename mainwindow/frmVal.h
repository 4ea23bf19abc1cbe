#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmVal;
}
class frmMain;

/// "Присвоїти значення": writes one value into a field of every loaded parcel (assignment), or
/// selects the parcels whose field matches it ("Вибрати"); for the land-use code it can also give
/// every parcel a new land-use area over its whole outline. It changes the parcels and the main
/// window's tree at once and closes after "Прийняти"; "Відміна" changes nothing.
class frmVal : public QDialog {
    Q_OBJECT
public:
    explicit frmVal(frmMain &main);
    ~frmVal() override;

    void cmbVal_Click();
    void Command1_Click();

private:
    void Assign(int key, const QString &v);
    void Select(int key, const QString &v);

    std::unique_ptr<Ui::frmVal> ui;
    frmMain &m_main;
};
