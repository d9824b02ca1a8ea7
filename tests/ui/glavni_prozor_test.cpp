// The main window: calculate and the naming of sections, the section list, the dialogs on
// the current section, the project-file commands with their prompts, the close query, the
// persisted settings and the start with a project named on the command line.

#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/postavke.h"
#include "data/projektni_fajl.h"
#include "data/sistem.h"
#include "ui/crtez_widget.h"
#include "ui/glavni_prozor.h"
#include "ui/interaktivno.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

using namespace nmk;
using namespace nmk::ui;

namespace {

// The open and save dialogs answer from a queue; an empty queue cancels.
class LaziDijalozi : public DijaloziFajla {
public:
    std::deque<QString> otvori, snimi;
    int pitanja = 0;
    QString Otvori(QWidget*, const QString&) override { return Uzmi(otvori); }
    QString Snimi(QWidget*, const QString&) override { return Uzmi(snimi); }

private:
    QString Uzmi(std::deque<QString>& red) {
        ++pitanja;
        if (red.empty())
            return {};
        QString s = red.front();
        red.pop_front();
        return s;
    }
};

// A program folder of its own with the shipped catalogues, the project, a settings store in
// memory, recorded messages and the window.
struct Okolina {
    QTemporaryDir folder;
    Projekat pr;
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;
    LaziDijalozi dijalozi;
    std::unique_ptr<TMainForm> prozor;

    Okolina() {
        for (const char* ime : {BetonFajl, CelikFajl})
            QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
        KreirajProjekat(pr, folder.path().toStdString());
        prozor = NapraviProzore(pr, postavke, poruke, {}, &dijalozi);
    }
    KontroleGlavnog& k() { return prozor->Kontrole(); }
    QString Put(const char* ime) const { return QDir(folder.path()).filePath(ime); }
    // Calculates the window's section under a typed name.
    void Izracunaj(const QString& ime) {
        k().cboPresjek->setEditText(ime);
        QTest::mouseClick(k().btnProracun, Qt::LeftButton);
    }
    QStringList Imena() const {
        QStringList s;
        for (int i = 0; i < prozor->Kontrole().cboPresjek->count(); ++i)
            s << prozor->Kontrole().cboPresjek->itemText(i);
        return s;
    }
    bool Poruka(const std::string& tekst) const {
        for (const auto& p : poruke.poruke)
            if (p.tekst == tekst)
                return true;
        return false;
    }
};

} // namespace

class GlavniProzorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void SavjetiIduUOblacicIStatusnuTraku_data();
    void SavjetiIduUOblacicIStatusnuTraku();
    void MeniImaPreciceKomandi();
    void PreciceMenijaRadeIzPolja();
    void KlikNaVecIzabraniOblikIliPropisNistaNeMijenja();
    void PrviPresjekSeZovePresjek1();
    void IstoImeBezObziraNaVelicinuSlovaDajeBroj();
    void PrazanNazivPoslijeTriPresjekaDajePresjek4();
    void EnterUMomentuRacuna();
    void NeispravanUlazNeDodajeNista();
    void ProracunKojiPonistiIspravanNeOstavljaVisakImena();
    void IzborImenaPrikazujeTajPresjek();
    void DijaloziNaNeizracunatomUpozoravaju_data();
    void DijaloziNaNeizracunatomUpozoravaju();
    void UkucanaDimenzijaCrtaSamoObris();
    void OblikVracaRadniPresjekKaoTrenutni();
    void PitanjaZaSnimanjeImajuJedanIDvaRazmaka();
    void ZatvaranjeDaPaOtkazanoSnimanjeOstavljaProzor();
    void ZatvaranjeBezIzmjenaNePita();
    void SnimanjePostavljaNaslovIImeFajla();
    void DaUPitanjuSnimaUPosljednjiSnimljeniFajl();
    void OtvaranjeVracaSnimljeniProjekat();
    void OdbijenFajlOstavljaNoviProjekat();
    void PostavkeSePamteTekKadKljucPostoji();
    void ProjekatSaKomandneLinije();
    void OstecenProjekatSaKomandneLinije();
    void PomocIRodplanKojihNemaJavljajuGresku();
    void IzborMaterijalaRacunaSamoUzAutomatskiProracun();
    void OProgramuNavodiSistemIRacunar();
    void IspisPocinjeOdPodesenogStampaca();
    void BezEkranaProgramKazeZasto();
    void SlikaProzora();
};

