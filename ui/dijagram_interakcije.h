#pragma once
// "Dijagram interakcije": the N–M interaction curve of a calculated section with its design
// point, for the chosen bars or the required areas; the nearest curve point under the mouse,
// the two ratios of the design point, the picture to the clipboard and the curve as CSV. The
// curve comes from engine/interakcija.h and its geometry from render/dijagram_interakcije.h;
// this window only paints and wires them.

#include "data/projekat.h"
#include "engine/interakcija.h"
#include "engine/poruke.h"
#include "render/dijagram_interakcije.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <optional>

class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;

namespace nmk::ui {

// Paints the diagram's geometry (with the hovered point marked, when given).
void NacrtajDijagram(QPainter& p, const render::DijagramInterakcije& d,
                     std::optional<std::size_t> istaknuta = std::nullopt);

// The diagram of a curve with its design point as a picture of the given size in pixels,
// drawn at `skala` pixels to one pixel of the window's drawing (lines and texts grow alike).
QImage SlikaDijagrama(const KrivaInterakcije& k, double Nsd, double Msd, int sirina, int visina,
                      double skala = 1);

// The paint box: fits the diagram to its size and reports the curve point nearest the mouse.
class DijagramWidget : public QWidget {
    Q_OBJECT
public:
    explicit DijagramWidget(QWidget* roditelj = nullptr);
    void Postavi(const KrivaInterakcije* k, double Nsd, double Msd);
    const render::DijagramInterakcije& Geometrija() const { return d_; }
    std::optional<std::size_t> Istaknuta() const { return istaknuta_; }

signals:
    void TackaIstaknuta(std::size_t indeks);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Obnovi();

    const KrivaInterakcije* k_ = nullptr;
    double Nsd_ = 0, Msd_ = 0;
    render::DijagramInterakcije d_;
    std::optional<std::size_t> istaknuta_;
};

class TfrmDijagramInterakcije : public QDialog {
    Q_OBJECT
public:
    TfrmDijagramInterakcije(const Projekat& projekat, Poruke& poruke, QWidget* roditelj = nullptr);

    // Shows the diagram of the section modally.
    int Prikazi(const TPresjek& p);
    // Fills the window for the section without showing it (the reinforcement of the default
    // source: the chosen bars when there are any).
    void Postavi(const TPresjek& p);
    // Another source of the areas (the radio buttons do this).
    void IzaberiIzvor(IzvorArmature izvor);

    const KrivaInterakcije& Kriva() const { return kriva_; }
    // The picture as it is painted, as the copy command puts it on the clipboard.
    QImage Slika() const;
    void KopirajSliku();
    // Writes the curve as CSV (temporary file renamed over); false and a message on failure.
    bool SnimiCsv(const QString& putanja);
    // Shows the curve point as the hover read-out does.
    void IstakniTacku(std::size_t indeks);

private:
    void NapraviKontrole();
    void Izracunaj();
    char Separator() const;

    const Projekat& projekat_;
    Poruke& poruke_;
    std::optional<TPresjek> presjek_;
    IzvorArmature izvor_ = IzvorArmature::Potrebna;
    KrivaInterakcije kriva_;

    QRadioButton* rdbUsvojena_ = nullptr;
    QRadioButton* rdbPotrebna_ = nullptr;
    QLabel* lblArmatura_ = nullptr;
    DijagramWidget* pbDijagram_ = nullptr;
    QLabel* lblTacka_ = nullptr;
    QLabel* lblIskoristenost_ = nullptr;
    QPushButton* btnKopiraj_ = nullptr;
    QPushButton* btnCsv_ = nullptr;
    QPushButton* btnZatvori_ = nullptr;
};

} // namespace nmk::ui
