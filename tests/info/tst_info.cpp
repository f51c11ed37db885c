// The info windows: help beside its opener, the program information, the practice log and
// the teacher's report (error classes, log lines, a session's report, a log that cannot be written).
#include "support/EngerRaum.h"
#include "support/Testprogramm.h"

#include "basis/Schrift.h"
#include "info/Bericht.h"
#include "info/Berichtfenster.h"
#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "info/Protokoll.h"
#include "lists/Form8.h"
#include "ui/Druckflaeche.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <memory>

using Bericht::Fehlerklasse;
Q_DECLARE_METATYPE(Bericht::Zeitraum)

namespace {

const QDateTime kJetzt(QDate(2026, 12, 6), QTime(9, 15, 2));

/// The rows of a report table as "left|right".
QStringList zeilen(const QTableWidget *t)
{
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r)
        l << t->item(r, 0)->text() + QLatin1Char('|') + t->item(r, 1)->text();
    return l;
}

/// Makes `wort` the only word of the list and asks it.
void frage(Testprogramm &t, const QString &wort)
{
    t.liste({wort}, true);
    QCOMPARE(t.m().Loesungswort, wort);
}

/// Opens the settings window and from there the report.
Berichtfenster &berichtOeffnen(Testprogramm &t)
{
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
    return t.programm->berichtfenster();
}

/// An entry of exercise 13: a wrong letter when `soll` is given, else a solved word.
Protokoll::Eintrag eintrag(const QString &name, const QString &wort, const QDate &tag = kJetzt.date(), int stelle = 0,
                           const QString &soll = {}, const QString &ist = {})
{
    return {tag, kJetzt.time(), soll.isEmpty() ? Protokoll::Art::Wort : Protokoll::Art::Fehler, name, 13, false, wort,
            stelle, soll, ist};
}

struct Zeile { bool fehler; QString name, wort; QByteArray bytes; QString nameZurueck, wortZurueck; };
struct Klasse { QString wort; int stelle; QString soll, ist; Fehlerklasse klasse; };

} // namespace

Q_DECLARE_METATYPE(Zeile)
Q_DECLARE_METATYPE(Klasse)

class TestInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hilfeseiten()
    {
        Testprogramm t;
        QTest::mouseClick(t.f1().Bild7, Qt::LeftButton);
        Form7 &h = t.programm->form7();
        QVERIFY(h.isVisible() && t.f1().isVisible() && t.m().Hilfethema == 1);
        const Zeichnung &z = h.zeichnung();
        // 25 lines, printed one below the other from the top-left corner, the empty ones left out.
        QVERIFY(z.CurrentY == 25 * z.zeilenhoehe() && z.inhalt().size() == 20);
        QCOMPARE(z.inhalt().first().text, u("  Das Programm ist weitgehend selbsterklärend"));
        QCOMPARE(QPoint(z.inhalt().at(1).x, z.inhalt().at(1).y), QPoint(0, 2 * z.zeilenhoehe()));
        // The settings window opens page 2 the same way while the help is open.
        t.m().Hilfethema = 2;
        h.zeigen();
        // Page 2 ends with paragraphs on the report's notebook icon and on
        // the picture words.
        QCOMPARE(z.inhalt().first().text, u("  Über den Sandeimer wird eingestellt, nach"));
        QCOMPARE(z.inhalt().size(), 28);
        // Back to the main window and its help icon: page 1 again, drawn once.
        // Only the window system's activation makes a window the active one.
        t.programm->aktiviert(&t.f1());
        QEvent neben(QEvent::Enter), aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&h, &neben);
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
        QCoreApplication::sendEvent(&h, &aktiv);
        QCOMPARE(t.programm->aktivesFenster(), &h);
        t.programm->aktiviert(&t.f1());
        t.f1().Bild7_Click();
        QCOMPARE(z.inhalt().size(), 20);
        QTest::mouseClick(h.Befehl1, Qt::LeftButton);
        QVERIFY(h.isHidden() && t.f1().isVisible() && t.programm->aktivesFenster() == &t.f1());
    }
    void hilfePasst()
    {
        // At every factor each line of both pages stands whole in the window, above "Fertig".
        Testprogramm t;
        Form7 &h = t.programm->form7();
        for (double f = 0.7; f < 3.0; f += 0.1) {
            h.setFaktor(f);
            for (int seite : {1, 2}) {
                t.m().Hilfethema = seite;
                h.Form_Activate();
                for (const Schriftzug &s : h.zeichnung().inhalt()) {
                    const QFontMetricsF fm(Schrift::machen(s.schrift.family(), s.schrift.pointSizeF() * f));
                    QVERIFY2(fm.horizontalAdvance(s.text) <= h.width() && s.y * f / 15 + fm.height() <= h.Befehl1->y(), qPrintable(s.text));
                }
            }
        }
    }
    void hilfeStehtNebenDemOeffner()
    {
        Testprogramm t;
        const QRect platz = t.f1().screen()->availableGeometry();
        Form7 &h = t.programm->form7();
        Fenster links(*t.programm, u("Links"), u("Links"), 3000, 3000), rechts(*t.programm, u("Rechts"), u("Rechts"), 3000, 3000);
        links.move(platz.topLeft() + QPoint(10, 20));
        rechts.move(platz.right() + 1 - 3 * links.width() / 2, platz.top() + 40);
        // A narrow window at the left edge: the help stands to its right.
        links.zeigen();
        h.zeigen();
        QVERIFY(h.frameGeometry().left() > links.frameGeometry().right() && h.y() == links.y());
        // Opened from another window while still shown: beside that one, at its left.
        rechts.zeigen();
        h.zeigen();
        QVERIFY(h.frameGeometry().right() < rechts.frameGeometry().left() && h.y() == rechts.y());
        QVERIFY(platz.contains(h.frameGeometry()));
    }
    void infofensterBringtHauptfensterZurueck_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::newRow("O k a y") << "Bezeichnung1";
        QTest::newRow("Bild") << "Bild1";
    }
    void infofensterBringtHauptfensterZurueck()
    {
        QFETCH(QString, weg);
        Testprogramm t;
        Form1 &f = t.f1();
        const QString wort = t.m().Loesungswort, anzeige = f.Bezeichnung1->Caption();
        t.m().Eingabe = wort.left(1);
        const QPoint ort = f.pos();
        QTest::mouseClick(f.Bild16, Qt::LeftButton);
        TPOLABEL &i = t.programm->tpolabel();
        QVERIFY(f.isHidden() && i.isVisible() && t.programm->aktivesFenster() == &i);
        QTest::mouseClick(i.findChild<QWidget *>(weg), Qt::LeftButton);
        QVERIFY(i.isHidden() && f.isVisible() && t.programm->aktivesFenster() == &f && f.pos() == ort);
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe, f.Bezeichnung1->Caption()}),
                 (QStringList{wort, wort.left(1), anzeige}));
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void fehlerklassen_data()
    {
        QTest::addColumn<Klasse>("k");
        QTest::newRow("klein statt groß") << Klasse{"Haus", 1, "H", "h", Fehlerklasse::GrossKlein};
        QTest::newRow("großer Umlaut klein") << Klasse{u("Ähre"), 1, u("Ä"), u("ä"), Fehlerklasse::GrossKlein};
        QTest::newRow("a statt ä") << Klasse{u("Bär"), 2, u("ä"), "a", Fehlerklasse::Umlaut};
        QTest::newRow("ö statt o") << Klasse{"Hose", 2, "o", u("ö"), Fehlerklasse::Umlaut};
        QTest::newRow("u statt Ü") << Klasse{u("Übung"), 1, u("Ü"), "u", Fehlerklasse::Umlaut};
        QTest::newRow("s statt ß") << Klasse{u("Straße"), 5, u("ß"), "s", Fehlerklasse::Eszett};
        QTest::newRow("ß statt s") << Klasse{"Haus", 4, "s", u("ß"), Fehlerklasse::Eszett};
        QTest::newRow("b statt d") << Klasse{"oder", 2, "d", "b", Fehlerklasse::Spiegel};
        QTest::newRow("q statt p") << Klasse{"Puppe", 3, "p", "q", Fehlerklasse::Spiegel};
        QTest::newRow("B statt D ist keiner") << Klasse{"Dose", 1, "D", "B", Fehlerklasse::Andere};
        QTest::newRow("Doppel-t vergessen") << Klasse{"Mutter", 4, "t", "e", Fehlerklasse::DoppeltFehlt};
        QTest::newRow("s verdoppelt") << Klasse{"Hase", 4, "e", "s", Fehlerklasse::DoppeltZuviel};
        QTest::newRow("i statt ie") << Klasse{"Biene", 3, "e", "n", Fehlerklasse::IeI};
        QTest::newRow("ie statt i") << Klasse{"Tiger", 3, "g", "e", Fehlerklasse::IeI};
        QTest::newRow("Vokal nach Vokal") << Klasse{"Haus", 3, "u", "o", Fehlerklasse::Andere};
        QTest::newRow("F statt V am Anfang") << Klasse{"Vogel", 1, "V", "F", Fehlerklasse::Andere};
    }
    void fehlerklassen()
    {
        QFETCH(Klasse, k);
        QCOMPARE(Bericht::klassifizieren(k.wort, k.stelle, k.soll, k.ist), k.klasse);
    }

    void protokollzeile_data()
    {
        QTest::addColumn<Zeile>("z");
        QTest::newRow("Komma im Namen")
            << Zeile{true, u("Müller, Hans"), u("Bär"), "2026-12-06 09:15:02;Fehler;M\xfcller, Hans;13;Schreiben;B\xe4r;2;H;h\r\n",
                     u("Müller, Hans"), u("Bär")};
        QTest::newRow("Semikolon und Anführungszeichen")
            << Zeile{false, u("Anna \"Nini\"; B."), u("Straße"),
                     "2026-12-06 09:15:02;Wort;\"Anna \"\"Nini\"\"; B.\";13;Schreiben;Stra\xdf" "e\r\n", u("Anna \"Nini\"; B."),
                     u("Straße")};
        QTest::newRow("nicht in Windows-1252")
            << Zeile{true, u("Łucja"), u("Łódź"), "2026-12-06 09:15:02;Fehler;?ucja;13;Schreiben;?\xf3" "d?;2;H;h\r\n", "?ucja",
                     u("?ód?")};
        QTest::newRow("Zeichen außerhalb der Grundebene")
            << Zeile{false, u("Tom 🐯"), "Tiger", "2026-12-06 09:15:02;Wort;Tom ?;13;Schreiben;Tiger\r\n", "Tom ?", "Tiger"};
        QTest::newRow("Tabulator im Namen")
            << Zeile{false, "Ina\tB", "Igel", "2026-12-06 09:15:02;Wort;Ina B;13;Schreiben;Igel\r\n", "Ina B", "Igel"};
    }
    void protokollzeile()
    {
        QFETCH(Zeile, z);
        Protokoll::Eintrag e = z.fehler ? eintrag(z.name, z.wort, kJetzt.date(), 2, "H", "h") : eintrag(z.name, z.wort);
        QCOMPARE(Protokoll::zeile(e), z.bytes);
        const QList<Protokoll::Eintrag> zurueck = Protokoll::einlesen(z.bytes);
        e.name = z.nameZurueck;
        e.wort = z.wortZurueck;
        QVERIFY(zurueck.size() == 1 && zurueck.first() == e);
    }

    void unlesbareZeilen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("woerter");
        const QByteArray a = "2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n";
        const QByteArray b = "2026-12-06 09:01:00;Fehler;Anna;13;Lesen;Birne;1;B;b\r\n";
        const QStringList birne{"Birne"}, beide{"Apfel", "Birne"};
        QTest::newRow("Kopfzeile und zwei Zeilen") << "Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n" + a + b << beide;
        QTest::newRow("abgeschnittene letzte Zeile") << a + b.left(40) << QStringList{"Apfel"};
        QTest::newRow("fremde Zeile") << "Hallo Welt\r\n" + a + "1;2;3;4;5;6\r\n" + b << beide;
        QTest::newRow("unmöglicher Tag") << "2026-13-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n" + b << birne;
        QTest::newRow("unbekannte Art") << "2026-12-06 09:00:00;Lob;Anna;13;Schreiben;Apfel\r\n" + b << birne;
        QTest::newRow("Übung 29") << "2026-12-06 09:00:00;Wort;Anna;29;Schreiben;Apfel\r\n" + b << birne;
        QTest::newRow("Fehler ohne Buchstaben") << a + "2026-12-06 09:01:00;Fehler;Anna;13;Lesen;Birne\r\n" << QStringList{"Apfel"};
        QTest::newRow("offenes Anführungszeichen") << "2026-12-06 09:00:00;Wort;\"Anna;13;Schreiben;Apfel\r\n" + b << birne;
        QTest::newRow("nur LF") << QByteArray("2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\n") << QStringList{"Apfel"};
        QTest::newRow("Nullbytes nach Stromausfall") << a + QByteArray(30, '\0') + "\r\n" + b << beide;
    }
    void unlesbareZeilen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, woerter);
        QStringList gelesen;
        for (const Protokoll::Eintrag &e : Protokoll::einlesen(bytes))
            gelesen << e.wort;
        QCOMPARE(gelesen, woerter);
    }

    void anhaengenNachAbgeschnittenerZeile()
    {
        Testprogramm t(1, false);
        t.datei("TIPPOLO.LOG", "2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n2026-12-06 09:0");
        t.programm->protokoll().uhr = [] { return kJetzt; };
        t.programm->protokoll().wortGeloest("Ben", 4, true, "Igel");
        t.programm->protokoll().warten();
        QCOMPARE(t.lesen("TIPPOLO.LOG"), QByteArray("2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n"
                                                   "2026-12-06 09:0\r\n"
                                                   "2026-12-06 09:15:02;Wort;Ben;4;Lesen;Igel\r\n"));
        QVERIFY(Protokoll::einlesen(t.lesen("TIPPOLO.LOG")).size() == 2 && t.programm->protokoll().fehler().isEmpty());
    }

    void zeitraeume_data()
    {
        QTest::addColumn<Bericht::Zeitraum>("zeitraum");
        QTest::addColumn<QList<int>>("zahlen");  // solved, wrong letters, days
        QTest::newRow("heute") << Bericht::Zeitraum::Heute << QList<int>{1, 1, 1};
        QTest::newRow("7 Tage") << Bericht::Zeitraum::SiebenTage << QList<int>{2, 1, 2};
        QTest::newRow("30 Tage") << Bericht::Zeitraum::DreissigTage << QList<int>{3, 2, 3};
        QTest::newRow("alle") << Bericht::Zeitraum::Alle << QList<int>{4, 2, 4};
    }
    void zeitraeume()
    {
        QFETCH(Bericht::Zeitraum, zeitraum);
        QFETCH(QList<int>, zahlen);
        const QDate heute = kJetzt.date();
        const QList<Protokoll::Eintrag> log = {
            eintrag("Anna", "Haus", heute.addDays(-40)), eintrag("Anna", "Maus", heute.addDays(-29)),
            eintrag("Anna", "Maus", heute.addDays(-29), 1, "M", "m"), eintrag("Anna", "Hund", heute.addDays(-6)),
            eintrag("Ben", "Hund"), eintrag("Ben", "Hund", heute, 1, "H", "h"),
            eintrag("Anna", "Katze", heute, 1, "K", "k"), eintrag("Anna", "Katze")};
        const Bericht::Auswertung a = Bericht::auswerten(log, "Anna", zeitraum, heute);
        QCOMPARE((QList<int>{a.geloest, a.fehler, int(a.tage.size())}), zahlen);
        QCOMPARE(Bericht::namen(log), (QStringList{"Anna", "Ben"}));
    }

    void sitzungUndBericht()
    {
        Testprogramm t;
        t.programm->protokoll().uhr = [] { return kJetzt; };
        t.boxen.tippe("Anna");
        t.f1().Bild23_Click();
        // "Mutter" with two wrong letters: a small m and a single t.
        frage(t, "Mutter");
        for (int i = 0; i < 3; ++i)
            t.boxen.ok();
        tippe(t.f1().Bezeichnung2, "mMuteter");
        frage(t, u("Straße"));
        t.boxen.ok();
        tippe(t.f1().Bezeichnung2, u("Straße"));
        QVERIFY(t.m().Loesungen == 2 && t.boxen.offeneAntworten() == 0);
        t.programm->protokoll().warten();
        QCOMPARE(t.lesen("TIPPOLO.LOG"),
                 QByteArray("Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;1;M;m\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;4;t;e\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Mutter\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Stra\xdf" "e\r\n"));

        Berichtfenster &b = berichtOeffnen(t);
        QVERIFY(b.isVisible() && t.programm->form8().isVisible());
        QCOMPARE((QStringList{b.kindWahl->currentText(), b.zeitraumWahl->currentText()}), (QStringList{"Anna", "Letzte 7 Tage"}));
        const QString summe = u("Zeitraum: Letzte 7 Tage (30.11.2026 bis 06.12.2026)\nGelöste Wörter: 2\n"
                                "Geübte Wörter (verschiedene): 2\nFalsche Buchstaben: 2\n"
                                "Falsche Buchstaben je 100 Wörter: 100");
        QCOMPARE(b.zusammenfassung->Caption(), summe);
        QCOMPARE(zeilen(b.verwechslungen), (QStringList{u("M → m|1×"), u("t → e|1×")}));
        QCOMPARE(zeilen(b.klassen), (QStringList{u("Groß- und Kleinschreibung|1"),
                                                 u("Umlaut (ä/a, ö/o, ü/u)|0"), u("ß, ss und s|0"),
                                                 u("Spiegelbuchstaben b, d, p, q|0"), u("Doppelkonsonant vergessen|1"),
                                                 u("Konsonant zu viel verdoppelt|0"), u("ie und i|0"),
                                                 u("Andere Fehler|0")}));
        QCOMPARE(zeilen(b.woerter), QStringList{"Mutter|2"});
        QVERIFY(b.balken->tage().size() == 1 && b.balken->tage().first().fehler == 2);
        QCOMPARE(b.hinweis->Caption(), QString());

        // The words with errors as a list; saving again asks before the file is replaced.
        t.boxen.tippe("FEHLER-ANNA.TXT");
        t.boxen.ok();
        QTest::mouseClick(b.speichernKnopf, Qt::LeftButton);
        pruefeEingabe(t.boxen, t.boxen.anzahl() - 2, u("Name der Datei:"), u("Übungsliste speichern"),
                      u("FEHLER-ANNA.TXT"));
        pruefeBox(t.boxen, u("Die Liste mit 1 Wort wurde gespeichert.\rSie kann mit \"Laden\" geladen werden."),
                  "FEHLER-ANNA.TXT", Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.lesen("FEHLER-ANNA.TXT"), QByteArray("Mutter\r\n"));
        t.boxen.tippe("FEHLER-ANNA.TXT");
        t.boxen.nein();
        b.speichernKnopf_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), "FEHLER-ANNA.TXT");

        // Printed through the program's canvas, every line.
        QList<Druckzeile> gedruckt;
        t.programm->druckflaeche = [&gedruckt] { return std::make_unique<DruckAufzeichnung>(gedruckt); };
        t.boxen.ok();
        b.druckenKnopf_Click();
        pruefeBox(t.boxen, u("Der Bericht wird gedruckt ..."), u("Bericht drucken"));
        QStringList texte;
        for (const Druckzeile &z : gedruckt)
            texte << z.text;
        QCOMPARE(texte.join('\n'), u("Fehlerbericht für Anna\n \n") + summe +
                                       u("\n \nVerwechselte Buchstaben (erwartet → getippt)\nM → m  1×\nt → e  1×\n \n"
                                         "Fehlerarten\nGroß- und Kleinschreibung: 1\nDoppelkonsonant vergessen: 1\n \n"
                                         "Wörter mit den meisten Fehlern\nMutter: 2\n \nÜbungstage\n"
                                         "06.12.2026: 2 Wörter gelöst, 2 falsche Buchstaben"));
        b.schliessenKnopf_Click();
        QVERIFY(!b.isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &t.programm->form8());
    }

    void kindBleibtGewaehlt()
    {
        Testprogramm t(1, false);
        t.datei("TIPPOLO.LOG", "2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n"
                               "2026-12-06 09:01:00;Wort;Ben;13;Schreiben;Birne\r\n");
        t.start();
        Berichtfenster &b = berichtOeffnen(t);
        QCOMPARE(b.kindWahl->currentText(), u("Anna"));
        // Chosen once, the child stays chosen when the report is opened again.
        b.kindWahl->setCurrentIndex(1);
        b.schliessenKnopf_Click();
        QTest::mouseClick(t.programm->form8().Bild9, Qt::LeftButton);
        QCOMPARE(b.kindWahl->currentText(), u("Ben"));
    }

    void schreibenScheitert_data()
    {
        QTest::addColumn<QString>("grund");  // what stands in the way is the row's name
        QTest::newRow("Ordner") << u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("Verknüpfung") << u("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch "
                                          "Verknüpfungen.");
        QTest::newRow("voll") << u("Auf dem Datenträger ist nicht genug Platz frei.");
        QTest::newRow("schreibgeschützt") << u("Der Datenträger ist schreibgeschützt.");
    }
    void schreibenScheitert()
    {
        QFETCH(QString, grund);
        const QString art = u(QTest::currentDataTag());
        Testprogramm t(1, false);
        std::unique_ptr<EngerRaum> raum;
        if (art == u("voll") || art == u("schreibgeschützt")) {
            QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(u("No mount namespace of our own: ") + m_ohneMounts));
            raum = std::make_unique<EngerRaum>(t.ordner.path());
            QVERIFY(raum->eingehaengt());
        }
        const QString log = t.programm->datei("TIPPOLO.LOG");
        if (art == u("Ordner"))
            QVERIFY(QDir().mkdir(log));
        else if (art == u("Verknüpfung"))
            QVERIFY(QFile::link(t.programm->datei("ANDERS.LOG"), log));
        t.start();
        if (raum)
            QVERIFY(art == u("voll") ? raum->fuellen() : raum->nurLesbar());

        // The child practises on: the wrong letter is shown and counted, the word solved.
        frage(t, "Ei");
        t.boxen.ok();
        t.boxen.ok();
        tippe(t.f1().Bezeichnung2, "eEi");
        QCOMPARE((QList<int>{t.m().Fehler, t.m().Loesungen, t.boxen.anzahl()}), (QList<int>{1, 1, 2}));
        QCOMPARE(t.boxen.protokoll().first().titel, u("Eingabefehler"));

        Berichtfenster &b = berichtOeffnen(t);
        QCOMPARE(b.hinweis->Caption(), u("Die Datei \"TIPPOLO.LOG\" kann nicht geschrieben werden: ") + grund +
                                           u(" Die Übungen seit dem Start fehlen im Bericht. "
                                             "Es sind noch keine Übungen aufgezeichnet."));
        QVERIFY(b.kindWahl->count() == 0 && b.verwechslungen->rowCount() == 0 && !b.speichernKnopf->isEnabled());
        QVERIFY(!QFile::exists(t.programm->datei("ANDERS.LOG")));
    }

public:
    explicit TestInfo(const QString &ohneMounts) : m_ohneMounts(ohneMounts) {}

private:
    QString m_ohneMounts;
};

int main(int argc, char **argv)
{
    // Before Qt starts any thread.
    const QString ohneMounts = EngerRaum::eigeneMounts();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestInfo test(ohneMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_info.moc"
