#include "ui/pregled_stampe.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/kodna_strana.h"
#include "render/rtf.h"
#include "ui/strane_izvjestaja.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

using namespace nmk;
using namespace nmk::ui;

namespace {

TPresjek Presjek(const std::string& naziv, TPropis propis) {
    TPresjek p;
    p.Naziv = naziv;
    p.Propis = propis;
    p.Beton = propis == TPropis::EC2 ? 13 : 3;
    p.Celik = propis == TPropis::EC2 ? 3 : 1;
    p.fB = 14.17;
    p.sigv = 434.78;
    p.Mu = 120;
    p.Aa2 = 8.5;
    p.Status = sfIzracunat;
    return p;
}

// Two stored sections (an EC 2 one with bars and both serviceability results, a PBAB 87 one)
// and the working section, which the preview does not list.
Projekat Projekat2() {
    Projekat pr;
    pr.katalozi = test::UgradjeniKatalozi();
    TPresjek a = Presjek("Greda Ž1", TPropis::EC2);
    a.ArmDonja = {{16, 4}};
    a.Status |= sfUgibi | sfPrsline;
    a.v = 1.5;
    a.Wk = 0.21;
    pr.presjeci = {a, Presjek("Stub S2", TPropis::PBAB87), Presjek("Radni", TPropis::PBAB87)};
    return pr;
}

QListWidget* Lista(TfrmPregledStampe& w) {
    return w.findChild<QListWidget*>("lstPresjeci");
}

QTextEdit* Tekst(TfrmPregledStampe& w) {
    return w.findChild<QTextEdit*>("redtStampa");
}

int BrojBlokova(const render::Izvjestaj& iz) {
    int n = 0;
    for (const render::Red& r : iz.redovi)
        n += r.Tekst() == render::Crta;
    return n;
}

// Each character of a model with its format: equal for two models that read the same.
std::vector<std::string> Znakovi(const render::Izvjestaj& iz) {
    std::vector<std::string> v;
    for (const render::Red& r : iz.redovi) {
        for (const render::Komad& k : r.komadi)
            for (char32_t z : Utf8UZnakove(k.tekst))
                v.push_back(ZnakoviUUtf8({z}) + (k.podebljano ? "b" : "") +
                            (k.podvuceno ? "u" : "") + (k.indeks ? "s" : "") +
                            std::to_string(k.velicina) + k.font);
        v.push_back("\n");
    }
    return v;
}

QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PregledStampeTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheStoredSectionsOnly() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        QCOMPARE(w.windowTitle(), QString::fromUtf8("Štampanje "));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QListWidget* l = Lista(w);
        QCOMPARE(l->count(), 2);
        QCOMPARE(l->item(0)->text(), QString::fromUtf8("Greda Ž1"));
        QCOMPARE(l->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(l->toolTip(), QString("Presjeci "));
        QCOMPARE(Tekst(w)->lineWrapMode(), QTextEdit::NoWrap);
        QVERIFY(!Tekst(w)->tabChangesFocus());
        for (const char* alat : {"toolSnimi", "toolFont", "toolStampaj", "toolIzlaz", "toolPdf"})
            QVERIFY2(w.findChild<QAction*>(alat), alat);
        QCOMPARE(w.findChild<QAction*>("toolSnimi")->toolTip(), QString("Snimi kao tekst (*.RTF)"));
    }

