#include "ui/glavni_prozor.h"

#include "data/katalog_fajl.h"
#include "data/materijali_uredjivanje.h"
#include "data/projektni_fajl.h"
#include "data/proracun.h"
#include "engine/dimenzioniranje.h"
#include "engine/granicno.h"
#include "ui/armatura_dijalog.h"
#include "ui/brojevi.h"
#include "ui/crtez_widget.h"
#include "ui/dijagram_interakcije.h"
#include "ui/materijal.h"
#include "ui/opcije.h"
#include "ui/polozaj_prozora.h"
#include "ui/sirina_ploce_dijalog.h"

#include "data/provjera.h"
#include "ui/pregled_stampe.h"
#include "ui/prsline.h"
#include "ui/strane_izvjestaja.h"
#include "ui/ugibi.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSysInfo>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace nmk::ui {

namespace {

// The warning after the materials editor deleted the grade a list showed.
std::string PorukaIzbrisanMaterijal(const char* vrsta, const QString& izbrisan,
                                    const QString& izabran) {
    return (QString::fromUtf8(vrsta) + " " + izbrisan + " je izbrisan iz kataloga.\nIzabran je " +
            QString::fromUtf8(vrsta).toLower() + " " + izabran + ".")
        .toStdString();
}

// A hint: the text after "|" goes to the status bar, the text before it (when any) is the
// tool tip; without "|" the whole text is both.
void Savjet(QWidget* w, const QString& savjet) {
    const int crta = savjet.indexOf('|');
    w->setToolTip(crta < 0 ? savjet : savjet.left(crta));
    w->setStatusTip(crta < 0 ? savjet : savjet.mid(crta + 1));
}

template <typename W> W* Napravi(QWidget* roditelj, const char* ime, QRect mjesto) {
    auto* w = new W(roditelj);
    w->setObjectName(ime);
    w->setGeometry(mjesto);
    return w;
}

QGroupBox* Panel(QWidget* roditelj, const char* ime, const QString& naslov, QRect mjesto) {
    auto* p = Napravi<QGroupBox>(roditelj, ime, mjesto);
    p->setTitle(naslov);
    return p;
}

QLabel* Oznaka(QWidget* roditelj, const QString& tekst, QPoint mjesto, const char* ime = "") {
    auto* l = new QLabel(tekst, roditelj);
    l->setObjectName(ime);
    l->move(mjesto);
    l->adjustSize();
    return l;
}

QRadioButton* Radio(QWidget* roditelj, const char* ime, const QString& tekst, QRect mjesto) {
    auto* r = Napravi<QRadioButton>(roditelj, ime, mjesto);
    r->setText(tekst);
    return r;
}

QLineEdit* Polje(QWidget* roditelj, const char* ime, const QString& tekst, QRect mjesto) {
    auto* e = Napravi<QLineEdit>(roditelj, ime, mjesto);
    e->setText(tekst);
    return e;
}

QComboBox* Lista(QWidget* roditelj, const char* ime, QRect mjesto) {
    auto* c = Napravi<QComboBox>(roditelj, ime, mjesto);
    c->setEditable(false);
    return c;
}

QPushButton* Dugme(QWidget* roditelj, const char* ime, const QString& tekst, QRect mjesto) {
    auto* b = Napravi<QPushButton>(roditelj, ime, mjesto);
    b->setText(tekst);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TMainForm::TMainForm(Projekat& projekat, Postavke& postavke, Poruke& poruke,
                     DijaloziFajla* dijalozi, QWidget* roditelj)
    : QMainWindow(roditelj), pr_(projekat), postavke_(postavke), poruke_(poruke),
      prenos_(k_, projekat) {
    if (!dijalozi) {
        vlastitiDijalozi_ = std::make_unique<QtDijaloziFajla>();
        dijalozi = vlastitiDijalozi_.get();
    }
    dijalozi_ = dijalozi;
    setObjectName("MainForm");
    setWindowTitle(NaslovPrograma);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    NapraviKontrole();
    NapraviMeni();
    // A fixed-size window: the menu, the client area and the status bar, nothing to stretch,
    // so the window system offers neither a maximise button nor a resizable frame.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Povezi();
    PrilagodiSistemskiMeni();
    prenos_.PostaviFiltere([this] { Proracun(); });
    // The menu's shortcuts work from every field too: a line edit would otherwise keep
    // Ctrl+A, Ctrl+C and Ctrl+X for itself.
    for (QLineEdit* polje : findChildren<QLineEdit*>())
        polje->installEventFilter(this);
    // An editable combo box answers for its line edit, bypassing the line edit's filters.
    for (QComboBox* lista : findChildren<QComboBox*>())
        if (lista->isEditable())
            lista->installEventFilter(this);
    move(kPodrazumijevaniLijevo, kPodrazumijevaniGore);
    new ProzorNaEkranu(this); // the title bar on a screen of today, once the window shows
    // The designed state before the settings load: EC 2, standard shear, rectangle.
    k_.rdbEC->setChecked(true);
    k_.rdbStandard->setChecked(true);
    k_.rdbPravougaoni->setChecked(true);
    k_.rdbDimenzioniranje->setChecked(true);
    prenos_.PostaviPropis(PocetniPropis);
    prenos_.PostaviOblik(TOblik::Pravougaoni);
    prenos_.PostaviRezim(TProracun::Dimenzioniranje);
    prenos_.PostaviPetoPodrucje();
}

TMainForm::~TMainForm() = default;

void TMainForm::PostaviDijaloge(TfrmPrsline* prsline, TfrmArmatura* armatura, TfrmUgibi* ugibi) {
    frmPrsline_ = prsline;
    frmArmatura_ = armatura;
    frmUgibi_ = ugibi;
}

// ---- controls ----

void TMainForm::NapraviKontrole() {
    auto* sredina = new QWidget(this);
    sredina->setObjectName("pnlKlijent");
    setCentralWidget(sredina);
    auto* statusna = statusBar();
    statusna->setObjectName("StatusBar");
    statusna->setSizeGripEnabled(false);
    const int visinaStatusa = statusna->sizeHint().height();
    sredina->setFixedSize(SirinaProzora, VisinaProzora - visinaStatusa);
    NapraviLijevuKolonu(sredina);
    NapraviDesnuKolonu(sredina);
    k_.oznaka = [this](QLineEdit* polje) -> QLabel* {
        auto it = oznake_.find(polje);
        return it == oznake_.end() ? nullptr : it->second;
    };
}

QWidget* TMainForm::NapraviLijevuKolonu(QWidget* r) {
    auto* oznake = Panel(r, "pnlOznake", "Naziv presjeka", {4, 2, 192, 46});
    k_.cboPresjek = Napravi<QComboBox>(oznake, "cboPresjek", {8, 18, 176, 22});
    k_.cboPresjek->setEditable(true);
    k_.cboPresjek->setInsertPolicy(QComboBox::NoInsert);
    k_.cboPresjek->lineEdit()->setMaxLength(99);

    auto* propisi = Panel(r, "pnlPropisi", "Propisi", {4, 50, 192, 42});
    k_.rdbEC = Radio(propisi, "rdbEC", "EC 2", {8, 18, 90, 20});
    k_.rdbPBAB = Radio(propisi, "rdbPBAB", "PBAB 87", {96, 18, 90, 20});

    auto* presjek = Panel(r, "pnlPresjek", "Presjek", {4, 94, 192, 42});
    k_.rdbPravougaoni = Radio(presjek, "rdbPravougaoni", "Pravougaoni", {8, 18, 96, 20});
    k_.rdbTPresjek = Radio(presjek, "rdbTPresjek", "T presjek", {108, 18, 80, 20});

    auto* mat = Panel(r, "pnlMaterijal", "Materijal", {4, 138, 192, 100});
    // The steel list is the wider one: its names run to nine letters ("RA400/500"), the
    // concrete names to six.
    Oznaka(mat, "Beton", {8, 18});
    k_.cboBeton = Lista(mat, "cboBeton", {8, 34, 74, 22});
    Oznaka(mat, "Celik", {86, 18});
    k_.cboArmatura = Lista(mat, "cboArmatura", {86, 34, 98, 22});
    Oznaka(mat, QString::fromUtf8("γc"), {8, 68});
    k_.cboGamaC = Lista(mat, "cboGamaC", {26, 64, 68, 22});
    Oznaka(mat, QString::fromUtf8("γs"), {98, 68});
    k_.cboGamaS = Lista(mat, "cboGamaS", {116, 64, 68, 22});
    Savjet(k_.cboGamaC, "Parcijalni koeficijent sigurnosti betona");
    Savjet(k_.cboGamaS, "Parcijalni koeficijent sigurnosti celika");

    auto* dim = Panel(r, "pnlDimenzije", "Dimenzije [cm]", {4, 240, 192, 230});
    k_.pnlDimenzije = dim;
    auto dimenzija = [&](QLineEdit*& polje, const char* ime, const char* oznaka,
                         const char* tekst) {
        polje = Polje(dim, ime, tekst, {38, 20, 56, 21});
        oznake_[polje] = Oznaka(dim, oznaka, {8, 23});
    };
    dimenzija(k_.ledtB, "ledtB", "b= ", "40");
    dimenzija(k_.ledtB0, "ledtB0", "b0= ", "20");
    dimenzija(k_.ledth, "ledth", "h= ", "40");
    dimenzija(k_.ledth0, "ledth0", "h0= ", "15");
    dimenzija(k_.ledtD1, "ledtD1", "d1= ", "5");
    dimenzija(k_.ledtD2, "ledtD2", "d2= ", "5");
    k_.btnProracunSirinePloceTPresjeka =
        Dugme(dim, "btnProracunSirinePloceTPresjeka", "b=", {96, 50, 22, 21});
    k_.btnProracunSirinePloceTPresjeka->hide();
    Savjet(k_.btnProracunSirinePloceTPresjeka, "Efektivna Sirina Ploce T Presjeka");
    k_.imgPresjek = Napravi<QLabel>(dim, "imgPresjek", {119, 20, 70, 200});
    return dim;
}

void TMainForm::NapraviPanelSila(QWidget* r) {
    auto* sile = Panel(r, "pnlGranicneSile", "Granicne Sile[kN-m]", {200, 2, 479, 140});
    k_.pnlGranicneSile = sile;
    k_.lblMu = Oznaka(sile, "Mu=", {8, 24}, "lblMu");
    k_.edtMu = Polje(sile, "edtMu", "350", {44, 20, 70, 21});
    k_.lblNu = Oznaka(sile, "Nu=", {124, 24}, "lblNu");
    k_.edtNu = Polje(sile, "edtNu", "-500", {160, 20, 70, 21});
    auto* pritisak = Oznaka(sile, "Pritisak negativan", {240, 24}, "lblPritisak");
    pritisak->setStyleSheet("color: red");
    k_.lblQu = Oznaka(sile, "Qu=", {8, 54}, "lblQu");
    k_.edtQu = Polje(sile, "edtQu", "0", {44, 50, 70, 21});
    Oznaka(sile, "alpha=", {118, 54});
    k_.edtalfa = Polje(sile, "edtalfa", "90", {160, 50, 70, 21});
    Oznaka(sile, "theta=", {238, 54});
    k_.edtbeta = Polje(sile, "edtbeta", "45", {280, 50, 60, 21});
    auto* metoda = Panel(sile, "pnlMetoda", "Metoda za poprecnu silu", {8, 80, 340, 52});
    k_.rdbStandard = Radio(metoda, "rdbStandard", "Standardna", {8, 22, 120, 20});
    k_.rdbVarStrutAngle =
        Radio(metoda, "rdbVarStrutAngle", "Promjenjivog Ugla", {140, 22, 180, 20});
    Savjet(k_.edtMu, "Granicni Momenat Savijanja");
    Savjet(k_.edtNu, "Granicna Normalna Sila | Granicna Normalna Sila; pritisak(-); zatezanje(+)");
    Savjet(k_.edtQu, "Granicna Poprecna Sila");
    Savjet(k_.edtalfa, "Ugao izmedju vilica i poduzne osi grede");
    Savjet(k_.edtbeta, "Ugao pritisnutih dijagonala");
    Savjet(k_.rdbStandard, "Standardna Metoda");
    Savjet(k_.rdbVarStrutAngle, "Metoda Promjenjivog Nagiba Pritisnutih Betonskih Dijagonala");
}

void TMainForm::NapraviPanelArmature(QWidget* r) {
    auto* pnl = Napravi<QGroupBox>(r, "pnlArmaturaIDilatacije", {200, 2, 479, 140});
    k_.pnlArmaturaIDilatacije = pnl;
    pnl->hide();
    auto* arm = Panel(pnl, "pnlArmatura", "Armatura [cm2] ", {8, 8, 140, 124});
    Oznaka(arm, "Aa1 =", {8, 28});
    k_.edtAa1 = Polje(arm, "edtAa1", "0", {50, 24, 80, 21});
    Oznaka(arm, "Aa2 =", {8, 58});
    k_.edtAa2 = Polje(arm, "edtAa2", "0", {50, 54, 80, 21});
    auto* dil =
        Panel(pnl, "pnlDilatacije", QString::fromUtf8("Dilatacije [‰]"), {154, 8, 150, 124});
    k_.lbleps1 = Oznaka(dil, "eps_c=", {8, 28}, "lbleps1");
    k_.edtEpsb = Polje(dil, "edtEpsb", "", {64, 24, 78, 21});
    k_.lbleps2 = Oznaka(dil, "eps_s=", {8, 58}, "lbleps2");
    k_.edtEpsa = Polje(dil, "edtEpsa", "", {64, 54, 78, 21});
    k_.chkPetoPodrucje = Napravi<QCheckBox>(dil, "chkPetoPodrucje", {8, 88, 136, 20});
    k_.chkPetoPodrucje->setText("Peto Podrucje");
    auto* gr = Panel(pnl, "pnlGranicneSileRezultat", "Granicne Sile [kN-m]", {310, 8, 147, 124});
    Oznaka(gr, "Msd =", {8, 28});
    k_.edtMugr = Polje(gr, "edtMugr", "", {54, 24, 85, 21});
    Oznaka(gr, "Nsd =", {8, 58});
    k_.edtNugr = Polje(gr, "edtNugr", "", {54, 54, 85, 21});
    for (QLineEdit* e : {k_.edtMugr, k_.edtNugr}) {
        e->setReadOnly(true);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Button));
        e->setPalette(p);
    }
    Savjet(k_.edtAa1, "Gornja Armatura");
    Savjet(k_.edtAa2, "Donja Armatura");
    Savjet(k_.edtEpsb, "Deformacije Betona");
    Savjet(k_.edtEpsa, "Deformacija Armature");
    Savjet(k_.edtMugr, "Granicni Momenat");
    Savjet(k_.edtNugr,
           "Granicna Normalna Sila | Granicna Normalna Sila; pritisak(-); zatezanje(+)");
}