void GlavniProzorTest::SavjetiIduUOblacicIStatusnuTraku_data() {
    QTest::addColumn<QString>("ime");
    QTest::addColumn<QString>("oblacic");
    QTest::addColumn<QString>("traka");
    QTest::newRow("only a status text") << "btnProracun"
                                        << ""
                                        << " Proracun presjeka";
    QTest::newRow("drawing") << "pb"
                             << ""
                             << "Presjek, deformacije i naponi u betonu";
    QTest::newRow("both parts") << "edtNu"
                                << "Granicna Normalna Sila "
                                << " Granicna Normalna Sila; pritisak(-); zatezanje(+)";
    QTest::newRow("no bar: both the same") << "edtbeta"
                                           << "Ugao pritisnutih dijagonala"
                                           << "Ugao pritisnutih dijagonala";
    QTest::newRow("symmetry") << "chkSimetricno"
                              << ""
                              << "Simetricno ";
    QTest::newRow("flange width") << "btnProracunSirinePloceTPresjeka"
                                  << "Efektivna Sirina Ploce T Presjeka"
                                  << "Efektivna Sirina Ploce T Presjeka";
}

void GlavniProzorTest::SavjetiIduUOblacicIStatusnuTraku() {
    QFETCH(QString, ime);
    QFETCH(QString, oblacic);
    QFETCH(QString, traka);
    Okolina o;
    auto* w = o.prozor->findChild<QWidget*>(ime);
    QVERIFY(w);
    QCOMPARE(w->toolTip(), oblacic);
    QCOMPARE(w->statusTip(), traka);
}

void GlavniProzorTest::MeniImaPreciceKomandi() {
    Okolina o;
    const std::vector<std::pair<const char*, QKeySequence>> precice{
        {"mnuFileNew", QKeySequence("Ctrl+N")},
        {"mnuFileOpen", QKeySequence("Ctrl+O")},
        {"mnuFileSave", QKeySequence("Ctrl+S")},
        {"mnuFilePrint", QKeySequence("Ctrl+P")},
        {"mnuFileExit", QKeySequence("Ctrl+X")},
        {"mnuProracunPresjeka", QKeySequence(Qt::Key_F5)},
        {"mnuProracunArmature", QKeySequence("Ctrl+A")},
        {"mnuProracunPrslina", QKeySequence(Qt::Key_F9)},
        {"mnuProracunUgiba", QKeySequence(Qt::Key_F10)},
        {"mnuDijagramInterakcije", QKeySequence(Qt::Key_F11)},
        {"mnuCalculator", QKeySequence("Ctrl+C")},
        {"mnuRodplan", QKeySequence("Ctrl+R")},
        {"mnuUputstvo", QKeySequence(Qt::Key_F1)}};
    for (const auto& [ime, precica] : precice) {
        auto* a = o.prozor->findChild<QAction*>(ime);
        QVERIFY2(a, ime);
        QCOMPARE(a->shortcut(), precica);
    }
    // the calculate item runs the same command as the button
    o.prozor->findChild<QAction*>("mnuProracunPresjeka")->trigger();
    QCOMPARE(o.pr.BrojPresjeka(), 2);
}