    void showBuildsTheReportOfEverySectionAndSavesAnImage() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.resize(900, 700);
        w.show();
        QTRY_VERIFY(Tekst(w)->isVisible() && BrojBlokova(w.Izvjestaj()) == 2);
        QVERIFY(!w.Otkazi());
        const QString t = Tekst(w)->toPlainText();
        QVERIFY(t.contains(QString::fromUtf8("Greda Ž1")));
        QVERIFY(t.contains("Stub S2"));
        QVERIFY(!t.contains("Radni"));
        QVERIFY(t.contains(QString::fromUtf8("γc=  1.50")));
        QVERIFY(t.contains(QString::fromUtf8("4 Φ16")));
        QDir().mkpath(NMK_ARTEFACT_DIR);
        QVERIFY(w.grab().save(QString(NMK_ARTEFACT_DIR) + "/pregled_stampe.png"));
        QVERIFY(poruke.poruke.empty());
    }

    void otkaziStopsAfterTheSectionBeingWritten() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        bool uvijekNaVrhu = false;
        QString naslov;
        QTimer::singleShot(0, &w, [&] {
            TfrmOtkazi* o = w.Otkazi();
            QVERIFY(o && o->Animacija()->Radi());
            uvijekNaVrhu = o->windowFlags() & Qt::WindowStaysOnTopHint;
            naslov = o->windowTitle();
            o->findChild<QPushButton*>("btnOtkazi")->click();
        });
        w.IzgradiSve();
        QVERIFY(w.Otkazano());
        QVERIFY(uvijekNaVrhu);
        QCOMPARE(naslov, QString("Ispisivanje Presjeka ..."));
        QCOMPARE(BrojBlokova(w.Izvjestaj()), 1);
        QVERIFY(!w.Otkazi());
        QVERIFY(!Tekst(w)->isHidden());
    }

    void closingWhileBuildingStopsTheBuilding() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        QTimer::singleShot(0, &w, [&] { w.findChild<QAction*>("toolIzlaz")->trigger(); });
        w.IzgradiSve();
        QVERIFY(w.Otkazano());
        QCOMPARE(BrojBlokova(w.Izvjestaj()), 1);
    }

    void listClickRebuildsFromTheSelection() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        QListWidget* l = Lista(w);
        l->item(1)->setSelected(true);
        render::Izvjestaj iz = w.Izvjestaj();
        QCOMPARE(BrojBlokova(iz), 1);
        QCOMPARE(iz.redovi[1].Tekst(), std::string("Stub S2"));
        l->item(0)->setSelected(true);
        iz = w.Izvjestaj();
        QCOMPARE(BrojBlokova(iz), 2);
        QCOMPARE(iz.redovi[1].Tekst(), std::string("Greda Ž1"));
        l->clearSelection();
        QVERIFY(w.Izvjestaj().redovi.empty());
    }

    void anEmptyProjectGivesAnEmptyListAndReport() {
        Projekat pr;
        pr.presjeci = {TPresjek{}};
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        QCOMPARE(Lista(w)->count(), 0);
        QVERIFY(Tekst(w)->toPlainText().isEmpty());
    }

    void theTextControlHoldsTheReportModelWithItsFormats() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        const render::Izvjestaj model =
            render::NapraviIzvjestaj({&pr.presjeci[0], &pr.presjeci[1]}, pr.katalozi, '.');
        QVERIFY(Znakovi(w.Izvjestaj()) == Znakovi(model));
    }

    void fontAppliesOneFontToTheWholeText() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        w.PrimijeniFont(QFont("DejaVu Serif", 12));
        const render::Izvjestaj iz = w.Izvjestaj();
        QCOMPARE(iz.font, std::string("DejaVu Serif"));
        QCOMPARE(iz.velicina, 12);
        for (const render::Red& r : iz.redovi)
            for (const render::Komad& k : r.komadi)
                QVERIFY(k.podebljano == false && k.podvuceno == false && k.indeks == false &&
                        k.velicina == 0 && k.font.empty());
        const std::string rtf = render::UpisiRtf(iz);
        QVERIFY(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Serif;}}") != std::string::npos);
        QVERIFY(rtf.find("\\b") == std::string::npos);
        QVERIFY(rtf.find("\\ul") == std::string::npos);
    }

    void savesRichTextThroughTheSaveDialogFromLastDir() {
        const Projekat pr = Projekat2();
        QTemporaryDir dir;
        PostavkeUMemoriji postavke;
        postavke.postoji = true;
        postavke.vrijednosti[kLastDir] = dir.path().toStdString() + "/";
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        const QString cilj = dir.filePath("izvjestaj");
        QString naslov, folder, sufiks;
        QStringList filteri;
        QTimer::singleShot(0, &w, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            naslov = d->windowTitle();
            folder = d->directory().absolutePath();
            sufiks = d->defaultSuffix();
            filteri = d->nameFilters();
            d->selectFile(cilj);
            static_cast<QDialog*>(d)->accept();
        });
        w.findChild<QAction*>("toolSnimi")->trigger();
        QCOMPARE(naslov, QString("Snimi kao tekst"));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(sufiks, QString("RTF"));
        QCOMPARE(filteri, QStringList({"Rich text format (*.RTF)", "Bilo koji fajl (*.*)"}));
        const QByteArray rtf = Procitaj(cilj + ".RTF");
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\u947?")); // gamma
        QVERIFY(rtf.contains("\\u934?")); // diameter sign
        QVERIFY(rtf.contains("{\\b "));
        QVERIFY(rtf.contains("{\\ul Ugibi:}"));
        QVERIFY(rtf.contains("{\\fs14\\dn4 c}"));
        QCOMPARE(std::get<std::string>(postavke.vrijednosti[kLastDir]),
                 dir.path().toStdString() + "/");
    }

    void aFailedSaveIsReportedAndLeavesNoFile() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        QTemporaryDir dir;
        const QString cilj = dir.filePath("nema/folder/x.RTF");
        QVERIFY(!w.SnimiRtf(cilj));
        QVERIFY(!w.SnimiPdf(dir.filePath("nema/folder/x.PDF")));
        QCOMPARE(poruke.poruke.size(), std::size_t(2));
        QCOMPARE(poruke.poruke[0].vrsta, VrstaPoruke::Greska);
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void exportsAPdfHoldingTheSectionNames() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        QTemporaryDir dir;
        const QString cilj = dir.filePath("izvjestaj.PDF");
        QVERIFY(w.SnimiPdf(cilj));
        const QByteArray pdf = Procitaj(cilj);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(pdf.size() > 2000);
        // The document title, in UTF-16 big-endian after its byte-order mark.
        QByteArray naslov("\xFE\xFF");
        for (char c : QByteArray("Nosivometrik"))
            naslov.append('\0').append(c);
        QVERIFY(pdf.contains(naslov));
        QVERIFY(!QFile::exists(cilj + ".tmp"));
        // The page text is compressed; when a PDF text extractor is at hand, read it back.
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            return;
        QProcess p;
        p.start(pdftotext, {cilj, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(tekst.contains(QString::fromUtf8("Greda Ž1")));
        QVERIFY(tekst.contains("Stub S2"));
    }

    void printsWithTheJobTitle() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("p.pdf"));
        w.Stampaj(printer);
        QCOMPARE(printer.docName(), QString("Nosivometrik"));
        QVERIFY(QFile(dir.filePath("p.pdf")).size() > 0);
    }

    void printedPagesKeepEachBlockOnOnePage() {
        // Nine sections with bars and deflections: blocks of about two thirds of an A4 page,
        // so that several would run over a page end.
        Projekat pr = Projekat2();
        pr.presjeci.resize(1);
        pr.presjeci.front().Status &= static_cast<std::uint16_t>(~sfPrsline);
        for (int i = 1; i < 9; ++i)
            pr.presjeci.push_back(pr.presjeci.front());
        pr.presjeci.push_back(Presjek("Radni", TPropis::PBAB87));
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        const QTextDocument& doc = *Tekst(w)->document();
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath("raspored.pdf"));
        pdf.setPageLayout(RasporedStraneA4());
        const StraneIzvjestaja strane(doc, pdf);
        const auto bezPrelaza = StraneIzvjestaja::BezPrelaza(doc, pdf);
        int preko = 0;
        for (int prvi = 1, red = 0; red < doc.blockCount(); ++red) {
            if (doc.findBlockByNumber(red).text() != QString::fromUtf8(render::Crta))
                continue;
            QCOMPARE(strane.StranaPocetka(prvi), strane.StranaKraja(red));
            preko += bezPrelaza->StranaPocetka(prvi) != bezPrelaza->StranaKraja(red);
            prvi = red + 2; // past the empty line that opens the next block
        }
        QVERIFY(preko > 0); // without the rule some blocks would be split
        // the first page at 96 dpi, A4 inside its margins, for a person to look at
        QImage slika(643, 971, QImage::Format_RGB32);
        slika.fill(Qt::white);
        const StraneIzvjestaja naSlici(doc, slika);
        QPainter p(&slika);
        naSlici.Crtaj(p, 0, NapraviZaglavlje("/home/inz/Most.nmk", QDate(2024, 5, 3)));
        p.end();
        QDir().mkpath(NMK_ARTEFACT_DIR);
        QVERIFY(slika.save(QDir(NMK_ARTEFACT_DIR).filePath("strana_izvjestaja.png")));
        // the exported PDF has exactly these pages
        const QString cilj = dir.filePath("izvjestaj.pdf");
        QVERIFY(w.SnimiPdf(cilj));
        const QString sadrzaj = QString::fromLatin1(Procitaj(cilj));
        QCOMPARE(sadrzaj.count(QRegularExpression("/Type\\s*/Page[^s]")), strane.BrojStrana());
        QVERIFY(strane.BrojStrana() > 2);
    }

    void everyPageHasTheProjectTheDateAndItsNumber() {
        const ZaglavljeStrane z =
            NapraviZaglavlje("/home/inz/projekti/Most.nmk", QDate(2024, 5, 3));
        QCOMPARE(z.projekat, QString("Nosivometrik - Most.nmk"));
        QCOMPARE(z.datum, QString("03.05.2024"));
        QCOMPARE(NapraviZaglavlje("C:\\p\\Hala.nmk", QDate(2024, 5, 3)).projekat,
                 QString("Nosivometrik - Hala.nmk"));
        QCOMPARE(NapraviZaglavlje({}, QDate(2024, 5, 3)).projekat, QString("Nosivometrik"));
        QCOMPARE(QString::fromStdString(render::OznakaStrane(2, 5)), QString("strana 2 / 5"));
        // drawn: dark pixels in the header band and in the footer band of every page
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        w.IzgradiSve();
        QImage slika(640, 360, QImage::Format_RGB32);
        const StraneIzvjestaja strane(*Tekst(w)->document(), slika);
        QVERIFY(strane.BrojStrana() > 1);
        auto tamnih = [&slika](int od, int doReda) {
            int n = 0;
            for (int y = od; y < doReda; ++y)
                for (int x = 0; x < slika.width(); ++x)
                    n += qGray(slika.pixel(x, y)) < 128;
            return n;
        };
        for (int i = 0; i < strane.BrojStrana(); ++i) {
            slika.fill(Qt::white);
            QPainter p(&slika);
            strane.Crtaj(p, i, z);
            p.end();
            QVERIFY(tamnih(0, 12) > 20);
            QVERIFY(tamnih(slika.height() - 12, slika.height()) > 20);
            QVERIFY(tamnih(20, slika.height() - 20) > 200); // and the report between them
        }
    }

    void izlazClosesWithTheCancelResult() {
        const Projekat pr = Projekat2();
        PostavkeUMemoriji postavke;
        test::SnimajucePoruke poruke;
        TfrmPregledStampe w(pr, postavke, poruke);
        QTimer::singleShot(0, &w, [&] { w.findChild<QAction*>("toolIzlaz")->trigger(); });
        QCOMPARE(w.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(PregledStampeTest)
#include "pregled_stampe_test.moc"