void TMainForm::NapraviDesnuKolonu(QWidget* r) {
    NapraviPanelSila(r);
    NapraviPanelArmature(r);

    auto* opcije = Panel(r, "pnlOpcije", "Opcije", {200, 144, 316, 64});
    k_.rdbDimenzioniranje =
        Radio(opcije, "rdbDimenzioniranje", "Dimenzioniranje", {8, 18, 150, 20});
    k_.rdbGranicniMomenat =
        Radio(opcije, "rdbGranicniMomenat", "Granicni Momenat", {164, 18, 150, 20});
    k_.rdbGranicnePresjecneSile =
        Radio(opcije, "rdbGranicnePresjecneSile", "Granicne Sile", {8, 40, 150, 20});
    k_.chkSimetricno = Napravi<QCheckBox>(opcije, "chkSimetricno", {164, 40, 150, 20});
    k_.chkSimetricno->setText("Simetricno");
    auto raspored = [&](QAbstractButton*& d, const char* ime) {
        auto* b = Napravi<QToolButton>(opcije, ime, {0, 0, 20, 20});
        b->setCheckable(true);
        b->hide();
        d = b;
    };
    raspored(k_.spbObicno, "spbObicno");
    raspored(k_.spbUUglovima, "spbUUglovima");
    raspored(k_.spbRavnomjerno, "spbRavnomjerno");
    auto* grupa = new QButtonGroup(opcije);
    grupa->setExclusive(true);
    for (QAbstractButton* d : {k_.spbObicno, k_.spbUUglovima, k_.spbRavnomjerno})
        grupa->addButton(d);
    k_.spbObicno->setChecked(true);
    Savjet(k_.rdbDimenzioniranje,
           "Odredjivanje povrsine armature za zadate dimenzije betonskog presjeka i materijal");
    Savjet(k_.rdbGranicniMomenat, "Odredjivanje granicnog momenta za zadate dimenzije, povrsinu "
                                  "armature i granicnu normalnu silu");
    Savjet(k_.rdbGranicnePresjecneSile,
           "Granicne sile za zadate dimenzije, povrsinu armature i deformacije ea i eb");
    Savjet(k_.chkSimetricno, "|Simetricno ");

    // The interaction diagram's button takes the third place of the lower row, beside
    // "Prsline"; the panel takes the room the options panel leaves to the right.
    auto* proracun = Napravi<QFrame>(r, "pnlProracun", {520, 150, 159, 58});
    proracun->setFrameShape(QFrame::StyledPanel);
    k_.btnProracun = Dugme(proracun, "btnProracun", "Proracun", {2, 2, 77, 26});
    k_.btnArmatura = Dugme(proracun, "btnArmatura", "Armatura", {80, 2, 77, 26});
    k_.btnUgibi = Dugme(proracun, "btnUgibi", "Ugibi", {2, 30, 50, 26});
    k_.btnPrsline = Dugme(proracun, "btnPrsline", "Prsline", {53, 30, 58, 26});
    Savjet(Dugme(proracun, "btnDijagram", "N-M", {112, 30, 45, 26}), "| Dijagram interakcije");
    Savjet(k_.btnProracun, "| Proracun presjeka");
    Savjet(k_.btnArmatura, "| Proracun armature");
    Savjet(k_.btnUgibi, "| Proracun ugiba");
    Savjet(k_.btnPrsline, "| Proracun sirine prslina");

    auto* dijagram = Napravi<QFrame>(r, "pnlDijagram", {200, 210, 479, 260});
    dijagram->setFrameShape(QFrame::StyledPanel);
    pb_ = new CrtezWidget(dijagram);
    pb_->setObjectName("pb");
    pb_->setGeometry(2, 2, 475, 256);
    pb_->setCursor(Qt::CrossCursor);
    Savjet(pb_, "|Presjek, deformacije i naponi u betonu");
}

