#include "data/postavke.h"
#include "ui/qt_postavke.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace nmk;
using namespace nmk::ui;

namespace {

// The same store behaviour is required of the in-memory and the QSettings implementations.
using Tvornica = std::function<std::unique_ptr<Postavke>()>;

void ProvjeriPodrazumijevane(const SnimljenePostavke& p) {
    QCOMPARE(p.MainLeft, 29);
    QCOMPARE(p.MainTop, 1);
    QVERIFY(p.Ec);
    QVERIFY(p.Standard);
    QVERIFY(p.LastDir.empty());
}

} // namespace

class PostavkeTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    int brojac_ = 0;

    QString NoviIni() { return folder_.filePath(QStringLiteral("p%1.ini").arg(++brojac_)); }

    void DodajImplementacije() {
        QTest::addColumn<Tvornica>("tvornica");
        QTest::newRow("memory") << Tvornica([] { return std::make_unique<PostavkeUMemoriji>(); });
        const QString ini = NoviIni();
        QTest::newRow("QSettings") << Tvornica([ini] { return std::make_unique<QtPostavke>(ini); });
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        // Nothing here may touch the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

    void freshStoreGivesTheDefaults_data() { DodajImplementacije(); }
    void freshStoreGivesTheDefaults() {
        QFETCH(Tvornica, tvornica);
        auto s = tvornica();
        QVERIFY(!s->KljucPostoji());
        const SnimljenePostavke p = ProcitajPostavke(*s);
        QVERIFY(!p.kljucPostoji);
        ProvjeriPodrazumijevane(p);
    }

    void closingWithoutTheKeyWritesNothing_data() { DodajImplementacije(); }
    void closingWithoutTheKeyWritesNothing() {
        QFETCH(Tvornica, tvornica);
        auto s = tvornica();
        QVERIFY(!ZapisiPriZatvaranju(*s, 100, 200, false, false));
        QVERIFY(!s->KljucPostoji());
        ProvjeriPodrazumijevane(ProcitajPostavke(*s));
    }

    void savingAProjectCreatesTheKeyAndThenClosingIsRemembered_data() { DodajImplementacije(); }
    void savingAProjectCreatesTheKeyAndThenClosingIsRemembered() {
        QFETCH(Tvornica, tvornica);
        auto s = tvornica();
        ZapisiPosljednjiFolder(*s, "/home/a/projekti/most.nmk");
        QVERIFY(s->KljucPostoji());
        // Only LastDir so far: the other values keep their defaults.
        SnimljenePostavke p = ProcitajPostavke(*s);
        QCOMPARE(QString::fromStdString(p.LastDir), QString("/home/a/projekti/"));
        QCOMPARE(p.MainLeft, 29);
        QVERIFY(p.Ec && p.Standard);

        QVERIFY(ZapisiPriZatvaranju(*s, -50, 300, false, false));
        p = ProcitajPostavke(*s);
        QCOMPARE(p.MainLeft, -50);
        QCOMPARE(p.MainTop, 300);
        QVERIFY(!p.Ec);
        QVERIFY(!p.Standard);
        QCOMPARE(QString::fromStdString(p.LastDir), QString("/home/a/projekti/"));
    }

    void valuesOfTheWrongTypeTakeTheirDefaults_data() { DodajImplementacije(); }
    void valuesOfTheWrongTypeTakeTheirDefaults() {
        QFETCH(Tvornica, tvornica);
        auto s = tvornica();
        QVERIFY(s->ZapisiTekst(kMainLeft, "lijevo", true));
        QVERIFY(s->ZapisiTekst(kEc, "", true));
        QVERIFY(s->ZapisiCijeli(kStandard, 0, true));
        const SnimljenePostavke p = ProcitajPostavke(*s);
        QCOMPARE(p.MainLeft, 29);
        QVERIFY(p.Ec);
        QVERIFY(!p.Standard);
    }

    void settingsFileSurvivesANewInstance() {
        const QString ini = NoviIni();
        {
            QtPostavke s(ini);
            ZapisiPosljednjiFolder(s, "C:\\Projekti\\a.nmk");
            QVERIFY(ZapisiPriZatvaranju(s, 640, 480, true, false));
        }
        QtPostavke s(ini);
        const SnimljenePostavke p = ProcitajPostavke(s);
        QCOMPARE(p.MainLeft, 640);
        QCOMPARE(p.MainTop, 480);
        QVERIFY(p.Ec);
        QVERIFY(!p.Standard);
        QCOMPARE(QString::fromStdString(p.LastDir), QString("C:\\Projekti\\"));
        // Stored under the fixed names, booleans as 0 and 1.
        QSettings sirovo(ini, QSettings::IniFormat);
        QCOMPARE(sirovo.value("Standard").toInt(), 0);
        QCOMPARE(sirovo.value("Ec").toInt(), 1);
        QVERIFY(sirovo.contains("MainLeft") && sirovo.contains("MainTop"));
    }

    void anEmptiedSettingsFileCountsAsNoKey() {
        const QString ini = NoviIni();
        {
            QtPostavke s(ini);
            ZapisiPosljednjiFolder(s, "/a/b.nmk");
        }
        {
            QSettings sirovo(ini, QSettings::IniFormat);
            sirovo.clear();
        }
        QVERIFY(QFile::exists(ini));
        QtPostavke s(ini);
        QVERIFY(!s.KljucPostoji());
        QVERIFY(!ZapisiPriZatvaranju(s, 1, 2, true, true));
        QVERIFY(QSettings(ini, QSettings::IniFormat).childKeys().isEmpty());
    }

    void userSettingsLiveUnderTheProgramsName() {
        QtPostavke s;
        ZapisiPosljednjiFolder(s, "/x/y.nmk");
        QSettings ocekivane(QSettings::NativeFormat, QSettings::UserScope, "Nosivometrik",
                            "Nosivometrik");
        QVERIFY(ocekivane.fileName().startsWith(folder_.path()));
        QCOMPARE(ocekivane.value("LastDir").toString(), QString("/x/"));
    }

    void folderOfAFileKeepsItsTrailingSeparator_data() {
        QTest::addColumn<QString>("fajl");
        QTest::addColumn<QString>("folder");
        QTest::newRow("unix") << "/home/a/b.nmk"
                              << "/home/a/";
        QTest::newRow("windows") << "C:\\a\\b.nmk"
                                 << "C:\\a\\";
        QTest::newRow("root") << "/b.nmk"
                              << "/";
        QTest::newRow("no folder") << "b.nmk"
                                   << "";
    }
    void folderOfAFileKeepsItsTrailingSeparator() {
        QFETCH(QString, fajl);
        QFETCH(QString, folder);
        QCOMPARE(QString::fromStdString(FolderSaSeparatorom(fajl.toStdString())), folder);
    }
};

QTEST_MAIN(PostavkeTest)
#include "postavke_test.moc"
