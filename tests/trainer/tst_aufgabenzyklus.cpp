// The task cycle: drawing words, the candidate list, the reward, word entry
// and leaving the program.
#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "renderings/Schreibung.h"
#include "ui/Twips.h"

#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

/// Solves the open word as the letter check would, without boxes.
void loesen(Testprogramm &t)
{
    t.m().Eingabe = t.m().Loesungswort;
    t.m().NaechsteAufgabe();
}

QStringList woerter(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << u("Wort") + QString::number(i);
    return l;
}

} // namespace

class TestAufgabenzyklus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtWortDerStandardliste()
    {
        Testprogramm t;
        QCOMPARE(t.m().Uebung, 13);
        QCOMPARE(t.m().Lesemodus, short(0));
        QCOMPARE(t.f1().Bezeichnung8->Caption(), u("Großschrift"));
        QCOMPARE(t.f1().Caption(), u("T i p p o l o"));
        const QStringList erwartet = {
            "Autobahn", "Computer", "Delfin", "durchlesen", "finster", "Fotograf", "fuchsteufelswild",
            "Geburtstagsfeier", "groß", "Hauptbahnhof", "kleinkariert", "Leseabenteuer", "Ötzi", "Puppenhaus",
            "putzig", "schreiben", "Sommerferien", "Stängel", "Tintenfüller", "verlieren"};
        QCOMPARE(t.f1().Liste1->eintraege(), erwartet);
        // The candidate list of a 20-word list is the whole list, sorted the same way.
        QCOMPARE(t.f1().Liste2->eintraege(), erwartet);
        QCOMPARE(t.m().Benutzt.size(), 20);
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 1);
        QCOMPARE(t.f1().Liste1->List(t.m().Wortindex), t.m().Loesungswort);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), Schreibung::gross(t.m().Loesungswort));
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("0"));
        QCOMPARE(t.f1().Bezeichnung4->Caption(), u("0"));
        QCOMPARE(t.f1().Liste2->FontSize(), 12.0);
        QCOMPARE(t.f1().Liste2->hoehe(), 5430);
        QCOMPARE(Twips::links(t.f1().Bild9), 10440);
        QVERIFY(t.f1().Bild26->isVisible());
        QVERIFY(!t.f1().Bild25->isVisible());
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void dreiWoerterDreiZuege()
    {
        Testprogramm t;
        t.liste({"Maus", "Haus", "Laus"});
        QSet<QString> gesehen;
        for (int i = 0; i < 4; ++i) {
            t.m().Leeren();
            t.m().NaechsteAufgabe();
            gesehen.insert(t.m().Loesungswort);
            QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), i % 3 + 1);
        }
        QCOMPARE(gesehen.size(), 3);
        QCOMPARE(t.m().Benutzt.size(), 3);
        QCOMPARE(t.m().Benutzt.at(t.m().Wortindex), QLatin1Char('1'));
    }

    void kandidaten_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("19 Wörter") << woerter(19) << 19;
        QTest::newRow("20 Wörter") << woerter(20) << 20;
        QTest::newRow("25 Wörter") << woerter(25) << 20;
        QTest::newRow("1000 Wörter") << woerter(1000) << 20;
        QStringList fuenf;
        for (int i = 0; i < 30; ++i)
            fuenf << u("W%1").arg(i % 5);
        QTest::newRow("30 Wörter, 5 verschiedene") << fuenf << 5;
    }
    void kandidaten()
    {
        QFETCH(QStringList, liste);
        QFETCH(int, erwartet);
        Testprogramm t;
        t.liste(liste);
        for (int runde = 0; runde < 5; ++runde) {
            t.m().Leeren();
            t.m().NaechsteAufgabe();
            const QStringList k = t.f1().Liste2->eintraege();
            QCOMPARE(QSet<QString>(k.begin(), k.end()).size(), erwartet);
            QCOMPARE(k.size(), erwartet);
            QVERIFY(k.contains(t.m().Loesungswort));
            if (liste.size() <= 20)
                QCOMPARE(k, t.f1().Liste1->eintraege());
        }
    }

    void benutztZuKurz()
    {
        Testprogramm t;
        t.liste(woerter(8));
        t.m().Benutzt = u("11");  // shorter than the list, as list editing can leave it
        QSet<QString> gesehen;
        for (int i = 0; i < 6; ++i) {
            t.m().Leeren();
            t.m().NaechsteAufgabe();
            QCOMPARE(t.m().Benutzt.size(), 8);
            QVERIFY(t.m().Wortindex >= 2);
            gesehen.insert(t.m().Loesungswort);
        }
        QCOMPARE(gesehen.size(), 6);
    }

    void belohnung_data()
    {
        QTest::addColumn<int>("geloest");
        QTest::addColumn<bool>("faellig");
        QTest::newRow("19") << 19 << false;
        QTest::newRow("20") << 20 << true;
        QTest::newRow("21") << 21 << false;
        QTest::newRow("40") << 40 << true;
    }
    void belohnung()
    {
        QFETCH(int, geloest);
        QFETCH(bool, faellig);
        Testprogramm t;
        t.m().Loesungen = geloest - 1;
        if (faellig)
            t.boxen.ok();
        const QString wort = t.m().Loesungswort;
        loesen(t);
        QCOMPARE(t.m().Loesungen, geloest);
        QCOMPARE(t.f1().Bezeichnung4->Caption(), QString::number(geloest));
        QCOMPARE(t.boxen.anzahl(), faellig ? 1 : 0);
        QCOMPARE(Twips::links(t.f1().Bild9), faellig ? 3000 : 10440);
        if (!faellig) {
            QCOMPARE(t.m().Eingabe, QString());
            return;
        }
        pruefeBox(t.boxen, u("Jetzt ist eine Belohnung fällig!"), u("Belohnung"), Knoepfe::OK, Symbol::Information);
        QVERIFY(t.f1().Liste1->eintraege().contains(t.m().Eingabe));
        if (t.m().Eingabe != wort) {
            // The task is held back: the solved word stays until a game is played.
            QCOMPARE(t.m().Loesungswort, wort);
            t.m().NaechsteAufgabe();
            QCOMPARE(t.m().Loesungswort, wort);
        }
        // Another exercise draws a word but leaves the reward open.
        t.f1().Befehl21_Click();
        QVERIFY(!t.m().Loesungswort.isEmpty());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
        QCOMPARE(Twips::links(t.f1().Bild9), 3000);
    }

    void uebungMittenImWort()
    {
        Testprogramm t;
        t.m().Eingabe = t.m().Loesungswort.left(1);
        const QString vorher = t.m().Loesungswort;
        t.f1().Befehl5_Click();
        QCOMPARE(t.m().Uebung, 5);
        QCOMPARE(t.m().Loesungen, 0);
        QCOMPARE(t.m().Eingabe, QString());
        QVERIFY(!t.m().Loesungswort.isEmpty());
        QVERIFY(t.m().Loesungswort != vorher);
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
    }

    void wortEingabe_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("danach");
        QTest::newRow("Grenze 1000") << woerter(1000) << "Neu"
                                     << "Kein Worteintrag mehr möglich!\r  Bitte eine neue Liste erstellen!"
                                     << "1000 Wörter" << "Neu";
        QTest::newRow("doppelt") << QStringList{"Haus", "Maus"} << "haus" << "Wort ist schon vorhanden!"
                                 << "Worteingabe" << "";
    }
    void wortEingabe()
    {
        QFETCH(QStringList, liste);
        QFETCH(QString, eingabe);
        QFETCH(QString, text);
        QFETCH(QString, titel);
        QFETCH(QString, danach);
        Testprogramm t;
        t.liste(liste);
        t.m().Uebung = 0;
        t.m().Eingabe = eingabe;
        t.boxen.ok();
        t.m().NaechsteAufgabe();
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.f1().Liste1->ListCount(), liste.size());
        QCOMPARE(t.m().Eingabe, danach);
        if (liste.size() == 2) {
            QCOMPARE(t.f1().Liste1->eintraege(), liste);
            QCOMPARE(t.f1().Liste1->ListIndex(), 0);
            QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort 3 eingeben:"));
        }
    }

    void wortEingabeLeerDannHinzu()
    {
        Testprogramm t;
        t.m().Uebung = 0;
        t.m().Leeren();
        t.m().NaechsteAufgabe();
        QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort 21 eingeben:"));
        QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().Anzeigeschrift());
        QCOMPARE(t.f1().Bezeichnung2->FontName(), t.programm->form8().Druckschrift());
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        t.m().Eingabe = u("Apfel");
        t.m().NaechsteAufgabe();
        QCOMPARE(t.f1().Liste1->ListCount(), 21);
        QCOMPARE(t.f1().Liste1->List(0), u("Apfel"));
        QCOMPARE(t.f1().Liste1->ListIndex(), 20);
        QCOMPARE(t.m().Benutzt, QString(21, QLatin1Char('0')));
        QCOMPARE(t.m().Eingabe, QString());
        // The prompt still shows the number just used; the next call the next one.
        QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort 21 eingeben:"));
        t.m().NaechsteAufgabe();
        QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort 22 eingeben:"));
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void leereListeTutNichts()
    {
        Testprogramm t;
        const QString gezeigt = t.f1().Bezeichnung1->Caption();
        t.f1().Liste1->Clear();
        t.m().Benutzt.clear();
        t.f1().Befehl3_Click();
        QCOMPARE(t.m().Loesungswort, QString());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), gezeigt);
        QCOMPARE(t.f1().Bezeichnung8->Caption(), u("Lückenwort"));
    }

    void beenden()
    {
        Testprogramm t;
        t.m().Eingabe = t.m().Loesungswort.left(2);
        const QString wort = t.m().Loesungswort;
        t.boxen.nein();
        t.f1().Bild1_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Dieses Programm jetzt beenden?\r"), u("TIPPOLO, Release 13.08.2005"), Knoepfe::JaNein,
                  Symbol::Stop);
        QCOMPARE(t.boxen.letzte().standard, Antwort::Nein);
        QVERIFY(!t.beendet);
        QVERIFY(t.f1().isVisible());
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.m().Eingabe, wort.left(2));
        QCOMPARE(t.m().Loesungen, 0);
        t.boxen.ja();
        t.f1().Bild1_Click();
        QVERIFY(t.beendet);
        QVERIFY(!t.f1().isVisible());
    }

    void elementeUeberlappenNicht()
    {
        Testprogramm t;
        QList<QWidget *> sichtbar;
        for (QWidget *w : t.f1().findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->objectName().isEmpty() && w != t.f1().Bild9)
                sichtbar << w;
        QVERIFY(sichtbar.size() > 40);
        const QRect fenster(QPoint(0, 0), t.f1().size());
        for (int i = 0; i < sichtbar.size(); ++i) {
            QVERIFY2(fenster.contains(sichtbar[i]->geometry()), qPrintable(sichtbar[i]->objectName()));
            for (int j = i + 1; j < sichtbar.size(); ++j)
                QVERIFY2(!sichtbar[i]->geometry().intersects(sichtbar[j]->geometry()),
                         qPrintable(sichtbar[i]->objectName() + " / " + sichtbar[j]->objectName()));
        }
        for (int n = 1; n <= 28; ++n)
            QCOMPARE(t.f1().findChild<QPushButton *>(u("Befehl%1").arg(n))->text(), Form1::Knopfbeschriftung(n));
        for (const char *name : {"Bild1", "Bild2", "Bild3", "Bild5", "Bild6", "Bild7", "Bild10", "Bild11", "Bild13",
                                 "Bild14", "Bild15", "Bild16", "Bild17", "Bild21", "Bild23", "Bild25", "Bild26"}) {
            auto *b = t.f1().findChild<Bild *>(QString::fromLatin1(name));
            QVERIFY2(b && QFile::exists(b->Picture()), name);
        }
    }
};

QTEST_MAIN(TestAufgabenzyklus)
#include "tst_aufgabenzyklus.moc"
