#include "support/Testprogramm.h"

#include <QSet>
#include <QTest>

class TestAufgabenzyklus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtWortDerStandardliste();
};

void TestAufgabenzyklus::startZeigtWortDerStandardliste()
{
    Testprogramm t;
    QCOMPARE(t.m().Uebung, 13);
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Großschrift"));
    QCOMPARE(t.f1().Liste1->ListCount(), 20);
    QVERIFY(!t.m().Loesungswort.isEmpty());
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 1);
    QCOMPARE(t.boxen.anzahl(), 0);
}

QTEST_MAIN(TestAufgabenzyklus)
#include "tst_aufgabenzyklus.moc"
