#pragma once
// Helpers of the window tests: finding controls by name, answering a modal window from a
// timer, the worked-case section and saving a window's picture.

#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/projekat.h"
#include "engine/presjek.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace nmk::test {

// The named child of the window; the test fails at once when it is missing.
template <class T> T* Nadji(QWidget* prozor, const char* ime) {
    T* w = prozor->findChild<T*>(QString::fromLatin1(ime));
    if (w == nullptr)
        qFatal("no child named %s", ime);
    return w;
}

inline QString Tekst(QWidget* prozor, const char* ime) {
    return Nadji<QLineEdit>(prozor, ime)->text();
}

inline void Upisi(QWidget* prozor, const char* ime, const QString& tekst) {
    Nadji<QLineEdit>(prozor, ime)->setText(tekst);
}

inline void Klikni(QWidget* prozor, const char* ime) {
    QTest::mouseClick(Nadji<QAbstractButton>(prozor, ime), Qt::LeftButton);
}

// Runs `radnja` on the modal window that the next step opens, once it is shown. The window is
// handed over as it is; the action must close it. Answers through `pozvano` whether it ran.
inline void KadSeOtvoriModalni(std::function<void(QWidget*)> radnja, bool* pozvano = nullptr) {
    auto pokusaj = std::make_shared<std::function<void(int)>>();
    *pokusaj = [radnja, pozvano, pokusaj](int preostalo) {
        QWidget* modalni = QApplication::activeModalWidget();
        if (modalni != nullptr && modalni->isVisible()) {
            if (pozvano != nullptr)
                *pozvano = true;
            radnja(modalni);
            return;
        }
        if (preostalo > 0) {
            auto sljedeci = *pokusaj;
            QTimer::singleShot(20, [sljedeci, preostalo] { sljedeci(preostalo - 1); });
        }
    };
    auto prvi = *pokusaj;
    QTimer::singleShot(0, [prvi] { prvi(100); });
}

// The worked case of the serviceability calculations: an EC 2 rectangle 30 x 50 cm of C30/37
// with B500, four bars of 16 mm at the bottom and none at the top, under Mexp = 100 kNm.
inline TPresjek RadniPrimjer() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Oblik = TOblik::Pravougaoni;
    p.Beton = 14; // C30/37
    p.Celik = 3;  // B500
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 5;
    p.ArmDonja = {{16, 4}};
    p.Mexp = 100;
    p.Nexp = 0;
    p.Status = sfIzracunat;
    return p;
}

inline Projekat ProjekatSKatalozima() {
    Projekat pr;
    pr.folder = ProgramskiFolder();
    pr.katalozi = UgradjeniKatalozi();
    pr.presjeci.emplace_back();
    return pr;
}

// The picture of the window for a person to look at, in the build's artefact folder.
inline void SacuvajSliku(QWidget* prozor, const QString& ime) {
    const QString folder = QStringLiteral(NMK_ARTEFACT_DIR);
    QDir().mkpath(folder);
    prozor->adjustSize();
    QVERIFY(prozor->grab().save(folder + "/" + ime + ".png"));
}

// Runs the test object on the offscreen platform with these screens (in device pixels, each
// with its frame margins around the windows), through a configuration file of the platform.
template <class Test> int PokreniNaEkranima(int argc, char** argv, const QList<QRect>& ekrani) {
    QTemporaryDir folder;
    const QString putanja = QDir(folder.path()).filePath("ekrani.json");
    QStringList opisi;
    for (const QRect& e : ekrani)
        opisi << QStringLiteral(R"({"name": "E%1", "x": %2, "y": %3, "width": %4, )"
                                R"("height": %5, "logicalDpi": 96})")
                     .arg(opisi.size())
                     .arg(e.x())
                     .arg(e.y())
                     .arg(e.width())
                     .arg(e.height());
    QFile f(putanja);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(QStringLiteral(R"({"windowFrameMargins": true, "screens": [%1]})")
                .arg(opisi.join(QStringLiteral(", ")))
                .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + putanja).toUtf8());
    QApplication app(argc, argv);
    Test t;
    return QTest::qExec(&t, argc, argv);
}

} // namespace nmk::test
