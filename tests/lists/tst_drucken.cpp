// Printing the word list as a worksheet: per exercise font, as PDF without a printer, and failing.
#include "support/Testprogramm.h"

#include "renderings/Darstellung.h"
#include "ui/Druckflaeche.h"
#include "windows/Form8.h"

#include <QDir>
#include <QTest>

namespace {

/// Prints: yes to the question, OK to the message that follows.
void drucken(Testprogramm &t)
{
    t.boxen.ja();
    t.boxen.ok();
    t.f1().Bild14_Click();
}

/// Files there before the print, the name offered, files written while it is asked, the name written.
struct Pdf { QStringList vorhanden; QString name; QStringList dazwischen; QString geschrieben; };

} // namespace

Q_DECLARE_METATYPE(Pdf)

class TestDrucken : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// Each exercise prints in its task font, or in the display font without one (the row name is the exercise).
    void arbeitsblatt_data()
    {
        QTest::addColumn<int>("uebung");
        QTest::addColumn<QString>("wortschrift");
        QTest::newRow("Spiegel") << 12 << u("Spiegel-Probe");
        QTest::newRow("Großschrift") << 13 << u("Anzeige");
    }
    void arbeitsblatt()
    {
        QFETCH(int, uebung);
        QFETCH(QString, wortschrift);
        const QString titel = u("Drucken:  ") + QString::fromUtf8(QTest::currentDataTag());
        Testprogramm t;
        t.programm->form8().Bezeichnung9->setFontName(u("Anzeige"));
        t.programm->form8().Bezeichnung14->setFontName(u("Spiegel-Probe"));
        QList<Druckzeile> zeilen;
        t.programm->druckflaeche = [&zeilen] { return std::make_unique<DruckAufzeichnung>(zeilen); };
        t.f1().Befehl_Click(uebung);
        QCOMPARE(t.f1().Bezeichnung1->FontName(), wortschrift);
        t.m().Eingabe = t.m().Loesungswort.left(1);
        const auto aufgabe = [&t] {
            return QStringList{t.m().Loesungswort, t.m().Eingabe, t.m().Anzeigetext, t.f1().Bezeichnung1->Caption()};
        };
        const QStringList vorher = aufgabe();
        // Declined: nothing printed, the task stays.
        t.boxen.nein();
        t.f1().Bild14_Click();
        pruefeFrage(t.boxen, u("Die aktuelle Wortliste ausdrucken?"), titel);
        QVERIFY(zeilen.isEmpty());
        drucken(t);
        pruefeBox(t.boxen, u("Die Daten werden gedruckt ..."), titel);
        // A blank line, then per word of the list a blank line, its rendering and a line to write on.
        QCOMPARE(zeilen.size(), 61);
        Zufall z;
        QCOMPARE((QStringList{zeilen.at(0).text, zeilen.at(0).schrift}), (QStringList{" ", "Anzeige"}));
        for (int i = 0; i < 20; ++i) {
            const Druckzeile &leer = zeilen.at(1 + 3 * i), &wort = zeilen.at(2 + 3 * i), &linie = zeilen.at(3 + 3 * i);
            QCOMPARE((QList<int>{leer.spalte, wort.spalte, linie.spalte}), (QList<int>{1, 5, 50}));
            QCOMPARE((QStringList{leer.text, wort.text, linie.text}),
                     (QStringList{" ", darstellen(uebung, t.f1().Liste1->List(i), z), QString(30, QLatin1Char('_'))}));
            QCOMPARE((QStringList{leer.schrift, wort.schrift, linie.schrift}), (QStringList{wortschrift, wortschrift, u("Anzeige")}));
            QCOMPARE(wort.punkte, 16.0);
        }
        // The task shown before printing is in force again.
        QCOMPARE(aufgabe(), vorher);
    }
    /// Without a printer the worksheet becomes a PDF under the first free name, also
    /// when another program takes that name while the question is shown.
    void ohneDruckerAlsPdf_data()
    {
        QTest::addColumn<Pdf>("p");
        QTest::newRow("klein geschrieben, Lücke") << Pdf{{u("tippolo.pdf"), u("TIPPOLO-3.PDF")}, u("TIPPOLO-2.PDF"), {}, u("TIPPOLO-2.PDF")};
        QTest::newRow("während der Frage") << Pdf{{}, u("TIPPOLO.PDF"), {u("tippolo.pdf"), u("TIPPOLO-2.PDF")}, u("TIPPOLO-3.PDF")};
    }
    void ohneDruckerAlsPdf()
    {
        QFETCH(Pdf, p);
        const auto &[vorhanden, name, dazwischen, geschrieben] = p;
        Testprogramm t;
        for (const QString &v : vorhanden)
            t.datei(v, "alt");
        t.programm->druckflaeche = [] { return std::unique_ptr<Druckflaeche>(); };
        const QString pfad = t.programm->datei(geschrieben);
        // The PDF declined: nothing written.
        t.boxen.ja();
        t.boxen.nein();
        t.f1().Bild14_Click();
        pruefeFrage(t.boxen, u("Es ist kein Drucker eingerichtet.\rSoll das Arbeitsblatt stattdessen als PDF-Datei "
                               "\"%1\" im Arbeitsordner gespeichert werden?\r").arg(name), u("Drucken:  Großschrift"));
        QVERIFY(!QFile::exists(pfad));
        t.boxen.ja();
        t.boxen.setAutomatik(
            [&](const BoxEintrag &b) {
                if (b.knoepfe == Knoepfe::OK)
                    return Antwort::OK;
                for (const QString &d : p.dazwischen)
                    t.datei(d, "neu");
                return Antwort::Ja;
            },
            {});
        t.f1().Bild14_Click();
        QCOMPARE(t.boxen.anzahl(), 5);
        const QString vergeben = name == geschrieben ? QString() : u("Den Namen \"%1\" hat inzwischen eine andere Datei.\r").arg(name);
        pruefeBox(t.boxen, u("Das Arbeitsblatt wurde als PDF-Datei gespeichert:\r%1\r").arg(QDir::toNativeSeparators(pfad)) + vergeben,
                  u("Drucken:  Großschrift"), Knoepfe::OK, Symbol::Information);
        QVERIFY(dateiLesen(pfad).startsWith("%PDF"));
        for (const QString &v : vorhanden)
            QCOMPARE(t.lesen(v), QByteArray("alt"));
        for (const QString &d : dazwischen)
            QCOMPARE(t.lesen(d), QByteArray("neu"));
    }
    /// A canvas that cannot start, or a worksheet that cannot be written: nothing printed, the task kept.
    void druckFehler()
    {
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
        const QString wort = t.m().Loesungswort, pfad = t.programm->datei("fehlt/blatt.pdf");
        const QList<std::pair<std::function<std::unique_ptr<Druckflaeche>()>, QString>> faelle{
            {[&zeilen] { return std::make_unique<Kaputt>(zeilen); }, u("Der Drucker kann nicht angesprochen werden.\rEs wurde nichts gedruckt.")},
            {[pfad] { return Druckflaeche::pdfDatei(pfad); },
             u("Die Datei \"blatt.pdf\" konnte nicht gespeichert werden.\rDas Arbeitsblatt wurde nicht gedruckt.")}};
        for (const auto &[flaeche, text] : faelle) {
            t.programm->druckflaeche = flaeche;
            drucken(t);
            pruefeBox(t.boxen, text, u("Drucken:  Großschrift"), Knoepfe::OK, Symbol::Stop);
        }
        QVERIFY(zeilen.isEmpty() && t.m().Loesungswort == wort && t.boxen.anzahl() == 4);
    }
};

QTEST_MAIN(TestDrucken)
#include "tst_drucken.moc"
