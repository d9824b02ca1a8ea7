#pragma once
// The window "Širina ploce T presjeka": proposes the effective flange width of a T section from
// the span, the static system, the rib spacing and the web width. When it closes with OK its
// result text goes into the opener's flange-width edit.

#include "engine/poruke.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;

namespace nmk::ui {

class TfrmSirinaPloceTPresjeka : public QDialog {
    Q_OBJECT
public:
    // `tekstRebra` gives the text of the opener's web-width edit; it fills `edtRebro` each time
    // the window is shown. The plain message box goes through `poruke`.
    TfrmSirinaPloceTPresjeka(Poruke& poruke, std::function<QString()> tekstRebra,
                             QWidget* roditelj = nullptr);

    // The text of `memSirina`: the accepted width (read it after exec() answers Accepted).
    QString Sirina() const;

    // "Sirina Ploce": computes the width into `memSirina`; an edit that holds no number leaves
    // the previous result as it was.
    void IzracunajSirinu();

protected:
    void showEvent(QShowEvent* dogadjaj) override;

private:
    void Usvoji();

    Poruke& poruke_;
    std::function<QString()> tekstRebra_;
    QLineEdit* edtRaspon_ = nullptr;
    QLineEdit* edtOsovinskoRast_ = nullptr;
    QLineEdit* edtRebro_ = nullptr;
    QComboBox* cboStatickiSistem_ = nullptr;
    QLineEdit* memSirina_ = nullptr;
};

// The picture of a static system of the flange-width window (0 simple beam, 1 end span of a
// continuous beam, 2 interior span); empty of the same size for other indices.
QPixmap SlikaSistemaPloce(int sistem, QSize velicina);

} // namespace nmk::ui
