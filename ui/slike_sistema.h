#pragma once
// Small pictures of the static systems and the load cases, the only content of the items of
// the combo boxes that choose them in the deflection windows.

#include "engine/osnovni_ugib.h"

#include <QComboBox>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace nmk::ui {

// The items follow the order of the engine's tables (engine/osnovni_ugib.h): the static
// systems cantilever, simply supported beam, beam fixed at one end and simply supported at
// the other, beam fixed at both ends; the load cases force at mid-span, force at the free end
// of the cantilever, uniform load, triangle peaking at mid-span, triangle peaking at the
// clamped end, triangle peaking at the free end.

// Size of one picture in the combo boxes, pixels.
inline constexpr QSize VelicinaSlike{96, 34};

// The picture of a static system or a load case; an index out of range gives an empty
// picture of the same size.
QPixmap SlikaStatickogSistema(int indeks, QSize velicina = VelicinaSlike);
QPixmap SlikaOpterecenja(int indeks, QSize velicina = VelicinaSlike);

// A short description of the picture (shown as the item's tool tip and read by screen
// readers); empty for an index out of range.
QString OpisStatickogSistema(int indeks);
QString OpisOpterecenja(int indeks);

// Fills the combo box with one picture item per static system or load case (no text).
void NapuniStatickeSisteme(QComboBox* cbo);
void NapuniOpterecenja(QComboBox* cbo);

// A combo box that reports when its drop-down list closes, whether an item was picked or not
// (the deflection window recomputes then).
class ListaSlika : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;

signals:
    void listaZatvorena();
};

} // namespace nmk::ui
