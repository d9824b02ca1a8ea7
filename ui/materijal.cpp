#include "ui/materijal.h"

#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/materijali_uredjivanje.h"
#include "ui/brojevi.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace nmk::ui {

namespace {

QString DvijeDecimale(double x) {
    return Broj(x, 15, 2);
}

QString Tekst(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The cells of both grids: the text after one leading blank, on one line, vertically centred.
// On the user tab the row at the top of the selection (unless it is the entry row) is white
// on navy; every other cell has the window's normal colours. Number columns take only digits,
// backspace and the decimal separator; the name column takes any key.
class CelijeMaterijala : public QStyledItemDelegate {
public:
    CelijeMaterijala(const TfrmMaterijal* editor, QTableWidget* grid)
        : QStyledItemDelegate(grid), editor_(editor), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opcija,
               const QModelIndex& indeks) const override {
        const bool oznacen = editor_->Kartica() == TfrmMaterijal::KarticaKorisnicka &&
                             indeks.row() == VrhOznake() && indeks.row() != grid_->rowCount() - 1;
        const QPalette& paleta = opcija.palette;
        p->save();
        p->fillRect(opcija.rect, oznacen ? QColor(0, 0, 128) : paleta.color(QPalette::Base));
        p->setPen(oznacen ? QColor(Qt::white) : paleta.color(QPalette::Text));
        p->setFont(opcija.font);
        const QString tekst = QLatin1Char(' ') + indeks.data(Qt::DisplayRole).toString();
        p->drawText(opcija.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    opcija.fontMetrics.elidedText(tekst, Qt::ElideRight, opcija.rect.width()));
        p->restore();
    }

    QWidget* createEditor(QWidget* roditelj, const QStyleOptionViewItem&,
                          const QModelIndex& indeks) const override {
        auto* e = new QLineEdit(roditelj);
        if (indeks.column() != 0) {
            PostaviFilter(e, PravilaUnosa{});
        }
        return e;
    }

private:
    int VrhOznake() const {
        int vrh = -1;
        for (const QModelIndex& r : grid_->selectionModel()->selectedRows()) {
            vrh = vrh < 0 ? r.row() : std::min(vrh, r.row());
        }
        return vrh;
    }

    const TfrmMaterijal* editor_;
    QTableWidget* grid_;
};

QTableWidget* NoviGrid(const char* ime, QWidget* roditelj) {
    auto* g = new QTableWidget(0, 3, roditelj);
    g->setObjectName(QString::fromLatin1(ime));
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    g->setWordWrap(false);
    // Tab leaves the grid for the window's next control; the arrows move between the cells.
    g->setTabKeyNavigation(false);
    return g;
}

QPushButton* NovoDugme(const char* ime, const char* tekst, QWidget* roditelj) {
    auto* b = new QPushButton(QString::fromLatin1(tekst), roditelj);
    b->setObjectName(QString::fromLatin1(ime));
    b->setAutoDefault(false);
    return b;
}

// A row of three cells; on the user tab only the entry row (`uredjiv`) can be edited.
void PostaviRed(QTableWidget* g, int red, const QStringList& celije, bool uredjiv) {
    for (int k = 0; k < 3; ++k) {
        auto* c = new QTableWidgetItem(celije.value(k));
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (uredjiv) {
            f |= Qt::ItemIsEditable;
        }
        c->setFlags(f);
        g->setItem(red, k, c);
    }
}

// Rows [od, do) of a catalogue, each turned into its three cells.
template <typename T, typename Celije>
void NapuniRedove(QTableWidget* g, const std::vector<T>& zapisi, int od, int doIskljucivo,
                  bool redZaUnos, Celije celije) {
    const int kraj = std::min<int>(doIskljucivo, static_cast<int>(zapisi.size()));
    const int broj = std::max(0, kraj - od);
    g->clearContents();
    g->setRowCount(broj + (redZaUnos ? 1 : 0));
    for (int r = 0; r < broj; ++r) {
        PostaviRed(g, r, celije(zapisi[static_cast<std::size_t>(od + r)]), false);
    }
    if (redZaUnos) {
        PostaviRed(g, broj, {}, true);
    }
}

NoviMaterijal ProcitajRedZaUnos(const QTableWidget* g) {
    const int red = g->rowCount() - 1;
    auto celija = [&](int k) { return g->item(red, k) ? g->item(red, k)->text() : QString(); };
    return NoviMaterijal{celija(0).toStdString(), ProcitajBroj(celija(1)), ProcitajBroj(celija(2))};
}

} // namespace

