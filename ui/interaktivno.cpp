#include "ui/interaktivno.h"

#include "data/fajl.h"
#include "data/konzolne_poruke.h"
#include "data/projektni_fajl.h"
#include "ui/armatura_dijalog.h"
#include "ui/glavni_prozor.h"
#include "ui/poruke_dijalog.h"
#include "ui/prevodi.h"
#include "ui/prsline.h"
#include "ui/qt_postavke.h"
#include "ui/ugibi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QSplashScreen>
#include <QThread>

#include <cstdlib>
#include <iostream>

namespace nmk::ui {

namespace {

bool Postavljeno(const char* ime) {
    const char* v = std::getenv(ime);
    return v != nullptr && *v != '\0';
}

// The splash picture: the program's name over a sketch of a reinforced T section.
QPixmap SlikaUvoda() {
    QPixmap slika(420, 240);
    slika.fill(QColor(236, 240, 244));
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 90), 2));
    p.drawRect(slika.rect().adjusted(1, 1, -2, -2));
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygon({QPoint(30, 60), QPoint(150, 60), QPoint(150, 85), QPoint(105, 85),
                            QPoint(105, 200), QPoint(75, 200), QPoint(75, 85), QPoint(30, 85)}));
    p.setBrush(QColor(30, 60, 160));
    for (int x : {82, 90, 98})
        p.drawEllipse(QPoint(x, 188), 3, 3);
    QFont f = p.font();
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 60, 90));
    p.drawText(QRect(170, 70, 240, 40), Qt::AlignLeft | Qt::AlignVCenter, "Nosivometrik");
    f.setPixelSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(172, 112, 240, 60), Qt::AlignLeft | Qt::TextWordWrap,
               "Proracun armiranobetonskih presjeka");
    return slika;
}

// The blocking wait with the splash still painted.
void Cekaj(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
}

} // namespace

bool ImaEkrana() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return Postavljeno("DISPLAY") || Postavljeno("WAYLAND_DISPLAY") ||
           Postavljeno("QT_QPA_PLATFORM");
#endif
}

std::string PorukaBezEkrana() {
    return "nosivometrik: nema ekrana za prozor programa (nisu postavljeni DISPLAY, "
           "WAYLAND_DISPLAY ni QT_QPA_PLATFORM).\n"
           "Pokrenite program na radnoj povrsini ili koristite nacine DIM, UGIB i PRSLINE.";
}

std::unique_ptr<TMainForm> NapraviProzore(Projekat& pr, Postavke& postavke, Poruke& poruke,
                                          const QStringList& argumenti, DijaloziFajla* dijalozi) {
    auto glavni = std::make_unique<TMainForm>(pr, postavke, poruke, dijalozi);
    TMainForm* g = glavni.get();
    auto armaturaZa = [g](TPresjek& p) { g->ArmaturaZa(p); };
    auto* prsline = new TfrmPrsline(pr, poruke, armaturaZa, g);
    auto* armatura = new TfrmArmatura(pr.katalozi, poruke, pr.folder, g);
    auto* ugibi = new TfrmUgibi(pr, poruke, armaturaZa, g);
    g->PostaviDijaloge(prsline, armatura, ugibi);
    g->UcitajPostavke();
    g->OsvjeziCrtez();
    if (!argumenti.isEmpty()) {
        const std::filesystem::path putanja = Utf8Putanja(argumenti.front().toStdString());
        if (ProvjeriIUcitaj(pr, putanja, poruke))
            g->PrimijeniProjekat(putanja);
    }
    return glavni;
}

int PokreniInteraktivno(int argc, char** argv, Projekat& pr) {
    if (!ImaEkrana()) {
        std::cerr << PorukaBezEkrana() << '\n';
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("nosivometrik");
    QApplication::setOrganizationName("Nosivometrik");
    UcitajPrevodeQt(app, QString::fromStdString(PutanjaUtf8(pr.folder)));
    int status = 1;
    {
        QSplashScreen uvod(SlikaUvoda());
        uvod.setObjectName("frmUvodna");
        uvod.setCursor(Qt::BusyCursor);
        uvod.show();
        uvod.repaint();
        QCoreApplication::processEvents();
        QtPostavke postavke;
        QtPoruke poruke;
        QStringList argumenti = QApplication::arguments();
        argumenti.removeFirst();
        std::unique_ptr<TMainForm> glavni;
        try {
            glavni = NapraviProzore(pr, postavke, poruke, argumenti);
            Cekaj(TrajanjeUvoda);
        } catch (const std::exception& e) {
            uvod.close();
            poruke.Obicna(e.what());
            return 1;
        }
        uvod.close();
        glavni->show();
        status = app.exec();
    }
    return status;
}

void PrikaziGreskuPokretanja(const std::string& tekst) {
    if (!ImaEkrana())
        return;
    int argc = 1;
    char ime[] = "nosivometrik";
    char* argv[] = {ime, nullptr};
    // The box needs an application object; one that exists already serves.
    std::unique_ptr<QApplication> app;
    if (QCoreApplication::instance() == nullptr)
        app = std::make_unique<QApplication>(argc, argv);
    TPorukaDijalog box(QString::fromStdString(tekst), VrstaPoruke::Greska, dgOK, nullptr);
    box.setWindowTitle(QString::fromUtf8(NaslovGreskePrograma));
    box.exec();
}

} // namespace nmk::ui