void GlavniProzorTest::PreciceMenijaRadeIzPolja() {
    Okolina o;
    o.prozor->show();
    o.prozor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(o.prozor.get()));
    o.k().edtMu->setFocus();
    o.k().edtMu->setText("350");
    // Ctrl+A is "Armature", not select-all: on a fresh project it warns.
    QTest::keyClick(o.k().edtMu, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(o.Poruka("Presjek nije dimenzioniran!"));
    QVERIFY(!o.k().edtMu->hasSelectedText());
    // Keys that are no menu shortcut stay with the field.
    o.k().edtMu->selectAll();
    QTest::keyClick(o.k().edtMu, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(o.poruke.poruke.size(), std::size_t{1});
    // F5 from the field calculates, as from anywhere in the window.
    QTest::keyClick(o.k().edtMu, Qt::Key_F5);
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    // The same from the section name box, which answers for its own line edit.
    o.poruke.poruke.clear();
    o.prozor->Kontrole().cboPresjek->setFocus();
    o.k().cboPresjek->setEditText("Greda");
    o.k().cboPresjek->lineEdit()->selectAll();
    QTest::keyClick(o.k().cboPresjek, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(o.k().cboPresjek->currentText(), QString("Greda")); // not cut
}

void GlavniProzorTest::KlikNaVecIzabraniOblikIliPropisNistaNeMijenja() {
    Okolina o;
    o.k().ledtB->setText("33");
    o.k().ledth->setText("77");
    QTest::mouseClick(o.k().rdbPravougaoni, Qt::LeftButton);
    QCOMPARE(o.k().ledtB->text(), QString("33"));
    QCOMPARE(o.k().ledth->text(), QString("77"));
    o.k().cboBeton->setCurrentIndex(4);
    QTest::mouseClick(o.k().rdbEC, Qt::LeftButton);
    QCOMPARE(o.k().cboBeton->currentIndex(), 4);
    // A real change still applies its layout and lists.
    QTest::mouseClick(o.k().rdbTPresjek, Qt::LeftButton);
    QCOMPARE(o.k().ledtB->text(), QString("60"));
    QTest::mouseClick(o.k().rdbPBAB, Qt::LeftButton);
    QCOMPARE(o.k().cboBeton->currentIndex(), 0);
    QCOMPARE(o.k().cboBeton->itemText(0), QString("MB 15"));
    QTest::mouseClick(o.k().rdbPravougaoni, Qt::LeftButton);
    QCOMPARE(o.k().ledtB->text(), QString("40"));
}

void GlavniProzorTest::PrviPresjekSeZovePresjek1() {
    Okolina o;
    o.Izracunaj("");
    QCOMPARE(o.Imena(), QStringList{"Presjek1"});
    QCOMPARE(o.k().cboPresjek->currentText(), QString("Presjek1"));
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    QVERIFY(o.pr.presjeci[0].ima(sfIzracunat));
    QVERIFY(!o.pr.presjeci[1].ima(sfIzracunat));
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 0);
    QVERIFY(o.pr.sistem.Izmijenjen);
    QCOMPARE(o.pr.presjeci[0].Naziv, std::string("Presjek1"));
}

void GlavniProzorTest::IstoImeBezObziraNaVelicinuSlovaDajeBroj() {
    Okolina o;
    o.Izracunaj("Greda A");
    o.Izracunaj("greda a");
    o.Izracunaj("  Greda B  ");
    QCOMPARE(o.Imena(), (QStringList{"Greda A", "Presjek2", "Greda B"}));
    QCOMPARE(o.pr.BrojPresjeka(), 4);
    QCOMPARE(o.pr.presjeci[1].Naziv, std::string("Presjek2"));
}

void GlavniProzorTest::PrazanNazivPoslijeTriPresjekaDajePresjek4() {
    Okolina o;
    for (const char* ime : {"a", "b", "c", ""})
        o.Izracunaj(ime);
    QCOMPARE(o.Imena().last(), QString("Presjek4"));
    // a typed name equal to a generated one is renamed as well
    o.Izracunaj("PRESJEK4");
    QCOMPARE(o.Imena().last(), QString("Presjek5"));
}

void GlavniProzorTest::EnterUMomentuRacuna() {
    Okolina o;
    o.k().edtMu->setFocus();
    QTest::keyClick(o.k().edtMu, Qt::Key_Return);
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    QTest::keyClick(o.k().ledtD2, Qt::Key_Enter);
    QCOMPARE(o.pr.BrojPresjeka(), 3);
}

void GlavniProzorTest::NeispravanUlazNeDodajeNista() {
    Okolina o;
    o.k().ledtB->setText("0");
    o.Izracunaj("x");
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    QCOMPARE(o.k().cboPresjek->count(), 0);
    QVERIFY(!o.pr.sistem.Izmijenjen);
    QVERIFY(!o.poruke.poruke.empty());
    QCOMPARE(o.poruke.poruke.back().vrsta, VrstaPoruke::Greska);
}

void GlavniProzorTest::ProracunKojiPonistiIspravanNeOstavljaVisakImena() {
    Okolina o;
    o.Izracunaj("prvi");
    // a shear force the struts cannot carry: the calculation clears Ispravan
    o.k().edtQu->setText("5000");
    o.Izracunaj("lom");
    QVERIFY(!o.pr.Radni().Ispravan);
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    QCOMPARE(o.Imena(), QStringList{"prvi"});
    QCOMPARE(o.k().cboPresjek->currentText(), QString("lom"));
    o.k().edtQu->setText("0");
    o.Izracunaj("drugi");
    QCOMPARE(o.Imena(), (QStringList{"prvi", "drugi"}));
    // every item still names the section at its index
    for (int i = 0; i < o.k().cboPresjek->count(); ++i)
        QCOMPARE(o.k().cboPresjek->itemText(i).toStdString(),
                 o.pr.presjeci[static_cast<std::size_t>(i)].Naziv);
}

void GlavniProzorTest::IzborImenaPrikazujeTajPresjek() {
    Okolina o;
    o.k().ledth->setText("70");
    o.Izracunaj("visoki");
    o.k().ledth->setText("45");
    o.Izracunaj("niski");
    o.k().cboPresjek->setCurrentIndex(0);
    emit o.k().cboPresjek->activated(0);
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 0);
    QCOMPARE(o.k().ledth->text(), QString("70.00"));
    auto* pb = o.prozor->findChild<CrtezWidget*>("pb");
    QVERIFY(pb && pb->Presjek());
    QCOMPARE(pb->Presjek()->h, 70.0);
    QVERIFY(!pb->SamoObris());
}