TfrmMaterijal::TfrmMaterijal(Projekat& pr, Poruke& poruke, QWidget* roditelj)
    : QDialog(roditelj), pr_(pr), poruke_(poruke), fajlBetona_(FajlBetona(pr)),
      fajlCelika_(FajlCelika(pr)), alfa_(pr.sistem.Alfa) {
    setObjectName(QStringLiteral("frmMaterijal"));
    setWindowTitle(QStringLiteral("Materijali"));

    pgcMaterijal_ = new QTabWidget(this);
    pgcMaterijal_->setObjectName(QStringLiteral("pgcMaterijal"));
    for (const char* naslov : {"PBAB87", "EC2", "Korisnicki Definisani"}) {
        auto* strana = new QWidget(pgcMaterijal_);
        new QVBoxLayout(strana);
        pgcMaterijal_->addTab(strana, QString::fromLatin1(naslov));
    }

    sadrzaj_ = new QWidget(this);
    stgBeton_ = NoviGrid("stgBeton", sadrzaj_);
    stgCelik_ = NoviGrid("stgCelik", sadrzaj_);
    for (QTableWidget* g : {stgBeton_, stgCelik_}) {
        g->setItemDelegate(new CelijeMaterijala(this, g));
        connect(g, &QTableWidget::cellPressed, this,
                [this, g](int red, int) { KliknutaCelija(g, red); });
        // The navy row follows the selection.
        connect(g->selectionModel(), &QItemSelectionModel::selectionChanged, g->viewport(),
                qOverload<>(&QWidget::update));
    }

    dugmadKorisnicka_ = new QWidget(sadrzaj_);
    auto* btnDodajBeton = NovoDugme("btnDodajBeton", "Dodaj Beton", dugmadKorisnicka_);
    auto* btnDodajArmaturu = NovoDugme("btnDodajArmaturu", "Dodaj Armaturu", dugmadKorisnicka_);
    auto* btnIzbrisiBeton = NovoDugme("btnIzbrisiBeton", "Izbrisi Beton", dugmadKorisnicka_);
    auto* btnIzbrisiArmaturu =
        NovoDugme("btnIzbrisiArmaturu", "Izbrisi Armaturu", dugmadKorisnicka_);
    auto* redDugmadi = new QHBoxLayout(dugmadKorisnicka_);
    redDugmadi->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {btnDodajBeton, btnDodajArmaturu, btnIzbrisiBeton, btnIzbrisiArmaturu}) {
        redDugmadi->addWidget(b);
    }
    connect(btnDodajBeton, &QPushButton::clicked, this, &TfrmMaterijal::DodajBeton);
    connect(btnDodajArmaturu, &QPushButton::clicked, this, &TfrmMaterijal::DodajArmaturu);
    connect(btnIzbrisiBeton, &QPushButton::clicked, this, &TfrmMaterijal::IzbrisiBeton);
    connect(btnIzbrisiArmaturu, &QPushButton::clicked, this, &TfrmMaterijal::IzbrisiArmaturu);

    okvirAlpha_ = new QFrame(sadrzaj_);
    okvirAlpha_->setObjectName(QStringLiteral("okvirAlpha"));
    okvirAlpha_->setFrameShape(QFrame::StyledPanel);
    edtAlpha_ = new QLineEdit(okvirAlpha_);
    edtAlpha_->setObjectName(QStringLiteral("edtAlpha"));
    edtAlpha_->setText(DvijeDecimale(alfa_));
    PostaviFilter(edtAlpha_, PravilaUnosa{});
    auto* redAlpha = new QHBoxLayout(okvirAlpha_);
    auto* lblAlpha = new QLabel(QStringLiteral("alpha"), okvirAlpha_);
    lblAlpha->setBuddy(edtAlpha_);
    redAlpha->addWidget(lblAlpha);
    redAlpha->addWidget(edtAlpha_);
    redAlpha->addStretch();
    connect(edtAlpha_, &QLineEdit::textEdited, this, [this](const QString& tekst) {
        if (const auto a = ProcitajBroj(tekst)) {
            alfa_ = static_cast<float>(*a);
        }
    });

    auto* slozeno = new QVBoxLayout(sadrzaj_);
    slozeno->setContentsMargins(0, 0, 0, 0);
    slozeno->addWidget(stgBeton_, 3);
    slozeno->addWidget(stgCelik_, 2);
    slozeno->addWidget(dugmadKorisnicka_);
    slozeno->addWidget(okvirAlpha_);

    auto* btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMaterijal::PrimiOK);

    auto* glavni = new QVBoxLayout(this);
    glavni->addWidget(pgcMaterijal_);
    auto* dno = new QHBoxLayout();
    dno->addStretch();
    dno->addWidget(btnOK);
    glavni->addLayout(dno);
    resize(520, 560);

    stgBeton_->setHorizontalHeaderLabels({"Beton", QString(), "trd [N/mm2]"});
    stgCelik_->setHorizontalHeaderLabels({"Armatura", QString(), "E [N/mm2]"});
    connect(pgcMaterijal_, &QTabWidget::currentChanged, this, &TfrmMaterijal::PromijeniKarticu);
    PromijeniKarticu(pgcMaterijal_->currentIndex());
}

