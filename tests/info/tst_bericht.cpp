// The practice log and the teacher's report: error classes, the log lines,
// a scripted session with its report, saved list and printout, and a log that
// cannot be written.
#include "support/EngerRaum.h"
#include "support/Testprogramm.h"

#include "info/Bericht.h"
#include "info/Berichtfenster.h"
#include "info/Protokoll.h"
#include "lists/Form8.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTest>

#include <memory>

using Bericht::Fehlerklasse;
Q_DECLARE_METATYPE(Bericht::Fehlerklasse)
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
    Form8 &e = t.programm->form8();
    QTest::mouseClick(e.Bild9, Qt::LeftButton);
    return t.programm->berichtfenster();
}

Protokoll::Eintrag fehler(const QString &name, const QString &wort, int stelle, const QString &soll,
                          const QString &ist, const QDate &tag = kJetzt.date())
{
    Protokoll::Eintrag e;
    e.datum = tag;
    e.zeit = QTime(8, 0);
    e.art = Protokoll::Art::Fehler;
    e.name = name;
    e.uebung = 13;
    e.wort = wort;
    e.stelle = stelle;
    e.soll = soll;
    e.ist = ist;
    return e;
}

Protokoll::Eintrag geloest(const QString &name, const QString &wort, const QDate &tag = kJetzt.date())
{
    Protokoll::Eintrag e;
    e.datum = tag;
    e.zeit = QTime(8, 1);
    e.name = name;
    e.uebung = 13;
    e.wort = wort;
    return e;
}

} // namespace