void GlavniProzorTest::DijaloziNaNeizracunatomUpozoravaju_data() {
    QTest::addColumn<QString>("dugme");
    QTest::newRow("bars") << "btnArmatura";
    QTest::newRow("cracks") << "btnPrsline";
    QTest::newRow("deflections") << "btnUgibi";
    QTest::newRow("interaction diagram") << "btnDijagram";
}

void GlavniProzorTest::DijaloziNaNeizracunatomUpozoravaju() {
    QFETCH(QString, dugme);
    Okolina o;
    QTest::mouseClick(o.prozor->findChild<QPushButton*>(dugme), Qt::LeftButton);
    QCOMPARE(o.poruke.poruke.size(), std::size_t{1});
    QCOMPARE(o.poruke.poruke[0].tekst, std::string("Presjek nije dimenzioniran!"));
    QCOMPARE(o.poruke.poruke[0].vrsta, VrstaPoruke::Upozorenje);
    QCOMPARE(o.poruke.poruke[0].dugmad, unsigned{dgOK});
    QCOMPARE(o.pr.trenutni, o.pr.presjeci.size() - 1);
}

void GlavniProzorTest::UkucanaDimenzijaCrtaSamoObris() {
    Okolina o;
    o.Izracunaj("a");
    o.k().ledtB->setText("4");
    o.k().ledtB->end(false);
    QTest::keyClick(o.k().ledtB, '5');
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 1);
    QCOMPARE(o.pr.Radni().b, 45.0);
    QVERIFY(!o.pr.Radni().ima(sfIzracunat));
    auto* pb = o.prozor->findChild<CrtezWidget*>("pb");
    QVERIFY(pb->SamoObris());
    QCOMPARE(pb->Presjek()->b, 45.0);
    // a letter is no dimension: nothing is read
    QTest::keyClick(o.k().ledtB, 'q');
    QCOMPARE(o.pr.Radni().b, 45.0);
}

void GlavniProzorTest::OblikVracaRadniPresjekKaoTrenutni() {
    Okolina o;
    o.Izracunaj("a");
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 0);
    QTest::mouseClick(o.k().rdbTPresjek, Qt::LeftButton);
    QCOMPARE(o.pr.sistem.IzabraniPresjek, 1);
    QCOMPARE(o.pr.Radni().Oblik, TOblik::T);
    QCOMPARE(o.pr.Radni().b, 60.0);
    QCOMPARE(o.pr.Radni().b0, 20.0);
}

