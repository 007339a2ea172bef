// "About Tabloo 3.0": a small picture of fanned cards, the product's lines, its licence and OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tabloo {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner = nullptr);

    // The picture beside the text: a few cards fanned out on green baize.
    static QPixmap Picture(qreal devicePixelRatio = 1.0);

private:
    QLabel *Image1 = nullptr;
    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblAbout = nullptr;
    QLabel *lblLicense = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace tabloo