int TfrmMaterijal::Kartica() const {
    return pgcMaterijal_->currentIndex();
}

void TfrmMaterijal::PromijeniKarticu(int kartica) {
    QWidget* strana = pgcMaterijal_->widget(kartica);
    if (strana == nullptr) {
        return;
    }
    strana->layout()->addWidget(sadrzaj_);
    sadrzaj_->show();
    const bool pbab = kartica == KarticaPBAB87;
    stgBeton_->horizontalHeaderItem(1)->setText(pbab ? "fb [N/mm2]" : "fck [N/mm2]");
    stgCelik_->horizontalHeaderItem(1)->setText(pbab ? "fav [N/mm2]" : "fyk [N/mm2]");
    dugmadKorisnicka_->setVisible(kartica == KarticaKorisnicka);
    okvirAlpha_->setVisible(kartica == KarticaEC2);
    PostaviUredjivanje();
    NapuniBeton();
    NapuniCelik();
}

void TfrmMaterijal::PostaviUredjivanje() {
    const bool korisnicka = Kartica() == KarticaKorisnicka;
    for (QTableWidget* g : {stgBeton_, stgCelik_}) {
        g->clearSelection();
        // On the user tab typing starts editing the entry row (the only editable one).
        g->setEditTriggers(korisnicka ? QAbstractItemView::DoubleClicked |
                                            QAbstractItemView::EditKeyPressed |
                                            QAbstractItemView::AnyKeyPressed
                                      : QAbstractItemView::NoEditTriggers);
    }
}