void GlavniProzorTest::PitanjaZaSnimanjeImajuJedanIDvaRazmaka() {
    Okolina o;
    o.Izracunaj("a");
    o.poruke.Obrisi();
    o.poruke.odgovor = odgOtkazi;
    o.prozor->Novi();
    o.prozor->Otvori();
    QCOMPARE(o.poruke.poruke.size(), std::size_t{2});
    QCOMPARE(o.poruke.poruke[0].tekst,
             std::string("Presjeci su promijenjeni!\nSnimiti promjene ?"));
    QCOMPARE(o.poruke.poruke[1].tekst,
             std::string("Presjeci  su promijenjeni!\nSnimiti promjene ?"));
    for (const auto& p : o.poruke.poruke) {
        QCOMPARE(p.vrsta, VrstaPoruke::Potvrda);
        QCOMPARE(p.dugmad, unsigned{dgDaNeOtkazi});
    }
    // Cancel stops both commands: the project is as it was, and no dialog was shown
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    QCOMPARE(o.dijalozi.pitanja, 0);
    // No goes on without saving
    o.poruke.odgovor = odgNe;
    o.prozor->Novi();
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    QCOMPARE(o.k().cboPresjek->count(), 0);
    QVERIFY(!o.pr.sistem.Izmijenjen);
    QCOMPARE(o.prozor->windowTitle(), QString("Nosivometrik"));
}

void GlavniProzorTest::ZatvaranjeDaPaOtkazanoSnimanjeOstavljaProzor() {
    Okolina o;
    o.prozor->show();
    o.Izracunaj("a");
    o.poruke.Obrisi();
    o.poruke.odgovor = odgDa; // and the save dialog is cancelled (empty queue)
    QVERIFY(!o.prozor->close());
    QVERIFY(o.prozor->isVisible());
    QCOMPARE(o.poruke.poruke.size(), std::size_t{1});
    QCOMPARE(o.poruke.poruke[0].tekst, std::string("Snimiti Presjeke?"));
    QCOMPARE(o.dijalozi.pitanja, 1);
    QVERIFY(o.pr.sistem.Izmijenjen);
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    o.poruke.odgovor = odgOtkazi;
    QVERIFY(!o.prozor->close());
    o.poruke.odgovor = odgNe;
    QVERIFY(o.prozor->close());
}

void GlavniProzorTest::ZatvaranjeBezIzmjenaNePita() {
    Okolina o;
    o.prozor->show();
    QVERIFY(o.prozor->close());
    QVERIFY(o.poruke.poruke.empty());
}

void GlavniProzorTest::SnimanjePostavljaNaslovIImeFajla() {
    Okolina o;
    o.prozor->show();
    o.Izracunaj("a");
    const QString fajl = o.Put("projekat.nmk");
    o.dijalozi.snimi.push_back(fajl);
    QVERIFY(o.prozor->Snimi());
    QCOMPARE(o.prozor->windowTitle(), "Nosivometrik - [" + fajl + "]");
    QVERIFY(!o.pr.sistem.Izmijenjen);
    QCOMPARE(QString::fromStdString(o.pr.sistem.ImeFajla), fajl);
    QVERIFY(ProvjeriMagiju(fajl.toStdString()));
    QCOMPARE(QString::fromStdString(o.postavke.CitajTekst(kLastDir).value_or("")),
             o.folder.path() + "/");
    o.poruke.Obrisi();
    QVERIFY(o.prozor->close());
    QVERIFY(o.poruke.poruke.empty());
    // cancelling the dialog changes nothing
    o.Izracunaj("b");
    QVERIFY(!o.prozor->Snimi());
    QVERIFY(o.pr.sistem.Izmijenjen);
}

void GlavniProzorTest::DaUPitanjuSnimaUPosljednjiSnimljeniFajl() {
    Okolina o;
    o.Izracunaj("a");
    const QString prvi = o.Put("prvi.nmk");
    const QString drugi = o.Put("drugi.nmk");
    o.dijalozi.snimi = {prvi};
    QVERIFY(o.prozor->Snimi());
    o.poruke.odgovor = odgNe;
    o.dijalozi.otvori = {prvi};
    o.prozor->Otvori();
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    o.Izracunaj("b");
    o.dijalozi.snimi = {drugi};
    QVERIFY(o.prozor->Snimi());
    const std::string sadrzajPrvog = ProcitajFajl(prvi.toStdString());
    o.Izracunaj("c");
    o.poruke.Obrisi();
    o.poruke.odgovor = odgDa;
    o.prozor->Novi();
    QCOMPARE(o.poruke.poruke[0].tekst,
             "Presjeci" + drugi.toStdString() + " su promijenjeni!\nSnimiti promjene ?");
    QCOMPARE(ProcitajFajl(prvi.toStdString()), sadrzajPrvog);
    Projekat ucitan;
    KreirajProjekat(ucitan, o.folder.path().toStdString());
    QVERIFY(ProvjeriIUcitaj(ucitan, drugi.toStdString(), o.poruke));
    QCOMPARE(ucitan.BrojPresjeka(), 4);
    QCOMPARE(ucitan.presjeci[2].Naziv, std::string("c"));
    ObrisiPrivremeneKopije(ucitan);
}

