#include "info/Form7.h"
#include "lists/Form8.h"
#include "support/Testprogramm.h"

#include <QFontDatabase>
#include <QTest>

/// The settings window: unlock, font list, font assignment, reward
/// interval, word entry, deleting, back and help, and the script switch.

/// Unlocks the list with the name of the exercise and gives the settings window.
static Form8 &oeffnen(Testprogramm &t)
{
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    return t.programm->form8();
}

struct Freischalten { int uebung; QString antwort; bool offen; };
struct Wechsel { QString druck, schreib, nachKlick; };
Q_DECLARE_METATYPE(Freischalten)
Q_DECLARE_METATYPE(Wechsel)

class TestForm8 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elemente()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        QCOMPARE(e.windowTitle(), u("Tippolo: Einstellungen"));
        QVERIFY(!e.isVisible());
        QVERIFY(e.Zeit1->isActive());
        QCOMPARE(e.Zeit1->interval(), 100);
        const char *const icons[][2] = {{"Bild1", ":/icons/zurueck.svg"}, {"Bild8", ":/icons/sandeimer.svg"},
                                        {"Bild2", ":/icons/zahnraddiskette.svg"}, {"Bild4", ":/icons/stift.svg"},
                                        {"Bild5", ":/icons/diskette.svg"}, {"Bild6", ":/icons/apfel.svg"},
                                        {"Bild7", ":/icons/muelleimer.svg"}, {"Bild3", ":/icons/hilfe.svg"}};
        int x = -1;
        for (const auto &i : icons) {
            auto *b = e.findChild<Bild *>(QString::fromLatin1(i[0]));
            QVERIFY2(b, i[0]);
            QCOMPARE(b->Picture(), QString::fromLatin1(i[1]));
            QVERIFY(b->x() > x);
            x = b->x();
        }
        QCOMPARE(e.Kontroll1->text(), u("Laufwerke und Ordner sperren"));
        const char *const titel[][2] = {{"Bezeichnung5", "Anzeigeschrift:"}, {"Bezeichnung7", "Druckschrift:"},
                                        {"Bezeichnung1", "Schreibschrift:"}, {"Bezeichnung19", "Wörterliste:"},
                                        {"Bezeichnung6", "Abgedeckt:"},      {"Bezeichnung17", "Bildwörter:"},
                                        {"Bezeichnung4", "Spiegel:"},        {"Bezeichnung3", "Wortruinen:"}};
        int y = -1;
        for (const auto &i : titel) {
            auto *b = e.findChild<Bezeichnung *>(QString::fromLatin1(i[0]));
            QVERIFY2(b, i[0]);
            QCOMPARE(b->Caption(), QString::fromUtf8(i[1]));
            QVERIFY(b->y() > y);
            y = b->y();
        }
        QCOMPARE(e.Bezeichnung2->Caption(), u("Beispielwort"));
        QCOMPARE(e.Bezeichnung9->Caption(), u("Beispielwort"));
        QCOMPARE(e.Bezeichnung9->FontSize(), 12.0);
        QVERIFY(e.Bezeichnung9->FontBold());
    }
    void freischalten_data()
    {
        QTest::addColumn<Freischalten>("f");
        QTest::newRow("genau") << Freischalten{0, u("Großschrift"), true};
        QTest::newRow("klein") << Freischalten{0, u("großschrift"), false};
        QTest::newRow("leer") << Freischalten{0, {}, false};
        QTest::newRow("mit Leerzeichen") << Freischalten{0, u("Großschrift "), false};
        // The password is the name of the current exercise.
        QTest::newRow("alter Name nach Wechsel") << Freischalten{2, u("Großschrift"), false};
        QTest::newRow("neuer Name nach Wechsel") << Freischalten{2, u("Umkehrwort"), true};
    }
    void freischalten()
    {
        QFETCH(Freischalten, f);
        Testprogramm t;
        if (f.uebung)
            t.f1().Befehl_Click(f.uebung);
        t.boxen.tippe(f.antwort);
        t.f1().Bild5_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeEingabe(t.boxen, 0, u("Passwort eingeben:"), u("Liste freischalten"));
        QCOMPARE(t.programm->form8().isVisible(), f.offen);
        QCOMPARE(t.f1().isVisible(), !f.offen);
    }
    void aktivierungFuelltEditorliste()
    {
        Testprogramm t;
        t.m().Wortmenge = 33;
        Form8 &e = oeffnen(t);
        QCOMPARE(e.Liste2->eintraege(), t.f1().Liste1->eintraege());
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 20 Wörter"));
        QCOMPARE(e.Bezeichnung8->Caption(), u("33"));
        QCOMPARE(t.programm->aktivesFenster(), &e);
        // Back: the main window shows the same task, no box.
        const QString wort = t.m().Loesungswort;
        e.Bild1_Click();
        QVERIFY(!e.isVisible());
        QVERIFY(t.f1().isVisible());
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.boxen.anzahl(), 1);
    }
    void schriftlisteFuellen()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        const QStringList schriften = QFontDatabase::families();
        if (schriften.isEmpty()) {
            t.boxen.ok();
            e.Zeit1_Timer();
            pruefeBox(t.boxen, u("Es ist ein Fehler aufgetreten ..."), u("Schriften"));
            QSKIP("No fonts installed.");
        }
        QCOMPARE(e.Liste1->ListCount(), 0);
        e.Zeit1_Timer();
        QVERIFY(!e.Zeit1->isActive());
        QCOMPARE(e.Liste1->eintraege(), schriften);
        QCOMPARE(e.Liste1->ListIndex(), 0);
        QCOMPARE(e.Bezeichnung2->FontName(), schriften.first());
        QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
        QCOMPARE(t.boxen.anzahl(), 0);
        if (schriften.size() > 1) {
            e.Liste1->setListIndex(1);
            QCOMPARE(e.Bezeichnung2->FontName(), schriften.at(1));
        }
    }
    void schriftZuweisen()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        struct Fall { void (Form8::*klick)(); Bezeichnung *muster; };
        const Fall faelle[] = {{&Form8::Bezeichnung5_Click, e.Bezeichnung9},   {&Form8::Bezeichnung7_Click, e.Bezeichnung12},
                               {&Form8::Bezeichnung1_Click, e.Bezeichnung15},  {&Form8::Bezeichnung19_Click, e.Bezeichnung20},
                               {&Form8::Bezeichnung6_Click, e.Bezeichnung11},  {&Form8::Bezeichnung17_Click, e.Bezeichnung18},
                               {&Form8::Bezeichnung4_Click, e.Bezeichnung14},  {&Form8::Bezeichnung3_Click, e.Bezeichnung13}};
        int n = 0;
        for (const Fall &f : faelle) {
            const QString name = u("Schrift%1").arg(++n);
            e.Bezeichnung2->setFontName(name);
            (e.*f.klick)();
            QCOMPARE(f.muster->FontName(), name);
        }
        QCOMPARE(e.Anzeigeschrift(), u("Schrift1"));
        QCOMPARE(e.WoerterlisteSchrift(), u("Schrift4"));
        QCOMPARE(e.SpiegelSchrift(), u("Schrift7"));
        // Only the display and the word list change at once.
        QCOMPARE(t.f1().Bezeichnung1->FontName(), u("Schrift1"));
        QCOMPARE(t.f1().Liste2->FontName(), u("Schrift4"));
        QCOMPARE(t.f1().Bezeichnung2->FontName(), u("Arial"));
        // Nothing is saved.
        QCOMPARE(t.lesen("TIPPOLO.INI").count("Arial"), 4);
        // The mirror font shows with the next word of type 12.
        t.f1().Befehl12_Click();
        QCOMPARE(t.f1().Bezeichnung1->FontName(), u("Schrift7"));
    }
    void wortmenge_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<int>("menge");
        QTest::newRow("5") << "5" << 10;
        QTest::newRow("abc") << "abc" << 10;
        QTest::newRow("abgebrochen") << "" << 10;
        QTest::newRow("25") << "25" << 25;
        QTest::newRow("25 Wörter") << "25 Wörter" << 25;
        QTest::newRow("12.6") << "12.6" << 13;
        QTest::newRow("riesig") << "99999999999" << 2147483647;
    }
    void wortmenge()
    {
        QFETCH(QString, antwort);
        QFETCH(int, menge);
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Liste1->AddItem(u("Arial"));
        t.boxen.tippe(antwort);
        t.boxen.ok();
        e.Bild8_Click();
        QCOMPARE(t.boxen.anzahl(), 2);
        pruefeEingabe(t.boxen, 0, u("Nach wie vielen Wörtern gibt es eine Spielrunde:"), u("Wortanzahl eingeben"), "20");
        pruefeBox(t.boxen, u("Sie müssen die Einstellungen noch speichern!"), u("Wortmenge: %1").arg(menge));
        QCOMPARE(t.m().Wortmenge, menge);
        QCOMPARE(e.Bezeichnung8->Caption(), QString::number(menge));
        // Not saved until asked for.
        QVERIFY(t.lesen("TIPPOLO.INI").startsWith(" 20 \r\n"));
    }
    void wortmengeVorSchriftliste()
    {
        Testprogramm t;
        t.programm->form8().Bild8_Click();
        t.programm->form8().Bild7_Click();
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(t.m().Wortmenge, 20);
    }
    void woerterEingeben()
    {
        Testprogramm t;
        Form8 &e = oeffnen(t);
        for (const char *wort : {"Zebra", "Autobahn", "autobahn", ""})
            t.boxen.tippe(u(wort));
        e.Bild4_Click();
        QCOMPARE(t.m().Uebung, 0);
        // A word that is already in the list (same case) is not added again.
        QCOMPARE(t.boxen.anzahl(), 5);
        for (int i = 1; i < 5; ++i)
            pruefeEingabe(t.boxen, i, u("Neues Wort eingeben:"), u("Worteingabe %1").arg(i == 1 ? 21 : i == 4 ? 23 : 22));
        QCOMPARE(t.f1().Liste1->ListCount(), 22);
        QCOMPARE(e.Liste2->ListCount(), 22);
        QCOMPARE(t.f1().Liste1->eintraege().count("Autobahn"), 1);
        QVERIFY(t.f1().Liste1->eintraege().contains("autobahn"));
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 22 Wörter"));
        QCOMPARE(t.m().Benutzt.size(), 20);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o"));
    }
    void einenEintragLoeschen()
    {
        Testprogramm t;
        Form8 &e = oeffnen(t);
        e.Liste2->setListIndex(2);
        const QString wort = e.Liste2->List(2);
        QCOMPARE(wort, u("Delfin"));
        // Declined: nothing changes.
        const QString benutzt = t.m().Benutzt;
        t.boxen.nein();
        e.Bild6_Click();
        QCOMPARE(e.Liste2->ListCount(), 20);
        QCOMPARE(t.m().Benutzt, benutzt);
        QCOMPARE(t.m().Anzeigetext, t.f1().Bezeichnung1->Caption());
        QVERIFY(!t.m().Anzeigetext.isEmpty());
        t.boxen.ja();
        e.Bild6_Click();
        pruefeFrage(t.boxen, u("Nr. 3 = DELFIN"), u("Eintrag löschen"));
        QVERIFY(!e.Liste2->eintraege().contains(wort));
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(t.m().Benutzt, QString(19, QLatin1Char('0')));
        QCOMPARE(e.Liste2->ListIndex(), 0);
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 19 Wörter"));
    }
    void einzigenEintragLoeschen()
    {
        Testprogramm t(1, false);
        t.datei("EIN.TXT", "Haus\r\n");
        t.start();
        Form8 &e = oeffnen(t);
        e.Liste2->setListIndex(0);
        t.boxen.ja();
        e.Bild6_Click();
        pruefeFrage(t.boxen, u("Nr. 1 = HAUS"), u("Eintrag löschen"));
        QCOMPARE(e.Liste2->ListCount(), 0);
        QCOMPARE(e.Liste2->ListIndex(), -1);
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 0 Wörter"));
        QCOMPARE(t.m().Benutzt, QString());
        // Nothing selected: nothing more to ask.
        e.Bild6_Click();
        QCOMPARE(t.boxen.offeneAntworten(), 0);
    }
    void loeschenDannHilfe()
    {
        Testprogramm t;
        Form8 &e = oeffnen(t);
        e.Liste2->setListIndex(0);
        t.boxen.ja();
        e.Bild6_Click();
        QCOMPARE(e.Liste2->ListCount(), 19);
        e.Bild3_Click();
        QCOMPARE(t.m().Hilfethema, 2);
        QVERIFY(t.programm->form7().isVisible());
        QCOMPARE(e.Liste2->ListCount(), 19);
        t.programm->form7().verbergen();
        QCOMPARE(t.programm->aktivesFenster(), &e);
        QCOMPARE(e.Liste2->ListCount(), 20);
        QCOMPARE(e.Liste2->List(0), u("Autobahn"));
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 20 Wörter"));
    }
    void ganzeListeLoeschen()
    {
        Testprogramm t;
        Form8 &e = oeffnen(t);
        e.Liste1->AddItem(u("Arial"));
        t.boxen.nein();
        e.Bild7_Click();
        QCOMPARE(e.Liste2->ListCount(), 20);
        QCOMPARE(t.m().Uebung, 13);
        t.boxen.ja();
        e.Bild7_Click();
        pruefeFrage(t.boxen, u("Die ganze Liste jetzt löschen?"), u("Liste löschen"));
        QCOMPARE(e.Liste2->ListCount(), 0);
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(t.m().Benutzt, QString());
        QCOMPARE(e.Bezeichnung2->Caption(), QString());
        QCOMPARE(t.m().Uebung, 0);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort 21 eingeben:"));
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 0 Wörter"));
    }
    void schriftWechsel_data()
    {
        QTest::addColumn<Wechsel>("f");
        QTest::newRow("verschieden") << Wechsel{u("Comic Sans MS"), u("Lateinaus"), u("Schreibschrift")};
        // Both the same: nothing to switch, the caption stays.
        QTest::newRow("gleich") << Wechsel{u("Arial"), u("Arial"), u("Druckschrift")};
    }
    void schriftWechsel()
    {
        QFETCH(Wechsel, f);
        Testprogramm t;
        t.programm->form8().Bezeichnung12->setFontName(f.druck);
        t.programm->form8().Bezeichnung15->setFontName(f.schreib);
        QCOMPARE(t.f1().Bezeichnung10->Caption(), u("Druckschrift"));
        for (const QString &schrift : {f.schreib, f.druck, f.schreib}) {
            t.f1().Bild17_Click();
            QCOMPARE(t.f1().Bezeichnung2->FontName(), schrift);
            QCOMPARE(t.f1().Bezeichnung10->Caption(), schrift == f.druck ? u("Druckschrift") : f.nachKlick);
        }
    }
};

QTEST_MAIN(TestForm8)
#include "tst_form8.moc"
