#include "ui/koef_skupljanja.h"

#include "engine/tecenje.h"
#include "ui/gradnja.h"

#include <QComboBox>
#include <QGridLayout>

namespace nmk::ui {

TfrmKoefSkupljanja::TfrmKoefSkupljanja(double h0, Poruke& poruke, QWidget* roditelj)
    : TfrmKoeficijent(h0, poruke, roditelj) {
    setObjectName(QStringLiteral("frmKoefSkupljanja"));
    setWindowTitle(QStringLiteral("Koeficijent skupljanja"));

    cboVlaznost_ = NovaVlaznost();
    Red(mreza_, 1, "Vlaznost", cboVlaznost_, "%");
    PoljeRezultata(2, "edtECS", "Relativna deformacija skupljanja", "‰");
    Slozi("btnKoefSkupljanja", "Koef. skupljanja");
}

void TfrmKoefSkupljanja::Izracunaj() {
    const auto RH = ProcitajVlaznost(cboVlaznost_);
    if (!RH)
        return;
    if (Uzmi([&] { return KoeficijentSkupljanja(*RH, h0_); }))
        vlaznost_ = *RH;
}

void TfrmKoefSkupljanja::PostaviVlaznost(double vlaznost) {
    PostaviTekst(cboVlaznost_, TekstBroja(vlaznost));
}

} // namespace nmk::ui