void GlavniProzorTest::OtvaranjeVracaSnimljeniProjekat() {
    Okolina o;
    o.k().ledth->setText("72");
    o.Izracunaj("prvi");
    o.k().ledth->setText("48");
    o.Izracunaj("drugi");
    const QString fajl = o.Put("dva.nmk");
    o.dijalozi.snimi = {fajl};
    QVERIFY(o.prozor->Snimi());
    for (int put = 0; put < 2; ++put) {
        o.dijalozi.otvori = {fajl};
        o.prozor->Otvori();
        QCOMPARE(o.pr.BrojPresjeka(), 3);
        QCOMPARE(o.Imena(), (QStringList{"prvi", "drugi"}));
        QCOMPARE(o.k().cboPresjek->currentIndex(), 0);
        QCOMPARE(o.k().ledth->text(), QString("72.00"));
        QCOMPARE(o.prozor->windowTitle(), "Nosivometrik - [" + fajl + "]");
        QCOMPARE(o.pr.trenutni, std::size_t{2});
        QVERIFY(!o.pr.sistem.Izmijenjen);
    }
    // the next calculation appends after the loaded sections
    o.Izracunaj("treci");
    QCOMPARE(o.pr.BrojPresjeka(), 4);
    QCOMPARE(o.pr.presjeci[2].Naziv, std::string("treci"));
    o.poruke.odgovor = odgNe;
    o.prozor->Novi(); // the temporary catalogue copies go away again
    QVERIFY(!QFile::exists(o.Put(PrivremeniBetonFajl)));
}

void GlavniProzorTest::OdbijenFajlOstavljaNoviProjekat() {
    Okolina o;
    const QString tekst = o.Put("tekst.nmk");
    QFile f(tekst);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("ovo nije projekat nego obican tekst");
    f.close();
    o.dijalozi.otvori = {tekst};
    o.prozor->Otvori();
    QVERIFY(o.Poruka(PorukaNepoznatFajl));
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    QCOMPARE(o.prozor->windowTitle(), QString("Nosivometrik"));
    QVERIFY(!o.postavke.KljucPostoji());
}

void GlavniProzorTest::PostavkeSePamteTekKadKljucPostoji() {
    QTemporaryDir folder;
    for (const char* ime : {BetonFajl, CelikFajl})
        QFile::copy(QDir(NMK_BIN_DIR).filePath(ime), QDir(folder.path()).filePath(ime));
    PostavkeUMemoriji postavke;
    test::SnimajucePoruke poruke;
    LaziDijalozi dijalozi;
    auto start = [&](auto&& radnja) {
        Projekat pr;
        KreirajProjekat(pr, folder.path().toStdString());
        auto w = NapraviProzore(pr, postavke, poruke, {}, &dijalozi);
        w->show();
        radnja(*w);
        poruke.odgovor = odgNe;
        QVERIFY(w->close());
        ObrisiPrivremeneKopije(pr);
    };
    // a fresh store: the code chosen at close is forgotten
    start([](TMainForm& w) {
        QVERIFY(w.Kontrole().rdbEC->isChecked());
        QTest::mouseClick(w.Kontrole().rdbPBAB, Qt::LeftButton);
    });
    QVERIFY(!postavke.KljucPostoji());
    // one save creates the key; the close then writes code, shear method and position
    start([&](TMainForm& w) {
        QVERIFY(w.Kontrole().rdbEC->isChecked());
        QTest::mouseClick(w.Kontrole().rdbVarStrutAngle, Qt::LeftButton);
        QTest::mouseClick(w.Kontrole().rdbPBAB, Qt::LeftButton);
        QTest::mouseClick(w.Kontrole().btnProracun, Qt::LeftButton);
        dijalozi.snimi = {QDir(folder.path()).filePath("p.nmk")};
        QVERIFY(w.Snimi());
        w.move(100, 50); // the whole window on the 800 x 600 offscreen screen
    });
    QVERIFY(postavke.KljucPostoji());
    start([](TMainForm& w) {
        QVERIFY(w.Kontrole().rdbPBAB->isChecked());
        QVERIFY(w.Kontrole().rdbVarStrutAngle->isChecked());
        QCOMPARE(w.pos(), QPoint(100, 50));
        QCOMPARE(w.Kontrole().lblMu->text(), QString("Mu="));
    });
}