void TfrmMaterijal::NapuniBeton() {
    std::vector<TBeton> zapisi;
    try {
        zapisi = CitajBetone(fajlBetona_);
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
    const auto dv = [](double x) { return DvijeDecimale(x); };
    switch (Kartica()) {
    case KarticaPBAB87:
        NapuniRedove(stgBeton_, zapisi, 0, PrviEC2Beton, false, [&](const TBeton& b) {
            return QStringList{Tekst(b.naziv), dv(b.fb), dv(b.trd)};
        });
        break;
    case KarticaEC2:
        NapuniRedove(stgBeton_, zapisi, PrviEC2Beton, PrviKorisnickiBeton, false,
                     [&](const TBeton& b) {
                         return QStringList{Tekst(b.naziv), dv(b.fck), dv(b.trd)};
                     });
        break;
    default:
        NapuniRedove(stgBeton_, zapisi, PrviKorisnickiBeton, static_cast<int>(zapisi.size()), true,
                     [&](const TBeton& b) {
                         return QStringList{Tekst(b.naziv), dv(b.fck), dv(b.trd)};
                     });
        break;
    }
}

void TfrmMaterijal::NapuniCelik() {
    std::vector<TCelik> zapisi;
    try {
        zapisi = CitajCelike(fajlCelika_);
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
    const auto dv = [](double x) { return DvijeDecimale(x); };
    switch (Kartica()) {
    case KarticaPBAB87:
        NapuniRedove(stgCelik_, zapisi, 0, EC2Celik, false, [&](const TCelik& c) {
            return QStringList{Tekst(c.naziv), dv(c.fav), dv(c.E)};
        });
        break;
    case KarticaEC2:
        NapuniRedove(stgCelik_, zapisi, EC2Celik, PrviKorisnickiCelik, false, [&](const TCelik& c) {
            return QStringList{Tekst(c.naziv), dv(c.fyk), dv(c.E)};
        });
        break;
    default:
        NapuniRedove(stgCelik_, zapisi, PrviKorisnickiCelik, static_cast<int>(zapisi.size()), true,
                     [&](const TCelik& c) {
                         return QStringList{Tekst(c.naziv), dv(c.fyk), dv(c.E)};
                     });
        break;
    }
}

// On the user tab a click on the entry row edits the cell; elsewhere it selects the row.
void TfrmMaterijal::KliknutaCelija(QTableWidget* grid, int red) {
    if (Kartica() == KarticaKorisnicka && red == grid->rowCount() - 1) {
        grid->edit(grid->currentIndex());
    }
}

void TfrmMaterijal::DodajBeton() {
    try {
        if (nmk::DodajBeton(pr_, ProcitajRedZaUnos(stgBeton_), poruke_)) {
            promijenjen_ = true;
            NapuniBeton();
        }
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
}

void TfrmMaterijal::DodajArmaturu() {
    try {
        if (nmk::DodajCelik(pr_, ProcitajRedZaUnos(stgCelik_), poruke_)) {
            promijenjen_ = true;
            NapuniCelik();
        }
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
}

void TfrmMaterijal::IzbrisiBeton() {
    const int red = stgBeton_->currentRow();
    if (red < 0 || stgBeton_->item(red, 0) == nullptr) {
        return;
    }
    try {
        if (ObrisiBeton(pr_, PrviKorisnickiBeton + red,
                        stgBeton_->item(red, 0)->text().toStdString(), poruke_)) {
            promijenjen_ = true;
            izbrisaniBetoni_.push_back(PrviKorisnickiBeton + red);
            NapuniBeton();
        }
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
}

void TfrmMaterijal::IzbrisiArmaturu() {
    const int red = stgCelik_->currentRow();
    if (red < 0 || stgCelik_->item(red, 0) == nullptr) {
        return;
    }
    try {
        if (ObrisiCelik(pr_, PrviKorisnickiCelik + red,
                        stgCelik_->item(red, 0)->text().toStdString(), poruke_)) {
            promijenjen_ = true;
            izbrisaniCelici_.push_back(PrviKorisnickiCelik + red);
            NapuniCelik();
        }
    } catch (const GreskaFajla& g) {
        poruke_.Prikazi(g.what(), VrstaPoruke::Greska, dgOK);
    }
}

void TfrmMaterijal::PrimiOK() {
    pr_.sistem.Alfa = alfa_;
    accept();
}

} // namespace nmk::ui
