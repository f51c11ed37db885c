// The settings window, the script switch, and the settings file "TIPPOLO.INI" with its numbers.
#include "support/Testprogramm.h"

#include "lists/Einstellungen.h"
#include "windows/Form7.h"
#include "windows/Form8.h"

#include <QTest>

namespace {

const QByteArray kStandard =
    " 20 \r\nArial\r\ntpohalb\r\nArial\r\ntpofenster\r\ntpospiegel\r\nArial\r\nAnlaut\r\nArial\r\n 0 \r\n";
const QByteArray kSchriften = "\r\nVerdana\r\ntpohalb\r\nComic Sans MS\r\ntpofenster\r\ntpospiegel\r\nLateinaus\r\nAnlaut\r\nMS Sans Serif\r\n";

QStringList schriften(Testprogramm &t)
{
    Form8 &e = t.programm->form8();
    return {e.Anzeigeschrift(), e.AbgedecktSchrift(), e.Druckschrift(), e.WortruinenSchrift(),
            e.SpiegelSchrift(), e.Schreibschrift(), e.BildwoerterSchrift(), e.WoerterlisteSchrift()};
}

} // namespace

class TestForm8 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// The password is the name of the current exercise, in its case.
    void freischalten()
    {
        Testprogramm t;
        t.m().Wortmenge = 33;
        Form8 &e = t.programm->form8();
        for (const QString &antwort : {u("großschrift"), QString(), u("Großschrift"), u("Umkehrwort")}) {
            if (antwort == u("Großschrift"))
                t.f1().Befehl_Click(2);
            t.boxen.tippe(antwort);
            t.f1().Bild5_Click();
            const bool offen = antwort == u("Umkehrwort");
            QCOMPARE((QList<bool>{e.isVisible(), t.f1().isVisible()}), (QList<bool>{offen, !offen}));
        }
        pruefeEingabe(t.boxen, 3, u("Passwort eingeben:"), u("Liste freischalten"));
        QCOMPARE(e.Liste2->eintraege(), t.f1().Liste1->eintraege());
        QCOMPARE(titel(e.Bezeichnung16, e.Bezeichnung8), (QStringList{" 20 Wörter", "33"}));
        QCOMPARE(t.programm->aktivesFenster(), &e);
        // Back: the main window shows the same task.
        const QString wort = t.m().Loesungswort;
        e.Bild1_Click();
        QVERIFY(!e.isVisible() && t.f1().isVisible() && t.m().Loesungswort == wort);
    }
    void einstellungenSpeichern()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Bild8_Click();  // before the font list is filled: nothing
        e.Liste1->AddItem(u("Arial"));
        const QList<void (Form8::*)()> klicks{&Form8::Bezeichnung5_Click,  &Form8::Bezeichnung6_Click,
                                              &Form8::Bezeichnung7_Click,  &Form8::Bezeichnung3_Click,
                                              &Form8::Bezeichnung4_Click,  &Form8::Bezeichnung1_Click,
                                              &Form8::Bezeichnung17_Click, &Form8::Bezeichnung19_Click};
        QStringList namen;
        for (auto klick : klicks) {
            namen << u("Schrift%1").arg(namen.size() + 1);
            e.Bezeichnung2->setFontName(namen.last());
            (e.*klick)();
        }
        QCOMPARE(schriften(t), namen);
        // Only the display and the word list change at once.
        QCOMPARE((QStringList{t.f1().Bezeichnung1->FontName(), t.f1().Liste2->FontName(), t.f1().Bezeichnung2->FontName()}),
                 (QStringList{"Schrift1", "Schrift8", "Arial"}));
        // The reward interval is rounded, at least 10 and at most the largest whole number.
        for (const auto &[antwort, menge] : QList<std::pair<QString, int>>{{"9", 10}, {"", 10}, {"99999999999", 2147483647}, {"10.5", 11}}) {
            t.boxen.tippe(antwort);
            t.boxen.ok();
            e.Bild8_Click();
            pruefeEingabe(t.boxen, t.boxen.anzahl() - 2, u("Nach wie vielen Wörtern gibt es eine Spielrunde:"), u("Wortanzahl eingeben"), "20");
            pruefeBox(t.boxen, u("Sie müssen die Einstellungen noch speichern!"), u("Wortmenge: %1").arg(menge));
            QCOMPARE((QStringList{QString::number(t.m().Wortmenge), e.Bezeichnung8->Caption()}), QStringList(2, QString::number(menge)));
        }
        QCOMPARE(t.lesen("TIPPOLO.INI"), kStandard);
        // Saved with the reward interval and the lock, in the order of the records.
        e.Kontroll1->setValue(1);
        t.boxen.ok();
        e.Bild2_Click();
        pruefeBox(t.boxen, u("Daten wurden gespeichert!"), u("Einstellungen"));
        const QByteArray gespeichert = " 11 \r\nSchrift1\r\nSchrift2\r\nSchrift3\r\nSchrift4\r\nSchrift5\r\nSchrift6\r\nSchrift7\r\nSchrift8\r\n 1 \r\n";
        QCOMPARE(t.lesen("TIPPOLO.INI"), gespeichert);
        // A font name that the file cannot hold is refused, and the saved file stays.
        e.Bezeichnung2->setFontName(u("Noto Sans CJK 日本"));
        e.Bezeichnung7_Click();
        t.boxen.ok();
        e.Bild2_Click();
        pruefeBox(t.boxen, u("Der Schriftname \"Noto Sans CJK 日本\" enthält ein Zeichen, das in der Datei nicht gespeichert "
                             "werden kann.\rDie Einstellungen wurden nicht gespeichert."),
                  u("Einstellungen"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.lesen("TIPPOLO.INI"), gespeichert);
    }
    /// Deleting one entry or the whole list asks first; answered No, nothing changes. Then words typed in.
    void loeschenUndEingeben()
    {
        Testprogramm t;
        t.boxen.tippe(t.f1().Bezeichnung8->Caption());
        t.f1().Bild5_Click();
        Form8 &e = t.programm->form8();
        e.Liste1->AddItem(u("Arial"));
        e.Bild6_Click();  // no entry picked: nothing to ask
        klicke(e.Liste2, 0);  // as the teacher picks it
        const QString benutzt = t.m().Benutzt;
        t.boxen.nein();
        e.Bild6_Click();
        t.boxen.nein();
        e.Bild7_Click();
        QVERIFY(e.Liste2->ListCount() == 20 && t.m().Benutzt == benutzt);
        t.boxen.ja();
        e.Bild6_Click();
        pruefeFrage(t.boxen, u("Nr. 1 = AUTOBAHN"), u("Eintrag löschen"));
        QVERIFY(!e.Liste2->eintraege().contains(u("Autobahn")));
        QCOMPARE((QList<QVariant>{t.f1().Liste1->ListCount(), e.Liste2->ListIndex(), t.m().Benutzt, e.Bezeichnung16->Caption()}),
                 (QList<QVariant>{20, 0, QString(19, QLatin1Char('0')), u(" 19 Wörter")}));
        // The help shown and hidden again: the editor list is made anew from the word list.
        e.Bild3_Click();
        QCOMPARE(t.m().Hilfethema, 2);
        QVERIFY(t.programm->form7().isVisible());
        t.programm->form7().verbergen();
        QCOMPARE(t.programm->aktivesFenster(), &e);
        QCOMPARE(e.Bezeichnung16->Caption(), u(" 20 Wörter"));
        t.boxen.ja();
        t.m().Eingabe = u("Au");  // typed for the task: no word for the list
        e.Bild7_Click();
        pruefeFrage(t.boxen, u("Die ganze Liste jetzt löschen?"), u("Liste löschen"));
        QVERIFY(e.Liste2->ListCount() == 0 && t.m().Benutzt.isEmpty() && t.m().Uebung == 0);
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(titel(t.f1().Bezeichnung1, e.Bezeichnung16), (QStringList{"Wort 21 eingeben:", u(" 0 Wörter")}));
        for (const char *wort : {"Zebra", "Autobahn", "autobahn", ""})
            t.boxen.tippe(u(wort));
        e.Bild4_Click();
        QCOMPARE(t.m().Uebung, 0);
        // A word that is already in the list (same case) is not added again.
        for (int i = 1; i < 5; ++i)
            pruefeEingabe(t.boxen, 4 + i, u("Neues Wort eingeben:"), u("Worteingabe %1").arg(i == 1 ? 21 : i == 4 ? 23 : 22));
        QCOMPARE(t.f1().Liste1->eintraege().count("Autobahn"), 1);
        QCOMPARE((QStringList{QString::number(t.f1().Liste1->ListCount()), e.Bezeichnung16->Caption(), t.f1().Caption()}),
                 (QStringList{"22", u(" 2 Wörter"), u("T i p p o l o")}));
        // Back in the main window: no task is left, the input line asks for a word and takes one.
        e.Bild1_Click();
        const QStringList erwartet{u("Wort 23 eingeben:"), u("Tippe ein neues Wort und drücke Enter ...")};
        QCOMPARE(titel(t.f1().Bezeichnung1, t.f1().Bezeichnung2) << t.m().Loesungswort, erwartet + QStringList{QString()});
        tippe(t.f1().Bezeichnung2, u("Igel\r"));
        QVERIFY(titel(t.f1().Bezeichnung1, t.f1().Bezeichnung2) == erwartet && t.f1().Liste1->eintraege().contains(u("Igel")));
    }
    /// A valid file is read and never written; a damaged or missing one is replaced by the defaults, without a box.
    void einstellungenLesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("wortmenge"); // 0: replaced by the defaults
        QTest::addColumn<int>("sperre");
        const QByteArray neun = " 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n";
        QTest::newRow("erster Start") << QByteArray() << 0 << 0;
        QTest::newRow("neun Datensätze") << neun << 0 << 0;
        for (const char *sperre : {"7", "-1", "ja", "1.5", "1a", ""})
            QTest::addRow("Sperre %s", sperre) << neun + sperre + "\r\n" << 0 << 0;
        QTest::newRow("binär") << QByteArray("\x00\xFF\x13\x37\r\n\x01", 7) << 0 << 0;
        QTest::newRow("gerundet") << "12.5" + kSchriften + "0\r\n" << 13 << 0;
        QTest::newRow("Text") << "viele" + kSchriften + " 2 \r\n" << 20 << 2;
        QTest::newRow("null") << " 0 " + kSchriften + " 1 \r\n" << 20 << 1;
        QTest::newRow("eins") << "1" + kSchriften + " 1 \r\n" << 1 << 1;
        QTest::newRow("riesig") << "1e30" + kSchriften + " 1 \r\n" << 2147483647 << 1;
    }
    void einstellungenLesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, wortmenge);
        QFETCH(int, sperre);
        const bool ersetzt = wortmenge == 0;
        Testprogramm t(1, false);
        if (!inhalt.isEmpty())
            t.datei("TIPPOLO.INI", inhalt);
        t.start();
        QCOMPARE(t.lesen("TIPPOLO.INI"), ersetzt ? kStandard : inhalt);
        // A damaged file keeps its bytes in a copy.
        QCOMPARE(t.lesen("TIPPOLO.INI.alt"), ersetzt ? inhalt : QByteArray());
        QCOMPARE(schriften(t), QString::fromLatin1(ersetzt ? kStandard : kSchriften).split(u("\r\n")).mid(1, 8));
        QCOMPARE((QList<int>{t.m().Wortmenge, t.programm->form8().Kontroll1->Value(), t.boxen.anzahl()}),
                 (QList<int>{ersetzt ? 20 : wortmenge, sperre, 0}));
        QCOMPARE((QStringList{t.f1().Liste2->FontName(), t.f1().Bezeichnung2->FontName()}),
                 (ersetzt ? QStringList{"Arial", "Arial"} : QStringList{"MS Sans Serif", "Comic Sans MS"}));
        // The script switch goes to the handwriting and back; where both are the same font, it stays at print.
        for (int i = 1; i <= 3; ++i) {
            t.f1().Bild17_Click();
            const bool schreib = i % 2 && !ersetzt;
            QCOMPARE(t.f1().Bezeichnung2->FontName(), schriften(t).at(schreib ? 5 : 2));
            QCOMPARE(t.f1().Bezeichnung10->Caption(), schreib ? u("Schreibschrift") : u("Druckschrift"));
        }
    }
    void zahlAmAnfang()
    {
        // Generated texts give the number the C library reads at their start, past the largest the largest.
        std::setlocale(LC_NUMERIC, "C");
        Zufall z;
        z.seed(41);
        const QString zeichen = u(" \t+-.eE0123456789,a");
        QStringList texte{u("12.5 Wörter"), u("1e999"), u("-1e999x")};
        for (int n = 0; n < 3000; ++n) {
            QString text;
            for (int i = z.index(9); i > 0; --i)
                text += zeichen.at(z.index(int(zeichen.size())));
            texte << text;
        }
        for (const QString &text : texte) {
            const QByteArray b = text.toUtf8();
            char *ende = nullptr;
            const double c = std::strtod(b.constData(), &ende);
            bool gefunden = ende == b.constData();
            QCOMPARE(::zahlAmAnfang(text, &gefunden), std::isfinite(c) ? c : std::copysign(std::numeric_limits<double>::max(), c));
            QVERIFY2(gefunden == (ende != b.constData()), qPrintable(text));
        }
    }
};

QTEST_MAIN(TestForm8)
#include "tst_form8.moc"
