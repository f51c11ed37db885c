#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Druckflaeche.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

/// Printing the word list as a worksheet, on the recording canvas and as PDF.

static void aufzeichnen(Testprogramm &t, QList<Druckzeile> &zeilen)
{
    t.programm->druckflaeche = [&zeilen] { return std::make_unique<DruckAufzeichnung>(zeilen); };
}

/// Gives the display and mirror fonts recognisable names and records the printout.
static void vorbereiten(Testprogramm &t, QList<Druckzeile> &zeilen)
{
    t.programm->form8().Bezeichnung9->setFontName(u("Anzeige"));
    t.programm->form8().Bezeichnung14->setFontName(u("Spiegel"));
    aufzeichnen(t, zeilen);
}

/// Prints: yes to the question, OK to the message that follows.
static void drucken(Testprogramm &t)
{
    t.boxen.ja();
    t.boxen.ok();
    t.f1().Bild14_Click();
}

/// The text of a PDF file; a null string if pdftotext is not installed.
static QString pdfText(const QString &pfad)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        return QString();
    QProcess p;
    p.start(pdftotext, {pfad, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

static int pdfSeiten(const QByteArray &pdf)
{
    // Every page object carries "/Type /Page", the page tree "/Type /Pages".
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

class TestDrucken : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void abgelehnt()
    {
        Testprogramm t;
        QList<Druckzeile> zeilen;
        aufzeichnen(t, zeilen);
        const QString wort = t.m().Loesungswort;
        t.boxen.nein();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeFrage(t.boxen, u("Die akutelle Wortliste ausdrucken?"), u("Drucken:  Großschrift"));
        QVERIFY(zeilen.isEmpty());
        QCOMPARE(t.m().Loesungswort, wort);
    }
    void standardlisteGrossschrift()
    {
        Testprogramm t;
        QList<Druckzeile> zeilen;
        vorbereiten(t, zeilen);
        t.m().Eingabe = t.m().Loesungswort.left(1);
        const QString anzeige = t.f1().Bezeichnung1->Caption();
        drucken(t);
        QCOMPARE(zeilen.size(), 61);
        const QString striche(30, QLatin1Char('_'));
        QCOMPARE(zeilen.at(0).text, u(" "));
        QCOMPARE(zeilen.at(0).spalte, 1);
        const QStringList woerter = t.f1().Liste1->eintraege();
        for (int i = 0; i < 20; ++i) {
            const Druckzeile &leer = zeilen.at(1 + 3 * i), &wort = zeilen.at(2 + 3 * i), &linie = zeilen.at(3 + 3 * i);
            QCOMPARE(leer.text, u(" "));
            QCOMPARE(leer.spalte, 1);
            QCOMPARE(wort.spalte, 5);
            QCOMPARE(linie.text, striche);
            QCOMPARE(linie.spalte, 50);
            for (const Druckzeile *z : {&leer, &wort, &linie}) {
                QCOMPARE(z->schrift, u("Anzeige"));
                QCOMPARE(z->punkte, 16.0);
            }
        }
        QCOMPARE(zeilen.at(2).text, u("AUTOBAHN"));
        QCOMPARE(zeilen.at(5).text, u("COMPUTER"));
        QCOMPARE(zeilen.at(2 + 3 * woerter.indexOf("groß")).text, u("GROß"));
        QCOMPARE(zeilen.at(2 + 3 * woerter.indexOf("Ötzi")).text, u("ÖTZI"));
        pruefeBox(t.boxen, u("Die Daten werden gedruckt ..."), u("Drucken:  Großschrift"));
        QCOMPARE(t.m().Loesungswort, QString());
        QCOMPARE(t.m().Eingabe, QString());
        QCOMPARE(t.m().Anzeigetext, u("VERLIEREN"));
        QCOMPARE(t.f1().Bezeichnung1->Caption(), anzeige);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QVERIFY(t.f1().cursor().shape() != Qt::WaitCursor);
    }
    void spiegelschrift()
    {
        Testprogramm t;
        QList<Druckzeile> zeilen;
        vorbereiten(t, zeilen);
        t.f1().Befehl12_Click();
        drucken(t);
        QCOMPARE(t.boxen.protokoll().first().titel, u("Drucken:  Spiegel"));
        QCOMPARE(zeilen.size(), 61);
        QCOMPARE(zeilen.at(0).schrift, u("Anzeige"));
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(zeilen.at(1 + 3 * i).schrift, u("Spiegel"));
            QCOMPARE(zeilen.at(2 + 3 * i).schrift, u("Spiegel"));
            QCOMPARE(zeilen.at(2 + 3 * i).punkte, 16.0);
            QCOMPARE(zeilen.at(3 + 3 * i).schrift, u("Anzeige"));
        }
        QVERIFY(!zeilen.at(2).text.trimmed().isEmpty());
    }
    void leereListe()
    {
        Testprogramm t(1, false);
        t.datei("LEER.TXT", "\r\n");
        t.boxen.ok();  // the skipped empty line is told after loading
        t.start();
        QList<Druckzeile> zeilen;
        aufzeichnen(t, zeilen);
        drucken(t);
        QCOMPARE(zeilen.size(), 1);
        QCOMPARE(zeilen.at(0).text, u(" "));
    }
    void hundertzwanzigWoerterAufMehrerenSeiten()
    {
        Testprogramm t(1, false);
        QByteArray liste;
        for (int i = 0; i < 120; ++i)
            liste += "Wort" + QByteArray::number(1000 + i) + "\r\n";
        t.datei("LISTE.TXT", liste);
        t.start();
        const QString pfad = t.programm->datei("seiten.pdf");
        t.programm->druckflaeche = [pfad] { return Druckflaeche::pdfDatei(pfad); };
        drucken(t);
        pruefeBox(t.boxen, u("Die Daten werden gedruckt ..."), u("Drucken:  Großschrift"));
        const QByteArray pdf = dateiLesen(pfad);
        QVERIFY(pdf.startsWith("%PDF"));
        // 361 lines of 16 points do not fit on fewer than eight A4 pages.
        QVERIFY2(pdfSeiten(pdf) >= 8, QByteArray::number(pdfSeiten(pdf)).constData());
        const QString text = pdfText(pfad);
        if (text.isNull())
            QSKIP("pdftotext is not installed.");
        for (int i = 0; i < 120; ++i)
            QVERIFY2(text.contains(u("WORT%1").arg(1000 + i)), qPrintable(QString::number(i)));
    }
    void ohneDruckerAlsPdf()
    {
        Testprogramm t;
        t.programm->druckflaeche = [] { return std::unique_ptr<Druckflaeche>(); };
        const QString wort = t.m().Loesungswort, pfad = t.programm->datei("TIPPOLO.PDF");
        // The PDF declined: nothing written, the task stays.
        t.boxen.ja();
        t.boxen.nein();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 2);
        QVERIFY(!QFile::exists(pfad));
        QCOMPARE(t.m().Loesungswort, wort);
        t.boxen.ja();
        drucken(t);
        QCOMPARE(t.boxen.anzahl(), 5);
        pruefeFrage(t.boxen, u("Es ist kein Drucker eingerichtet.\rSoll das Arbeitsblatt stattdessen als PDF-Datei "
                               "\"TIPPOLO.PDF\" im Arbeitsordner gespeichert werden?\r"), u("Drucken:  Großschrift"), 3);
        pruefeBox(t.boxen, u("Das Arbeitsblatt wurde als PDF-Datei gespeichert:\r%1\r").arg(QDir::toNativeSeparators(pfad)),
                  u("Drucken:  Großschrift"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.m().Loesungswort, QString());
        QVERIFY(dateiLesen(pfad).startsWith("%PDF"));
        const QString text = pdfText(pfad);
        if (text.isNull())
            QSKIP("pdftotext is not installed.");
        for (const char *w : {"AUTOBAHN", "GEBURTSTAGSFEIER", "ÖTZI", "GROß", "______________________________"})
            QVERIFY2(text.contains(QString::fromUtf8(w)), w);
    }
    void druckerNichtBereit()
    {
        // A canvas that cannot start prints nothing and changes nothing.
        struct Kaputt : DruckAufzeichnung
        {
            using DruckAufzeichnung::DruckAufzeichnung;
            bool beginnen() override
            {
                m_fehler = u("Der Drucker kann nicht angesprochen werden.");
                return false;
            }
        };
        Testprogramm t;
        QList<Druckzeile> zeilen;
        t.programm->druckflaeche = [&zeilen] { return std::make_unique<Kaputt>(zeilen); };
        const QString wort = t.m().Loesungswort;
        drucken(t);
        pruefeBox(t.boxen, u("Der Drucker kann nicht angesprochen werden.\rEs wurde nichts gedruckt."),
                  u("Drucken:  Großschrift"), Knoepfe::OK, Symbol::Stop);
        QVERIFY(zeilen.isEmpty());
        QCOMPARE(t.m().Loesungswort, wort);
    }
    void fehlerBeimAbschliessen()
    {
        Testprogramm t;
        const QString pfad = t.programm->datei("fehlt/blatt.pdf");
        t.programm->druckflaeche = [pfad] { return Druckflaeche::pdfDatei(pfad); };
        drucken(t);
        QCOMPARE(t.boxen.anzahl(), 2);
        QVERIFY(t.boxen.letzte().text.startsWith(u("Die Datei \"blatt.pdf\" konnte nicht gespeichert werden.\r")));
        QVERIFY(t.boxen.letzte().text.endsWith(u("\rDas Arbeitsblatt wurde nicht gedruckt.")));
        QCOMPARE(t.boxen.letzte().symbol, Symbol::Stop);
        QVERIFY(!QFile::exists(pfad));
    }
};

QTEST_MAIN(TestDrucken)
#include "tst_drucken.moc"
