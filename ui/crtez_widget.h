#pragma once
// The paint box "pb" of the main window: the section to scale with its reinforcement, the strain
// diagram and the stress block, and the eleven labels around them. The geometry and the texts
// come from render/crtez.h; this widget only paints and places them.

#include "engine/presjek.h"
#include "render/crtez.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;

namespace nmk::ui {

class CrtezWidget : public QWidget {
    Q_OBJECT
public:
    explicit CrtezWidget(QWidget* parent = nullptr);

    // What the box shows: a copy of the section, as its outline only or with its results.
    // Nothing is drawn for no section. The labels are left as they are (see Natpisi).
    void Prikazi(const TPresjek* presjek, bool samoObris);
    // The label operation: every label cleared; with `prikazi` and a calculated, valid section
    // shown, the areas, chosen bars, strains and stresses written.
    void Natpisi(bool prikazi);
    // Shows nothing and clears the labels.
    void Obrisi();

    QLabel* Natpis(render::Natpis n) const { return natpisi_[static_cast<int>(n)]; }
    const std::optional<TPresjek>& Presjek() const { return presjek_; }
    bool SamoObris() const { return samoObris_; }
    // The primitives of the current picture, as they are painted.
    std::vector<render::Primitiv> Primitivi() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PrimijeniNatpise(const render::Natpisi& n);
    // The labels of one row share the box's width: a text longer than its room moves left as
    // far as the text before it allows, and what still does not fit is set smaller, down to
    // NajmanjiNatpis pixels, so no text runs into the next one or out of the box.
    void SmjestiNatpise();

    static constexpr int RazmakNatpisa = 4;
    static constexpr int NajmanjiNatpis = 8;

    std::optional<TPresjek> presjek_;
    bool samoObris_ = true;
    std::array<QLabel*, render::BrojNatpisa> natpisi_{};
};

// A hint "short|long": the short part as the tool tip, the long part as the status tip.
void PostaviHint(QWidget* w, const QString& hint);

} // namespace nmk::ui
