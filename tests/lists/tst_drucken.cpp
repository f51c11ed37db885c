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
        Form8 &e = t.programm->form8();
        e.Bezeichnung9->setFontName(QStringLiteral("Anzeige"));
        e.Bezeichnung14->setFontName(QStringLiteral("Spiegel"));
        QList<Druckzeile> zeilen;
        aufzeichnen(t, zeilen);
        t.m().Eingabe = t.m().Loesungswort.left(1);
        const QString anzeige = t.f1().Bezeichnung1->Caption();
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(zeilen.size(), 61);
        const QString striche(30, QLatin1Char('_'));
        QCOMPARE(zeilen.at(0).text, QStringLiteral(" "));
        QCOMPARE(zeilen.at(0).spalte, 1);
        const QStringList woerter = t.f1().Liste1->eintraege();
        for (int i = 0; i < 20; ++i) {
            const Druckzeile &leer = zeilen.at(1 + 3 * i), &wort = zeilen.at(2 + 3 * i), &linie = zeilen.at(3 + 3 * i);
            QCOMPARE(leer.text, QStringLiteral(" "));
            QCOMPARE(leer.spalte, 1);
            QCOMPARE(wort.spalte, 5);
            QCOMPARE(linie.text, striche);
            QCOMPARE(linie.spalte, 50);
            for (const Druckzeile *z : {&leer, &wort, &linie}) {
                QCOMPARE(z->schrift, QStringLiteral("Anzeige"));
                QCOMPARE(z->punkte, 16.0);
            }
        }
        QCOMPARE(zeilen.at(2).text, QStringLiteral("AUTOBAHN"));
        QCOMPARE(zeilen.at(5).text, QStringLiteral("COMPUTER"));
        QCOMPARE(zeilen.at(2 + 3 * woerter.indexOf("groß")).text, QStringLiteral("GROß"));
        QCOMPARE(zeilen.at(2 + 3 * woerter.indexOf("Ötzi")).text, QStringLiteral("ÖTZI"));
        pruefeBox(t.boxen, u("Die Daten werden gedruckt ..."), u("Drucken:  Großschrift"));
        QCOMPARE(t.m().Loesungswort, QString());
        QCOMPARE(t.m().Eingabe, QString());
        QCOMPARE(t.m().Anzeigetext, QStringLiteral("VERLIEREN"));
        QCOMPARE(t.f1().Bezeichnung1->Caption(), anzeige);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QVERIFY(t.f1().cursor().shape() != Qt::WaitCursor);
    }
    void spiegelschrift()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Bezeichnung9->setFontName(QStringLiteral("Anzeige"));
        e.Bezeichnung14->setFontName(QStringLiteral("Spiegel"));
        t.f1().Befehl12_Click();
        QList<Druckzeile> zeilen;
        aufzeichnen(t, zeilen);
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.protokoll().first().titel, QStringLiteral("Drucken:  Spiegel"));
        QCOMPARE(zeilen.size(), 61);
        QCOMPARE(zeilen.at(0).schrift, QStringLiteral("Anzeige"));
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(zeilen.at(1 + 3 * i).schrift, QStringLiteral("Spiegel"));
            QCOMPARE(zeilen.at(2 + 3 * i).schrift, QStringLiteral("Spiegel"));
            QCOMPARE(zeilen.at(2 + 3 * i).punkte, 16.0);
            QCOMPARE(zeilen.at(3 + 3 * i).schrift, QStringLiteral("Anzeige"));
        }
        QVERIFY(!zeilen.at(2).text.trimmed().isEmpty());
    }
    void leereListe()
    {
        Testprogramm t(1, false);
        t.datei("LEER.TXT", "\r\n");
        t.start();
        QList<Druckzeile> zeilen;
        aufzeichnen(t, zeilen);
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(zeilen.size(), 1);
        QCOMPARE(zeilen.at(0).text, QStringLiteral(" "));
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
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.letzte().text, QStringLiteral("Die Daten werden gedruckt ..."));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        // 361 lines of 16 points do not fit on fewer than eight A4 pages.
        QVERIFY2(pdfSeiten(pdf) >= 8, QByteArray::number(pdfSeiten(pdf)).constData());
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed.");
        QProcess p;
        p.start(pdftotext, {pfad, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (int i = 0; i < 120; ++i)
            QVERIFY2(text.contains(QStringLiteral("WORT%1").arg(1000 + i)), qPrintable(QString::number(i)));
    }
    void ohneDruckerAlsPdf()
    {
        Testprogramm t;
        t.programm->druckflaeche = [] { return std::unique_ptr<Druckflaeche>(); };
        t.boxen.ja();
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 3);
        pruefeFrage(t.boxen, u("Es ist kein Drucker eingerichtet.\rSoll das Arbeitsblatt stattdessen als PDF-Datei "
                               "\"TIPPOLO.PDF\" im Arbeitsordner gespeichert werden?\r"), u("Drucken:  Großschrift"), 1);
        const QString pfad = t.programm->datei("TIPPOLO.PDF");
        pruefeBox(t.boxen, u("Das Arbeitsblatt wurde als PDF-Datei gespeichert:\r%1\r").arg(QDir::toNativeSeparators(pfad)),
                  u("Drucken:  Großschrift"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.m().Loesungswort, QString());
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("%PDF"));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed.");
        QProcess p;
        p.start(pdftotext, {pfad, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        for (const char *w : {"AUTOBAHN", "GEBURTSTAGSFEIER", "ÖTZI", "GROß", "______________________________"})
            QVERIFY2(text.contains(QString::fromUtf8(w)), w);
    }
    void ohneDruckerAbgelehnt()
    {
        Testprogramm t;
        t.programm->druckflaeche = [] { return std::unique_ptr<Druckflaeche>(); };
        const QString wort = t.m().Loesungswort;
        t.boxen.ja();
        t.boxen.nein();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 2);
        QVERIFY(!QFile::exists(t.programm->datei("TIPPOLO.PDF")));
        QCOMPARE(t.m().Loesungswort, wort);
    }
    void druckerNichtBereit()
    {
        // A canvas that cannot start prints nothing and changes nothing.
        struct Kaputt : DruckAufzeichnung
        {
            using DruckAufzeichnung::DruckAufzeichnung;
            bool beginnen() override
            {
                m_fehler = QStringLiteral("Der Drucker kann nicht angesprochen werden.");
                return false;
            }
        };
        Testprogramm t;
        QList<Druckzeile> zeilen;
        t.programm->druckflaeche = [&zeilen] { return std::make_unique<Kaputt>(zeilen); };
        const QString wort = t.m().Loesungswort;
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
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
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 2);
        QVERIFY(t.boxen.letzte().text.startsWith(QStringLiteral("Die Datei \"blatt.pdf\" konnte nicht gespeichert werden.\r")));
        QVERIFY(t.boxen.letzte().text.endsWith(QStringLiteral("\rDas Arbeitsblatt wurde nicht gedruckt.")));
        QCOMPARE(t.boxen.letzte().symbol, Symbol::Stop);
        QVERIFY(!QFile::exists(pfad));
    }
};

QTEST_MAIN(TestDrucken)
#include "tst_drucken.moc"