class TestBericht : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fehlerklassen_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("stelle");
        QTest::addColumn<QString>("soll");
        QTest::addColumn<QString>("ist");
        QTest::addColumn<Fehlerklasse>("klasse");
        QTest::newRow("klein statt groß") << "Haus" << 1 << "H" << "h" << Fehlerklasse::GrossKlein;
        QTest::newRow("groß statt klein") << "laufen" << 3 << "u" << "U" << Fehlerklasse::GrossKlein;
        QTest::newRow("großer Umlaut klein") << u("Ähre") << 1 << u("Ä") << u("ä") << Fehlerklasse::GrossKlein;
        QTest::newRow("a statt ä") << u("Bär") << 2 << u("ä") << "a" << Fehlerklasse::Umlaut;
        QTest::newRow("ö statt o") << "Hose" << 2 << "o" << u("ö") << Fehlerklasse::Umlaut;
        QTest::newRow("u statt Ü") << u("Übung") << 1 << u("Ü") << "u" << Fehlerklasse::Umlaut;
        QTest::newRow("s statt ß") << u("Straße") << 5 << u("ß") << "s" << Fehlerklasse::Eszett;
        QTest::newRow("ß statt s") << "Haus" << 4 << "s" << u("ß") << Fehlerklasse::Eszett;
        QTest::newRow("ß statt ss") << "Wasser" << 4 << "s" << u("ß") << Fehlerklasse::Eszett;
        QTest::newRow("b statt d") << "oder" << 2 << "d" << "b" << Fehlerklasse::Spiegel;
        QTest::newRow("q statt p") << "Puppe" << 3 << "p" << "q" << Fehlerklasse::Spiegel;
        QTest::newRow("d statt b im Doppel") << "Ebbe" << 3 << "b" << "d" << Fehlerklasse::Spiegel;
        QTest::newRow("B statt D ist keiner") << "Dose" << 1 << "D" << "B" << Fehlerklasse::Andere;
        QTest::newRow("Doppel-t vergessen") << "Mutter" << 4 << "t" << "e" << Fehlerklasse::DoppeltFehlt;
        QTest::newRow("Doppel-n vergessen") << "Sonne" << 4 << "n" << "e" << Fehlerklasse::DoppeltFehlt;
        QTest::newRow("m verdoppelt") << "Kamel" << 4 << "e" << "m" << Fehlerklasse::DoppeltZuviel;
        QTest::newRow("s verdoppelt") << "Hase" << 4 << "e" << "s" << Fehlerklasse::DoppeltZuviel;
        QTest::newRow("i statt ie") << "Biene" << 3 << "e" << "n" << Fehlerklasse::IeI;
        QTest::newRow("ie statt i") << "Tiger" << 3 << "g" << "e" << Fehlerklasse::IeI;
        QTest::newRow("Vokal nach Vokal") << "Haus" << 3 << "u" << "o" << Fehlerklasse::Andere;
        QTest::newRow("F statt V am Anfang") << "Vogel" << 1 << "V" << "F" << Fehlerklasse::Andere;
    }
    void fehlerklassen()
    {
        QFETCH(QString, wort);
        QFETCH(int, stelle);
        QFETCH(QString, soll);
        QFETCH(QString, ist);
        QFETCH(Fehlerklasse, klasse);
        QCOMPARE(Bericht::klassifizieren(wort, stelle, soll, ist), klasse);
    }

    void protokollzeile_data()
    {
        QTest::addColumn<bool>("istFehler");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("nameZurueck");
        QTest::addColumn<QString>("wortZurueck");
        QTest::newRow("Fehler") << true << "Anna" << "Haus"
                                << QByteArray("2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Haus;2;H;h\r\n") << "Anna"
                                << "Haus";
        QTest::newRow("Komma im Namen") << true << u("Müller, Hans") << u("Bär")
                                        << QByteArray("2026-12-06 09:15:02;Fehler;M\xfcller, Hans;13;Schreiben;B\xe4r;2;H;h\r\n")
                                        << u("Müller, Hans") << u("Bär");
        QTest::newRow("Semikolon und Anführungszeichen")
            << false << u("Anna \"Nini\"; B.") << u("Straße")
            << QByteArray("2026-12-06 09:15:02;Wort;\"Anna \"\"Nini\"\"; B.\";13;Schreiben;Stra\xdf" "e\r\n")
            << u("Anna \"Nini\"; B.") << u("Straße");
        QTest::newRow("nicht in Windows-1252") << true << u("Łucja") << u("Łódź")
                                               << QByteArray("2026-12-06 09:15:02;Fehler;?ucja;13;Schreiben;?\xf3" "d?;2;H;h\r\n")
                                               << "?ucja" << u("?ód?");
        QTest::newRow("Zeichen außerhalb der Grundebene") << false << u("Tom 🐯") << "Tiger"
                                                         << QByteArray("2026-12-06 09:15:02;Wort;Tom ?;13;Schreiben;Tiger\r\n")
                                                         << "Tom ?" << "Tiger";
        QTest::newRow("Tabulator im Namen") << false << "Ina\tB" << "Igel"
                                            << QByteArray("2026-12-06 09:15:02;Wort;Ina B;13;Schreiben;Igel\r\n")
                                            << "Ina B" << "Igel";
    }
    void protokollzeile()
    {
        QFETCH(bool, istFehler);
        QFETCH(QString, name);
        QFETCH(QString, wort);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, nameZurueck);
        QFETCH(QString, wortZurueck);
        Protokoll::Eintrag e = istFehler ? fehler(name, wort, 2, "H", "h") : geloest(name, wort);
        e.zeit = kJetzt.time();
        QCOMPARE(Protokoll::zeile(e), bytes);
        const QList<Protokoll::Eintrag> zurueck = Protokoll::einlesen(bytes);
        QCOMPARE(zurueck.size(), 1);
        e.name = nameZurueck;
        e.wort = wortZurueck;
        QVERIFY(zurueck.first() == e);
    }

    void unlesbareZeilen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("woerter");
        const QByteArray a = "2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n";
        const QByteArray b = "2026-12-06 09:01:00;Fehler;Anna;13;Lesen;Birne;1;B;b\r\n";
        QTest::newRow("Kopfzeile und zwei Zeilen") << "Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n" + a + b
                                                   << QStringList{"Apfel", "Birne"};
        QTest::newRow("abgeschnittene letzte Zeile") << a + b.left(40) << QStringList{"Apfel"};
        QTest::newRow("fremde Zeile") << "Hallo Welt\r\n" + a + "1;2;3;4;5;6\r\n" + b << QStringList{"Apfel", "Birne"};
        QTest::newRow("unmöglicher Tag") << "2026-13-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\r\n" + b
                                         << QStringList{"Birne"};
        QTest::newRow("unbekannte Art") << "2026-12-06 09:00:00;Lob;Anna;13;Schreiben;Apfel\r\n" + b
                                        << QStringList{"Birne"};
        QTest::newRow("Übung 29") << "2026-12-06 09:00:00;Wort;Anna;29;Schreiben;Apfel\r\n" + b << QStringList{"Birne"};
        QTest::newRow("Fehler ohne Buchstaben") << a + "2026-12-06 09:01:00;Fehler;Anna;13;Lesen;Birne\r\n"
                                                << QStringList{"Apfel"};
        QTest::newRow("offenes Anführungszeichen") << "2026-12-06 09:00:00;Wort;\"Anna;13;Schreiben;Apfel\r\n" + b
                                                   << QStringList{"Birne"};
        QTest::newRow("nur LF") << QByteArray("2026-12-06 09:00:00;Wort;Anna;13;Schreiben;Apfel\n") << QStringList{"Apfel"};
        QTest::newRow("Nullbytes nach Stromausfall") << a + QByteArray(30, '\0') + "\r\n" + b
                                                     << QStringList{"Apfel", "Birne"};
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
        QCOMPARE(Protokoll::einlesen(t.lesen("TIPPOLO.LOG")).size(), 2);
        QVERIFY(t.programm->protokoll().fehler().isEmpty());
    }

    void zeitraeume_data()
    {
        QTest::addColumn<Bericht::Zeitraum>("zeitraum");
        QTest::addColumn<int>("geloest");
        QTest::addColumn<int>("fehlerzahl");
        QTest::addColumn<int>("tage");
        QTest::newRow("heute") << Bericht::Zeitraum::Heute << 1 << 1 << 1;
        QTest::newRow("7 Tage") << Bericht::Zeitraum::SiebenTage << 2 << 1 << 2;
        QTest::newRow("30 Tage") << Bericht::Zeitraum::DreissigTage << 3 << 2 << 3;
        QTest::newRow("alle") << Bericht::Zeitraum::Alle << 4 << 2 << 4;
    }
    void zeitraeume()
    {
        QFETCH(Bericht::Zeitraum, zeitraum);
        QFETCH(int, geloest);
        QFETCH(int, fehlerzahl);
        QFETCH(int, tage);
        const QDate heute = kJetzt.date();
        const QList<Protokoll::Eintrag> log = {
            ::geloest("Anna", "Haus", heute.addDays(-40)), ::geloest("Anna", "Maus", heute.addDays(-29)),
            fehler("Anna", "Maus", 1, "M", "m", heute.addDays(-29)), ::geloest("Anna", "Hund", heute.addDays(-6)),
            ::geloest("Ben", "Hund", heute), fehler("Ben", "Hund", 1, "H", "h", heute),
            fehler("Anna", "Katze", 1, "K", "k", heute), ::geloest("Anna", "Katze", heute)};
        const Bericht::Auswertung a = Bericht::auswerten(log, "Anna", zeitraum, heute);
        QCOMPARE(a.geloest, geloest);
        QCOMPARE(a.fehler, fehlerzahl);
        QCOMPARE(a.tage.size(), tage);
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
        QCOMPARE(t.m().Fehler, 2);
        frage(t, u("Straße"));
        t.boxen.ok();
        tippe(t.f1().Bezeichnung2, u("Straße"));
        QCOMPARE(t.m().Loesungen, 2);
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        t.programm->protokoll().warten();
        QCOMPARE(t.lesen("TIPPOLO.LOG"),
                 QByteArray("Zeit;Art;Name;\xdc" "bung;Modus;Wort;Stelle;Soll;Ist\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;1;M;m\r\n"
                            "2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Mutter;4;t;e\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Mutter\r\n"
                            "2026-12-06 09:15:02;Wort;Anna;13;Schreiben;Stra\xdf" "e\r\n"));

        Berichtfenster &b = berichtOeffnen(t);
        QCOMPARE(t.programm->form8().Bild9->Picture(), u(":/icons/bericht.svg"));
        QCOMPARE(t.programm->form8().Bild9->toolTip(), u("Fehlerbericht"));
        QVERIFY(b.isVisible());
        QVERIFY(t.programm->form8().isVisible());
        QCOMPARE(b.windowTitle(), u("Tippolo: Fehlerbericht"));
        QCOMPARE(b.kindWahl->currentText(), u("Anna"));
        QCOMPARE(b.zeitraumWahl->currentText(), u("Letzte 7 Tage"));
        QCOMPARE(b.zusammenfassung->Caption(), u("Zeitraum: Letzte 7 Tage (30.11.2026 bis 06.12.2026)\n"
                                                 "Gelöste Wörter: 2\n"
                                                 "Geübte Wörter (verschiedene): 2\n"
                                                 "Falsche Buchstaben: 2\n"
                                                 "Falsche Buchstaben je 100 Wörter: 100"));
        QCOMPARE(zeilen(b.verwechslungen), (QStringList{u("M → m|1×"), u("t → e|1×")}));
        QCOMPARE(zeilen(b.klassen), (QStringList{u("Groß- und Kleinschreibung|1"),
                                                 u("Umlaut (ä/a, ö/o, ü/u)|0"), u("ß, ss und s|0"),
                                                 u("Spiegelbuchstaben b, d, p, q|0"), u("Doppelkonsonant vergessen|1"),
                                                 u("Konsonant zu viel verdoppelt|0"), u("ie und i|0"),
                                                 u("Andere Fehler|0")}));
        QCOMPARE(zeilen(b.woerter), QStringList{"Mutter|2"});
        QCOMPARE(b.balken->tage().size(), 1);
        QCOMPARE(b.balken->tage().first().fehler, 2);
        QCOMPARE(b.hinweis->Caption(), QString());

        // The words with errors as a list, loaded like any list.
        t.boxen.tippe("FEHLER-ANNA.TXT");
        t.boxen.ok();
        QTest::mouseClick(b.speichernKnopf, Qt::LeftButton);
        pruefeEingabe(t.boxen, t.boxen.anzahl() - 2, u("Name der Datei:"), u("Übungsliste speichern"),
                      u("FEHLER-ANNA.TXT"));
        pruefeBox(t.boxen, u("Die Liste mit 1 Wort wurde gespeichert.\rSie kann mit \"Laden\" geladen werden."),
                  "FEHLER-ANNA.TXT", Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.lesen("FEHLER-ANNA.TXT"), QByteArray("Mutter\r\n"));
        // Saving again asks before the file is replaced.
        t.boxen.tippe("FEHLER-ANNA.TXT");
        t.boxen.nein();
        b.speichernKnopf_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), "FEHLER-ANNA.TXT");

        // Printed through the program's canvas.
        QList<Druckzeile> gedruckt;
        t.programm->druckflaeche = [&gedruckt] { return std::make_unique<DruckAufzeichnung>(gedruckt); };
        t.boxen.ok();
        b.druckenKnopf_Click();
        pruefeBox(t.boxen, u("Der Bericht wird gedruckt ..."), u("Bericht drucken"));
        QStringList texte;
        for (const Druckzeile &z : gedruckt)
            texte << z.text;
        QCOMPARE(texte.first(), u("Fehlerbericht für Anna"));
        for (const char *zeile : {"M → m  1×", "t → e  1×", "Groß- und Kleinschreibung: 1", "Doppelkonsonant vergessen: 1",
                                  "Mutter: 2", "06.12.2026: 2 Wörter gelöst, 2 falsche Buchstaben",
                                  "Falsche Buchstaben je 100 Wörter: 100"})
            QVERIFY2(texte.contains(u(zeile)), zeile);
        QVERIFY(!texte.contains(u("ie und i: 0")));

        b.schliessenKnopf_Click();
        QVERIFY(!b.isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &t.programm->form8());
        t.programm->form8().Bild1_Click();
        t.f1().Datei1->Refresh();
        t.f1().Datei1->setListIndex(static_cast<int>(t.f1().Datei1->eintraege().indexOf("FEHLER-ANNA.TXT")));
        QCOMPARE(t.f1().Liste1->eintraege(), QStringList{"Mutter"});
    }

    void schreibenScheitert_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Ordner") << "Ordner" << u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("Verknüpfung") << "Verknüpfung"
                                     << u("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch "
                                          "Verknüpfungen.");
        QTest::newRow("voll") << "voll" << u("Auf dem Datenträger ist nicht genug Platz frei.");
        QTest::newRow("schreibgeschützt") << "schreibgeschützt" << u("Der Datenträger ist schreibgeschützt.");
    }
    void schreibenScheitert()
    {
        QFETCH(QString, art);
        QFETCH(QString, grund);
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
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(t.m().Loesungen, 1);
        QCOMPARE(t.boxen.anzahl(), 2);
        QCOMPARE(t.boxen.protokoll().first().titel, u("Eingabefehler"));

        Berichtfenster &b = berichtOeffnen(t);
        QCOMPARE(b.hinweis->Caption(), u("Die Datei \"TIPPOLO.LOG\" kann nicht geschrieben werden: ") + grund +
                                           u(" Die Übungen seit dem Start fehlen im Bericht. "
                                             "Es sind noch keine Übungen aufgezeichnet."));
        QCOMPARE(b.kindWahl->count(), 0);
        QCOMPARE(b.verwechslungen->rowCount(), 0);
        QVERIFY(!b.speichernKnopf->isEnabled());
        QVERIFY(!QFile::exists(t.programm->datei("ANDERS.LOG")));
    }

public:
    explicit TestBericht(const QString &ohneMounts) : m_ohneMounts(ohneMounts) {}

private:
    QString m_ohneMounts;
};

int main(int argc, char **argv)
{
    // Before Qt starts any thread.
    const QString ohneMounts = EngerRaum::eigeneMounts();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestBericht test(ohneMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bericht.moc"
