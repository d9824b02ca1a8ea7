#pragma once
// The materials editor "Materijali": the built-in grades of both codes, the user-defined ones
// that can be added and deleted, and the factor alpha of the project. It works on the
// catalogue files, or on their temporary copies while a project is open, and answers whether
// it changed a file (the opener then reloads both catalogues and rebuilds its lists).

#include "data/projekat.h"
#include "engine/poruke.h"

#include <QDialog>

#include <filesystem>
#include <vector>

class QFrame;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace nmk::ui {

class TfrmMaterijal : public QDialog {
    Q_OBJECT
public:
    // Tabs of `pgcMaterijal`, in order.
    enum Kartica { KarticaPBAB87 = 0, KarticaEC2 = 1, KarticaKorisnicka = 2 };

    TfrmMaterijal(Projekat& pr, Poruke& poruke, QWidget* roditelj = nullptr);

    // A catalogue file was changed (a grade was added or deleted).
    bool Promijenjen() const { return promijenjen_; }
    // The catalogue index each deleted concrete (steel) had when it was deleted, in order.
    const std::vector<int>& IzbrisaniBetoni() const { return izbrisaniBetoni_; }
    const std::vector<int>& IzbrisaniCelici() const { return izbrisaniCelici_; }
    // The editor's copy of alpha; "&OK" stores it in the project state.
    float Alfa() const { return alfa_; }
    // The tab whose grids are shown.
    int Kartica() const;

private:
    void PromijeniKarticu(int kartica);
    void NapuniBeton();
    void NapuniCelik();
    void PostaviUredjivanje();
    void DodajBeton();
    void DodajArmaturu();
    void IzbrisiBeton();
    void IzbrisiArmaturu();
    void PrimiOK();
    void KliknutaCelija(QTableWidget* grid, int red);

    Projekat& pr_;
    Poruke& poruke_;
    std::filesystem::path fajlBetona_;
    std::filesystem::path fajlCelika_;
    float alfa_ = 0.85f;
    bool promijenjen_ = false;
    std::vector<int> izbrisaniBetoni_;
    std::vector<int> izbrisaniCelici_;

    QTabWidget* pgcMaterijal_ = nullptr;
    QWidget* sadrzaj_ = nullptr; // the grids and the tab's own controls, moved between the tabs
    QTableWidget* stgBeton_ = nullptr;
    QTableWidget* stgCelik_ = nullptr;
    QWidget* dugmadKorisnicka_ = nullptr;
    QFrame* okvirAlpha_ = nullptr;
    QLineEdit* edtAlpha_ = nullptr;
};

} // namespace nmk::ui