void GlavniProzorTest::ProjekatSaKomandneLinije() {
    Okolina pisac;
    pisac.k().ledth->setText("66");
    pisac.Izracunaj("zid");
    pisac.Izracunaj("stub");
    const QString fajl = pisac.Put("komandna.nmk");
    pisac.dijalozi.snimi = {fajl};
    QVERIFY(pisac.prozor->Snimi());

    Okolina o; // a second start of the program, with the file named
    o.prozor.reset();
    o.prozor = NapraviProzore(o.pr, o.postavke, o.poruke, {fajl}, &o.dijalozi);
    QCOMPARE(o.prozor->windowTitle(), "Nosivometrik - [" + fajl + "]");
    QCOMPARE(o.Imena(), (QStringList{"zid", "stub"}));
    QCOMPARE(o.k().ledth->text(), QString("66.00"));
    QCOMPARE(o.pr.trenutni, std::size_t{2});
    QVERIFY(o.poruke.poruke.empty());
    o.Izracunaj("greda");
    QCOMPARE(o.pr.BrojPresjeka(), 4);
    QCOMPARE(o.pr.presjeci[2].Naziv, std::string("greda"));
    ObrisiPrivremeneKopije(o.pr);
}

void GlavniProzorTest::OstecenProjekatSaKomandneLinije() {
    Okolina pisac;
    pisac.Izracunaj("a");
    const QString fajl = pisac.Put("osteceni.nmk");
    pisac.dijalozi.snimi = {fajl};
    QVERIFY(pisac.prozor->Snimi());
    const std::string sadrzaj = ProcitajFajl(fajl.toStdString());
    ZapisiAtomski(fajl.toStdString(), sadrzaj.substr(0, sadrzaj.size() / 2));

    Okolina o;
    o.prozor.reset();
    o.prozor = NapraviProzore(o.pr, o.postavke, o.poruke, {fajl}, &o.dijalozi);
    QCOMPARE(o.poruke.poruke.size(), std::size_t{1});
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    QCOMPARE(o.prozor->windowTitle(), QString("Nosivometrik"));
    QCOMPARE(o.k().cboPresjek->count(), 0);
    o.Izracunaj("");
    QCOMPARE(o.Imena(), QStringList{"Presjek1"});
}

void GlavniProzorTest::PomocIRodplanKojihNemaJavljajuGresku() {
    Okolina o;
    o.prozor->Pomoc();
    QCOMPARE(o.poruke.poruke.size(), std::size_t{1});
    QCOMPARE(o.poruke.poruke[0].tekst, std::string("nmkpomoc.chm ne postoji"));
    QCOMPARE(o.poruke.poruke[0].vrsta, VrstaPoruke::Greska);
    o.prozor->Rodplan();
    QCOMPARE(o.poruke.poruke.size(), std::size_t{2});
    const QString tekst = QString::fromStdString(o.poruke.poruke[1].tekst);
    QVERIFY2(tekst.endsWith("\nNe postoji!"), qPrintable(tekst));
    QVERIFY2(tekst.startsWith(QDir(o.folder.path()).filePath("Alati")), qPrintable(tekst));
}