void TMainForm::NapraviMeni() {
    auto stavka = [this](QMenu* meni, const char* ime, const QString& tekst,
                         const QKeySequence& precica, void (TMainForm::*komanda)()) {
        QAction* a = meni->addAction(tekst);
        a->setObjectName(ime);
        if (!precica.isEmpty())
            a->setShortcut(precica);
        connect(a, &QAction::triggered, this, [this, komanda] { (this->*komanda)(); });
        return a;
    };
    QMenu* datoteka = menuBar()->addMenu("&Datoteka");
    stavka(datoteka, "mnuFileNew", "&Novi", QKeySequence("Ctrl+N"), &TMainForm::Novi);
    stavka(datoteka, "mnuFileOpen", "&Otvori ...", QKeySequence("Ctrl+O"), &TMainForm::Otvori);
    QAction* snimi = datoteka->addAction("&Snimi ...");
    snimi->setObjectName("mnuFileSave");
    snimi->setShortcut(QKeySequence("Ctrl+S"));
    connect(snimi, &QAction::triggered, this, [this] { Snimi(); });
    stavka(datoteka, "mnuFilePrinterSetup", "Podesavanje stampaca ...", {},
           &TMainForm::PodesiStampac);
    stavka(datoteka, "mnuFilePrint", "Ispis", QKeySequence("Ctrl+P"), &TMainForm::Stampaj);
    QAction* izlaz = datoteka->addAction("Izlaz");
    izlaz->setObjectName("mnuFileExit");
    izlaz->setShortcut(QKeySequence("Ctrl+X"));
    connect(izlaz, &QAction::triggered, this, &QWidget::close);

    QMenu* detalji = menuBar()->addMenu("&Detalji");
    stavka(detalji, "mnuMaterijali", "Materijali", {}, &TMainForm::Materijali);

    QMenu* proracun = menuBar()->addMenu("Proracun");
    stavka(proracun, "mnuProracunPresjeka", "&Presjeka", QKeySequence(Qt::Key_F5),
           &TMainForm::Proracun);
    stavka(proracun, "mnuProracunArmature", "&Armature", QKeySequence("Ctrl+A"),
           &TMainForm::Armatura);
    stavka(proracun, "mnuProracunPrslina", "&Prslina", QKeySequence(Qt::Key_F9),
           &TMainForm::Prsline);
    stavka(proracun, "mnuProracunUgiba", "&Ugiba", QKeySequence(Qt::Key_F10), &TMainForm::Ugibi);
    stavka(proracun, "mnuDijagramInterakcije", "&Dijagram interakcije", QKeySequence(Qt::Key_F11),
           &TMainForm::Dijagram);
    proracun->addSeparator();
    stavka(proracun, "mnuIzbrisiPresjek", "&Izbrisi presjek", {}, &TMainForm::IzbrisiPresjek);
    stavka(proracun, "mnuPreimenujPresjek", "Preime&nuj presjek ...", {},
           &TMainForm::PreimenujPresjek);

    QMenu* alati = menuBar()->addMenu("&Alati");
    stavka(alati, "mnuCalculator", "&Calculator", QKeySequence("Ctrl+C"), &TMainForm::Kalkulator);
    stavka(alati, "mnuRodplan", "&Rodplan", QKeySequence("Ctrl+R"), &TMainForm::Rodplan);
    stavka(alati, "mnuOpcije", "&Opcije", {}, &TMainForm::Opcije);

    QMenu* pomoc = menuBar()->addMenu("&Pomoc");
    stavka(pomoc, "mnuUputstvo", "Uputstvo", QKeySequence(Qt::Key_F1), &TMainForm::Pomoc);
    stavka(pomoc, "mnuOProgramu", "&O Programu", {}, &TMainForm::OProgramu);
}

