#pragma once
// The program's message box in Qt: the captions and button texts of the four kinds, the
// answers as numbers, and the placement centred on the active window and held inside the
// screen's work area. Installed as the engine's message sink in the interactive program.

#include "engine/poruke.h"

#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace nmk::ui {

// Where a box of size `box` goes: centred on `aktivni` (the active window's frame; the halves
// truncate toward zero), then moved inside `radnaPovrsina` (the work area of that window's
// screen): a box that would stick out on the left or top starts at the area's left or top,
// one that would stick out on the right or bottom ends at the area's right or bottom edge.
QPoint PolozajPoruke(const QRect& aktivni, QSize box, const QRect& radnaPovrsina);

// What a title bar needs besides its caption: the window's icon, its buttons and the margins.
inline constexpr int RezervaNaslovneTrake = 150;
// The least width of a box whose caption is `naslov`, so that the caption shows whole.
int SirinaZaNaslov(const QString& naslov, const QFont& font);

// The message box of one message. It places itself when it is shown.
class TPorukaDijalog : public QMessageBox {
    Q_OBJECT
public:
    // `dugmad` is a set of nmk::Dugmad. The box's parent is `roditelj` (may be null).
    TPorukaDijalog(const QString& tekst, VrstaPoruke vrsta, unsigned dugmad, QWidget* roditelj);
    // The plain box: no caption or icon of our own, one "&OK" button.
    TPorukaDijalog(const QString& tekst, QWidget* roditelj);

    // The answer of the button pressed: odgOK, odgOtkazi, odgDa or odgNe.
    int Odgovor() const;

protected:
    void showEvent(QShowEvent* dogadjaj) override;

private:
    void DodajDugme(StandardButton dugme, int odgovor);

    bool razmak_ = false; // the spacer that holds the caption's width is in the layout
};

// The sink that shows the boxes, modal over the application's active window.
class QtPoruke : public Poruke {
public:
    int Prikazi(const std::string& tekst, VrstaPoruke vrsta, unsigned dugmad) override;
    void Obicna(const std::string& tekst) override;
};

} // namespace nmk::ui