void GlavniProzorTest::IzborMaterijalaRacunaSamoUzAutomatskiProracun() {
    Okolina o;
    o.pr.sistem.AutomatskiProracun = false;
    o.k().cboBeton->setCurrentIndex(2);
    emit o.k().cboBeton->activated(2);
    QTest::mouseClick(o.k().chkSimetricno, Qt::LeftButton);
    QCOMPARE(o.pr.BrojPresjeka(), 1);
    o.pr.sistem.AutomatskiProracun = true;
    emit o.k().cboGamaS->activated(0);
    QCOMPARE(o.pr.BrojPresjeka(), 2);
    QCOMPARE(o.pr.presjeci[0].Beton, 12);
    QVERIFY(o.pr.presjeci[0].ima(sfSimetricno));
    QTest::mouseClick(o.k().chkSimetricno, Qt::LeftButton);
    QCOMPARE(o.pr.BrojPresjeka(), 3);
    QVERIFY(!o.pr.presjeci[1].ima(sfSimetricno));
}

void GlavniProzorTest::OProgramuNavodiSistemIRacunar() {
    Okolina o;
    QString tekst;
    QTimer::singleShot(50, [&] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            if (auto* l = d->findChild<QLabel*>("lblOProgramu"))
                tekst = l->text();
            d->close();
        }
    });
    o.prozor->OProgramu();
    QVERIFY2(tekst.contains("Nosivometrik"), qPrintable(tekst));
    QVERIFY2(tekst.contains(QSysInfo::prettyProductName().toHtmlEscaped()), qPrintable(tekst));
    QVERIFY2(tekst.contains(QSysInfo::machineHostName().toHtmlEscaped()), qPrintable(tekst));
}

// "Podesavanje stampaca ..." adjusts the printer that the preview's "Stampaj" then offers.
void GlavniProzorTest::IspisPocinjeOdPodesenogStampaca() {
    Okolina o;
    o.Izracunaj("a");
    o.prozor->Stampac().setPageOrientation(QPageLayout::Landscape);
    bool pitano = false;
    QPageLayout::Orientation uDijalogu = QPageLayout::Portrait;
    int pokusaja = 250;
    // the print dialog is read and cancelled once it shows
    std::function<void()> dijalog = [&] {
        auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (d == nullptr) {
            if (--pokusaja > 0)
                QTimer::singleShot(20, dijalog);
            return;
        }
        pitano = true;
        uDijalogu = d->printer()->pageLayout().orientation();
        d->reject();
    };
    std::function<void()> pregled = [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (w == nullptr || w->objectName() != "frmPregledStampe") {
            if (--pokusaja > 0)
                QTimer::singleShot(20, pregled);
            return;
        }
        QTimer::singleShot(0, dijalog);
        w->findChild<QAction*>("toolStampaj")->trigger();
        w->reject();
    };
    QTimer::singleShot(0, pregled);
    o.prozor->Stampaj();
    QVERIFY(pitano);
    QCOMPARE(uDijalogu, QPageLayout::Landscape);
}

void GlavniProzorTest::BezEkranaProgramKazeZasto() {
    const QByteArray platforma = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
    const bool bez = ImaEkrana();
    qputenv("DISPLAY", ":7");
    const bool saX = ImaEkrana();
    qunsetenv("DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool saPlatformom = ImaEkrana();
    for (auto [ime, v] : {std::pair{"QT_QPA_PLATFORM", platforma},
                          {"DISPLAY", display},
                          {"WAYLAND_DISPLAY", wayland}}) {
        if (v.isNull())
            qunsetenv(ime);
        else
            qputenv(ime, v);
    }
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    QVERIFY(!bez);
#endif
    QVERIFY(saX && saPlatformom);
    QVERIFY(QString::fromStdString(PorukaBezEkrana()).contains("DISPLAY"));
}

void GlavniProzorTest::SlikaProzora() {
    Okolina o;
    o.prozor->show();
    o.Izracunaj("Greda 1");
    QCOMPARE(o.prozor->centralWidget()->width(), SirinaProzora);
    QVERIFY(o.prozor->centralWidget()->height() + o.prozor->statusBar()->height() <=
            VisinaProzora + 2);
    QDir().mkpath(NMK_ARTEFACT_DIR);
    QVERIFY(o.prozor->grab().save(QDir(NMK_ARTEFACT_DIR).filePath("glavni_prozor.png")));
}

QTEST_MAIN(GlavniProzorTest)
#include "glavni_prozor_test.moc"