void TMainForm::Povezi() {
    connect(k_.btnProracun, &QPushButton::clicked, this, &TMainForm::Proracun);
    connect(k_.btnArmatura, &QPushButton::clicked, this, &TMainForm::Armatura);
    connect(k_.btnUgibi, &QPushButton::clicked, this, &TMainForm::Ugibi);
    connect(k_.btnPrsline, &QPushButton::clicked, this, &TMainForm::Prsline);
    connect(findChild<QPushButton*>("btnDijagram"), &QPushButton::clicked, this,
            &TMainForm::Dijagram);
    connect(k_.cboPresjek, &QComboBox::activated, this, &TMainForm::IzaberiPresjek);
    // A click on the shape or code already checked leaves the window as it is.
    for (QRadioButton* r : {k_.rdbPravougaoni, k_.rdbTPresjek})
        connect(r, &QRadioButton::clicked, this, [this] {
            if (prenos_.OblikPromijenjen())
                PromijeniOblik();
        });
    for (QRadioButton* r : {k_.rdbPBAB, k_.rdbEC})
        connect(r, &QRadioButton::clicked, this, [this] {
            if (prenos_.PropisPromijenjen())
                PromijeniPropis();
        });
    for (QRadioButton* r :
         {k_.rdbDimenzioniranje, k_.rdbGranicniMomenat, k_.rdbGranicnePresjecneSile})
        connect(r, &QRadioButton::clicked, this, &TMainForm::PromijeniRezim);
    for (QRadioButton* r : {k_.rdbStandard, k_.rdbVarStrutAngle})
        connect(r, &QRadioButton::clicked, this, &TMainForm::PromijeniMetodu);
    connect(k_.chkPetoPodrucje, &QCheckBox::clicked, this, &TMainForm::PetoPodrucje);
    connect(k_.edtEpsb, &QLineEdit::textEdited, this, [this] { prenos_.ObnoviEpsa(); });
    for (QComboBox* c : {k_.cboBeton, k_.cboArmatura, k_.cboGamaC, k_.cboGamaS})
        connect(c, &QComboBox::activated, this, &TMainForm::AutomatskiProracun);
    connect(k_.chkSimetricno, &QCheckBox::clicked, this, &TMainForm::AutomatskiProracun);
    connect(k_.btnProracunSirinePloceTPresjeka, &QPushButton::clicked, this,
            &TMainForm::SirinaPloce);
    for (QLineEdit* e : {k_.ledtB, k_.ledtB0, k_.ledth, k_.ledth0})
        e->installEventFilter(this);
    for (QAbstractButton* d : {k_.spbObicno, k_.spbUUglovima, k_.spbRavnomjerno}) {
        connect(d, &QAbstractButton::clicked, this, [this, d] {
            const bool obicno = k_.spbObicno->isChecked();
            k_.rdbGranicniMomenat->setEnabled(obicno);
            k_.rdbGranicnePresjecneSile->setEnabled(obicno);
            k_.chkSimetricno->setEnabled(obicno);
            if (d == k_.spbUUglovima) {
                const QSignalBlocker b(k_.chkSimetricno);
                k_.chkSimetricno->setChecked(true);
            }
            Proracun();
        });
    }
}

