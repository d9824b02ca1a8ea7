#include "ui/brojevi.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

using namespace nmk::ui;

class BrojeviTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void writesAndReadsWithTheLocaleSeparator() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        QCOMPARE(Broj(40, 5, 2), QString("40,00"));
        QCOMPARE(ProcitajBroj("30,5").value(), 30.5);
        QVERIFY(!ProcitajBroj("30.5").has_value());
        QVERIFY(!ProcitajBroj("1.234,5").has_value());
        QCOMPARE(ProcitajIliNula("abc"), 0.0);
    }

    void fullStopBecomesTheLocaleSeparatorOnlyOnce() {
        QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia));
        QLineEdit e;
        PostaviFilter(&e, {.separatorJednom = true});
        QTest::keyClicks(&e, "12.5.x-");
        QCOMPARE(e.text(), QString("12,5"));
    }

    void minusPassesOnlyAtTheStartAndOnce() {
        QLineEdit e;
        PostaviFilter(&e, {.minus = true, .minusSamoNaPocetku = true});
        QTest::keyClicks(&e, "5-");
        QCOMPARE(e.text(), QString("5"));
        e.clear();
        QTest::keyClicks(&e, "--5");
        QCOMPARE(e.text(), QString("-5"));
    }

    void enterRunsTheActionAndASelectionEmptiesTheField() {
        int pokrenuto = 0;
        QLineEdit e;
        PostaviFilter(&e, {.naEnter = [&] { ++pokrenuto; }, .prazniOznaceno = true});
        e.setText("350");
        e.selectAll();
        QTest::keyClicks(&e, "x");
        QCOMPARE(e.text(), QString(""));
        QTest::keyClick(&e, Qt::Key_Return);
        QCOMPARE(pokrenuto, 1);
        // Backspace over a partial selection empties the whole field too.
        e.setText("12,5");
        e.setSelection(1, 2);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QString(""));
    }

    void backspaceWithoutTheEmptyingRuleDeletesOneCharacter() {
        QLineEdit e;
        PostaviFilter(&e, {});
        e.setText("125");
        e.setCursorPosition(3);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QString("12"));
    }
};

QTEST_MAIN(BrojeviTest)
#include "brojevi_test.moc"