#ifdef Q_OS_WIN
namespace {
constexpr UINT KomandaOProgramu = 1025;
}

void TMainForm::PrilagodiSistemskiMeni() {
    HMENU meni = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    if (meni == nullptr)
        return;
    DeleteMenu(meni, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(meni, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(meni, SC_RESTORE, MF_BYCOMMAND);
    ModifyMenuW(meni, SC_MOVE, MF_BYCOMMAND | MF_STRING, SC_MOVE, L"&Pomjeri");
    ModifyMenuW(meni, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, L"&Ugasi program !\tAlt+F4");
    ModifyMenuW(meni, SC_MINIMIZE, MF_BYCOMMAND | MF_STRING, SC_MINIMIZE, L"&Sklopi na taskbar");
    AppendMenuW(meni, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(meni, MF_STRING, KomandaOProgramu, L"&Nosivometrik");
}

bool TMainForm::nativeEvent(const QByteArray& vrsta, void* poruka, qintptr* rezultat) {
    const MSG* msg = static_cast<const MSG*>(poruka);
    if (msg->message == WM_SYSCOMMAND && msg->wParam == KomandaOProgramu) {
        OProgramu();
        *rezultat = 0;
        return true;
    }
    return QMainWindow::nativeEvent(vrsta, poruka, rezultat);
}
#else
// Elsewhere the window manager owns the window menu; the About box is in "&Pomoc".
void TMainForm::PrilagodiSistemskiMeni() {}
#endif

bool TMainForm::eventFilter(QObject* objekat, QEvent* dogadjaj) {
    if (dogadjaj->type() == QEvent::ShortcutOverride) {
        const QKeySequence tipke(static_cast<QKeyEvent*>(dogadjaj)->keyCombination());
        for (const QAction* a : menuBar()->findChildren<QAction*>())
            if (!a->shortcut().isEmpty() && a->shortcut() == tipke) {
                dogadjaj->ignore(); // not taken by the field: the shortcut runs
                return true;
            }
    }
    if (dogadjaj->type() == QEvent::KeyRelease) {
        auto* polje = qobject_cast<QLineEdit*>(objekat);
        const int tipka = static_cast<QKeyEvent*>(dogadjaj)->key();
        if (polje && (tipka == Qt::Key_Backspace || (tipka >= Qt::Key_0 && tipka <= Qt::Key_9)))
            DimenzijaUkucana(polje);
    }
    return QMainWindow::eventFilter(objekat, dogadjaj);
}

// ---- drawing ----

void TMainForm::Crtaj(const TPresjek* p, bool samoObris) {
    pb_->Prikazi(p, samoObris);
}

void TMainForm::ObrisiDijagrame() {
    pb_->Natpisi(false);
}

void TMainForm::CrtajObris() {
    ObrisiDijagrame();
    Crtaj(&pr_.Radni(), true);
}

void TMainForm::OsvjeziCrtez() {
    if (pr_.BrojPresjeka() <= 0) {
        Crtaj(nullptr, true);
        return;
    }
    const int i = pr_.sistem.IzabraniPresjek;
    if (i >= 0 && i < pr_.BrojPresjeka())
        Crtaj(&pr_.presjeci[static_cast<std::size_t>(i)], false);
}

void TMainForm::ZapisiIPrikazi(const TPresjek& p) {
    if (!prenos_.Zapisi(p))
        return;
    Crtaj(&p, !p.Ispravan);
    pb_->Natpisi(true);
}

// ---- Calculate ----

void TMainForm::Proracun() {
    TPresjek& radni = pr_.Radni();
    NacinProracuna nacin;
    nacin.unos = [this](TPresjek& p) { prenos_.Procitaj(p); };
    const IshodProracuna ishod = IzracunajPresjek(radni, pr_, poruke_, nacin);
    if (!ishod.provjeraProsla)
        return;
    pr_.sistem.Izmijenjen = true;
    PostaviImePresjeka();
    const QString ime = QString::fromStdString(radni.Naziv);
    if (ishod.greska) {
        // the calculation ended by an error: its text is shown and nothing is stored
        VratiIme(ime);
        poruke_.Obicna(*ishod.greska);
        return;
    }
    ZapisiIPrikazi(radni);
    if (!radni.Ispravan) {
        VratiIme(ime);
        return;
    }
    pr_.sistem.IzabraniPresjek = pr_.BrojPresjeka() - 1;
    pr_.presjeci.emplace_back();
    pr_.VratiRadni();
}

void TMainForm::VratiIme(const QString& ime) {
    // The section list must keep one name per stored section, so item i always names
    // section i; the typed name stays in the field.
    const int zadnji = k_.cboPresjek->count() - 1;
    if (zadnji >= pr_.BrojPresjeka() - 1 && zadnji >= 0)
        k_.cboPresjek->removeItem(zadnji);
    k_.cboPresjek->setCurrentIndex(-1);
    k_.cboPresjek->setEditText(ime);
}

void TMainForm::PostaviImePresjeka() {
    const int broj = pr_.BrojPresjeka();
    const QString automatsko = QStringLiteral("Presjek%1").arg(broj);
    QString ime = k_.cboPresjek->currentText().trimmed();
    if (ime.isEmpty())
        ime = automatsko;
    for (int i = broj - 2; i >= 0; --i) {
        const QString drugo =
            QString::fromStdString(pr_.presjeci[static_cast<std::size_t>(i)].Naziv);
        if (drugo.compare(ime, Qt::CaseInsensitive) == 0) {
            ime = automatsko;
            break;
        }
    }
    k_.cboPresjek->addItem(ime);
    k_.cboPresjek->setCurrentIndex(k_.cboPresjek->count() - 1);
    k_.cboPresjek->setEditText(ime);
    pr_.Radni().Naziv = ime.toStdString();
}

void TMainForm::AutomatskiProracun() {
    if (pr_.sistem.AutomatskiProracun)
        Proracun();
}

// ---- selection, shape, code, mode ----

void TMainForm::IzaberiPresjek(int index) {
    if (index < 0 || index >= pr_.BrojPresjeka())
        return;
    pr_.sistem.IzabraniPresjek = index;
    ZapisiIPrikazi(pr_.presjeci[static_cast<std::size_t>(index)]);
}

void TMainForm::PromijeniOblik() {
    prenos_.PostaviOblik(prenos_.CekiraniOblik());
    prenos_.Procitaj(pr_.Radni());
    CrtajObris();
    pr_.sistem.IzabraniPresjek = pr_.BrojPresjeka() - 1;
}

void TMainForm::PromijeniPropis() {
    prenos_.PostaviPropis(prenos_.CekiraniPropis());
}

void TMainForm::PromijeniRezim() {
    prenos_.PostaviRezim(prenos_.CekiraniRezim());
}

void TMainForm::PromijeniMetodu() {
    prenos_.PraviloMetode();
}

void TMainForm::PetoPodrucje() {
    prenos_.PostaviPetoPodrucje();
}

void TMainForm::DimenzijaUkucana(QLineEdit* polje) {
    if (!ProcitajBroj(polje->text()))
        return;
    pr_.sistem.IzabraniPresjek = pr_.BrojPresjeka() - 1;
    TPresjek& radni = pr_.Radni();
    prenos_.Procitaj(radni);
    radni.Status &= static_cast<std::uint16_t>(~sfIzracunat);
    CrtajObris();
}

void TMainForm::SirinaPloce() {
    TfrmSirinaPloceTPresjeka dijalog(
        poruke_, [this] { return k_.ledtB0->text(); }, this);
    if (dijalog.exec() == QDialog::Accepted)
        k_.ledtB->setText(dijalog.Sirina());
    prenos_.Procitaj(pr_.Radni());
    Crtaj(&pr_.Radni(), true);
}

// ---- dialogs on the section at the current index ----

template <typename Dijalog> void TMainForm::NaIzabranom(Dijalog&& dijalog) {
    const int i = pr_.sistem.IzabraniPresjek;
    if (i < 0 || i >= pr_.BrojPresjeka() ||
        !pr_.presjeci[static_cast<std::size_t>(i)].ima(sfIzracunat)) {
        poruke_.Prikazi(PorukaNijeDimenzioniran, VrstaPoruke::Upozorenje, dgOK);
        return;
    }
    pr_.trenutni = static_cast<std::size_t>(i);
    try {
        dijalog(pr_.presjeci[static_cast<std::size_t>(i)]);
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
    }
    pr_.VratiRadni();
}

TfrmArmatura& TMainForm::DijalogArmature() {
    if (!frmArmatura_)
        frmArmatura_ = new TfrmArmatura(pr_.katalozi, poruke_, pr_.folder, this);
    return *frmArmatura_;
}

TfrmPrsline& TMainForm::DijalogPrslina() {
    if (!frmPrsline_)
        frmPrsline_ = new TfrmPrsline(
            pr_, poruke_, [this](TPresjek& p) { ArmaturaZa(p); }, this);
    return *frmPrsline_;
}

TfrmUgibi& TMainForm::DijalogUgiba() {
    if (!frmUgibi_)
        frmUgibi_ = new TfrmUgibi(
            pr_, poruke_, [this](TPresjek& p) { ArmaturaZa(p); }, this);
    return *frmUgibi_;
}

void TMainForm::ArmaturaZa(TPresjek& p) {
    if (DijalogArmature().Prikazi(p) == QDialog::Accepted)
        pr_.sistem.Izmijenjen = true; // adopted bars are work to keep
    ZapisiIPrikazi(p);
}

void TMainForm::Armatura() {
    NaIzabranom([this](TPresjek& p) { ArmaturaZa(p); });
}

void TMainForm::Prsline() {
    NaIzabranom([this](TPresjek& p) { DijalogPrslina().Prikazi(p); });
}

void TMainForm::Ugibi() {
    NaIzabranom([this](TPresjek& p) { DijalogUgiba().Prikazi(p); });
}

TfrmDijagramInterakcije& TMainForm::DijalogDijagrama() {
    if (!frmDijagram_)
        frmDijagram_ = new TfrmDijagramInterakcije(pr_, poruke_, this);
    return *frmDijagram_;
}

void TMainForm::Dijagram() {
    NaIzabranom([this](TPresjek& p) { DijalogDijagrama().Prikazi(p); });
}

// ---- other commands ----

void TMainForm::Materijali() {
    // The grades the lists show are the next calculation's: they stay chosen through the
    // editor, moved with the records after a deleted one.
    const std::optional<int> beton = prenos_.IzabraniBeton();
    const std::optional<int> celik = prenos_.IzabraniCelik();
    const QString imeBetona = k_.cboBeton->currentText();
    const QString imeCelika = k_.cboArmatura->currentText();
    TfrmMaterijal dijalog(pr_, poruke_, this);
    dijalog.exec();
    if (!dijalog.Promijenjen())
        return;
    try {
        UcitajBetone(pr_);
        UcitajCelike(pr_);
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
    }
    const auto poslije = [](std::optional<int> i, const std::vector<int>& izbrisani) {
        return i ? IndeksNakonBrisanja(*i, izbrisani) : std::nullopt;
    };
    const std::optional<int> noviBeton = poslije(beton, dijalog.IzbrisaniBetoni());
    const std::optional<int> noviCelik = poslije(celik, dijalog.IzbrisaniCelici());
    prenos_.ObnoviMaterijale(noviBeton, noviCelik);
    if (beton && !noviBeton)
        poruke_.Prikazi(PorukaIzbrisanMaterijal("Beton", imeBetona, k_.cboBeton->currentText()),
                        VrstaPoruke::Upozorenje, dgOK);
    if (celik && !noviCelik)
        poruke_.Prikazi(PorukaIzbrisanMaterijal("Celik", imeCelika, k_.cboArmatura->currentText()),
                        VrstaPoruke::Upozorenje, dgOK);
}

void TMainForm::Opcije() {
    // The dialog writes the options into the project; the recalculation on choosing a
    // material, a partial factor or the symmetry follows TSistem::AutomatskiProracun.
    TfrmOpcije opcije(pr_.sistem, pr_.betonEx, poruke_, this);
    opcije.exec();
}

void TMainForm::Stampaj() {
    // The preview takes the whole screen's attention: the main window is hidden meanwhile
    // and shown again however the preview ends.
    const bool bioVidljiv = isVisible();
    hide();
    try {
        TfrmPregledStampe pregled(pr_, postavke_, poruke_, nullptr);
        pregled.PostaviStampac(&Stampac());
        pregled.exec();
    } catch (const std::exception& e) {
        poruke_.Obicna(e.what());
    }
    if (bioVidljiv)
        show();
}

QPrinter& TMainForm::Stampac() {
    if (!stampac_) {
        stampac_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        stampac_->setPageLayout(RasporedStraneA4()); // the page the PDF and the RTF have
    }
    return *stampac_;
}

void TMainForm::PodesiStampac() {
    // The set-up adjusts the printer that the print preview then prints on.
    QPageSetupDialog dijalog(&Stampac(), this);
    dijalog.exec();
}

void TMainForm::Pomoc() {
    const std::filesystem::path pomoc = ProgramskiFolder() / FajlPomoci;
    if (!std::filesystem::exists(pomoc)) {
        poruke_.Prikazi(std::string(FajlPomoci) + " ne postoji", VrstaPoruke::Greska, dgOK);
        return;
    }
    const QString putanja = QString::fromStdString(pomoc.string());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(putanja)))
        poruke_.Prikazi(putanja.toStdString() + "\nne moze se otvoriti.", VrstaPoruke::Greska,
                        dgOK);
}

void TMainForm::Kalkulator() {
#ifdef Q_OS_WIN
    const QStringList kandidati{"calc.exe"};
#else
    const QStringList kandidati{"gnome-calculator", "kcalc",     "galculator",
                                "qalculate-gtk",    "mate-calc", "xcalc"};
#endif
    for (const QString& k : kandidati) {
        const QString program = QStandardPaths::findExecutable(k);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    poruke_.Prikazi("Kalkulator nije pronadjen na ovom racunaru.", VrstaPoruke::Greska, dgOK);
}

void TMainForm::Rodplan() {
    PokreniRodplan(ProgramskiFolder(), poruke_);
}

void TMainForm::OProgramu() {
    QDialog o(this);
    o.setObjectName("frmOProgramu");
    o.setWindowTitle("O Programu");
    auto* raspored = new QVBoxLayout(&o);
    auto* tekst = new QLabel(&o);
    tekst->setObjectName("lblOProgramu");
    tekst->setText(QStringLiteral("<b>Nosivometrik</b> 1.6<br>Proracun armiranobetonskih "
                                  "presjeka<br><br>Operativni sistem: %1<br>Racunar: %2")
                       .arg(QSysInfo::prettyProductName().toHtmlEscaped(),
                            QSysInfo::machineHostName().toHtmlEscaped()));
    raspored->addWidget(tekst);
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok, &o);
    connect(dugmad, &QDialogButtonBox::accepted, &o, &QDialog::accept);
    raspored->addWidget(dugmad);
    o.exec();
}

} // namespace nmk::ui
