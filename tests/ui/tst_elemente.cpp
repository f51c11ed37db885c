#include "support/Testprogramm.h"

#include "games/gefangen.h"
#include "info/TPOLABEL.h"
#include "lists/Form8.h"
#include "ui/Dateibrowser.h"
#include "ui/Liste.h"
#include "ui/Twips.h"
#include "basis/Zufall.h"

#include <QKeyEvent>
#include <QListView>
#include <QTest>


static void klicke(Liste &l, int zeile)
{
    QTest::mouseClick(l.view()->viewport(), Qt::LeftButton, {}, l.view()->visualRect(l.view()->model()->index(zeile, 0)).center());
}

class TestElemente : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sortierung_data()
    {
        QTest::addColumn<QStringList>("eingabe");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Groß und klein") << QStringList{"b", "A", "a", "B"} << QStringList{"A", "a", "b", "B"};
        QTest::newRow("Umlaute beim Grundbuchstaben")
            << QStringList{"Zebra", "Öl", "Ofen", "Apfel", "Äpfel", "Affe"}
            << QStringList{"Affe", "Apfel", "Äpfel", "Ofen", "Öl", "Zebra"};
        QTest::newRow("ß wie ss") << QStringList{"Strauß", "Straße", "Strasse", "Stras"}
                                  << QStringList{"Stras", "Straße", "Strasse", "Strauß"};
        QTest::newRow("lange gleiche Anfänge")
            << QStringList{"Donaudampfschiff", "donaudampfer", "Donaudampfschifffahrt", "Donaudampf", "Donaudämpfe"}
            << QStringList{"Donaudampf", "Donaudämpfe", "donaudampfer", "Donaudampfschiff", "Donaudampfschifffahrt"};
        QTest::newRow("ß an der Grenze") << QStringList{"abcß", "abcsa", "abcs", "abcst", "abcßa"}
                                         << QStringList{"abcs", "abcsa", "abcß", "abcßa", "abcst"};
        QTest::newRow("Bestenliste") << QStringList{"0012  Anna", "0003  Zoe", "0003  anton", "0100  Bea"}
                                     << QStringList{"0003  anton", "0003  Zoe", "0012  Anna", "0100  Bea"};
        QTest::newRow("gleiche Schlüssel behalten die Reihenfolge") << QStringList{"haus", "Haus", "HAUS"}
                                                                   << QStringList{"haus", "Haus", "HAUS"};
    }
    void sortierung()
    {
        QFETCH(QStringList, eingabe);
        QFETCH(QStringList, erwartet);
        Liste l(nullptr, u("L"), true, false);
        for (const QString &e : eingabe)
            l.AddItem(e);
        QCOMPARE(l.eintraege(), erwartet);
    }
    void einzelnGleichGesammelt()
    {
        QStringList woerter;
        Zufall z;
        z.seed(7);
        const QString zeichen = QStringLiteral("aAbBäÄoOöÖsSßuüUÜ");
        for (int i = 0; i < 500; ++i) {
            QString w;
            for (int k = 0; k < 1 + z.index(4); ++k)
                w += zeichen.at(z.index(static_cast<int>(zeichen.size())));
            woerter << w;
        }
        Liste einzeln(nullptr, QStringLiteral("A"), true, false);
        Liste gesammelt(nullptr, QStringLiteral("B"), true, false);
        for (const QString &w : woerter)
            einzeln.AddItem(w);
        gesammelt.addItems(woerter.mid(0, 200));
        gesammelt.addItems(woerter.mid(200));
        QCOMPARE(gesammelt.eintraege(), einzeln.eintraege());
    }
    void auswahlWandertBeimEinfuegen()
    {
        Liste l(nullptr, u("L"), true, false);
        l.addItems({"Hund", "Katze"});
        l.setListIndex(1);
        l.AddItem(QStringLiteral("Affe"));
        QCOMPARE(l.Text(), QStringLiteral("Katze"));
        l.addItems({"Bär", "Zebra"});
        QCOMPARE(l.Text(), QStringLiteral("Katze"));
        l.RemoveItem(0);
        QCOMPARE(l.Text(), QStringLiteral("Katze"));
        l.RemoveItem(l.ListIndex());
        QCOMPARE(l.ListIndex(), -1);
    }
    void setListIndexMeldetKlick()
    {
        QWidget w;
        Liste l(&w, QStringLiteral("L"));
        l.addItems({"a", "b", "c"});
        int klicks = 0;
        connect(&l, &Liste::Click, [&] { ++klicks; });
        l.setListIndex(2);
        QCOMPARE(klicks, 1);
        QCOMPARE(l.view()->currentIndex().row(), 2);
        l.setListIndex(-1);
        QCOMPARE(klicks, 1);
        QVERIFY(l.view()->selectionModel()->selectedIndexes().isEmpty());
        // A click on an entry of the view counts like a click in the program.
        w.show();
        klicke(l, 1);
        QCOMPARE(l.ListIndex(), 1);
        QCOMPARE(klicks, 2);
        klicke(l, 1);
        QCOMPARE(klicks, 3);
    }
    void unsortierteListe()
    {
        Liste l(nullptr, QStringLiteral("L"), false, false);
        l.addItems({"c", "a"});
        l.AddItem(QStringLiteral("b"));
        QCOMPARE(l.eintraege(), QStringList({"c", "a", "b"}));
    }
    void mehrfachauswahl()
    {
        QWidget w;
        Liste l(&w, QStringLiteral("L"), false, true);
        l.setMehrfachauswahl(true);
        l.setSpalten(3);
        l.addItems({"A", "B", "C", "D", "E", "F"});
        l.setSelected(1, true);
        l.setSelected(4, true);
        QCOMPARE(l.SelCount(), 2);
        QVERIFY(l.Selected(4));
        w.show();
        klicke(l, 4);
        QCOMPARE(l.ListIndex(), 4);
        QVERIFY(!l.Selected(4));
        QCOMPARE(l.SelCount(), 1);
        l.Clear();
        QCOMPARE(l.SelCount(), 0);
    }
    void versteckteListeOhneWidget()
    {
        QWidget w;
        Liste l(&w, QStringLiteral("L"), true, false);
        QVERIFY(!l.view());
        QVERIFY(w.findChildren<QListView *>().isEmpty());
        QCOMPARE(w.findChild<Liste *>(QStringLiteral("L")), &l);
    }
    void zufallBereich()
    {
        Zufall z;
        z.seed(3);
        QVector<int> zaehler(7, 0);
        for (int i = 0; i < 7000; ++i) {
            const double r = z.rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            ++zaehler[z.index(7)];
        }
        for (int c : zaehler)
            QVERIFY(c > 700 && c < 1300);
        QCOMPARE(z.index(0), 0);
    }
    void zufallVorgaben()
    {
        Zufall a, b;
        a.setFesterSeed(42);
        b.setFesterSeed(42);
        a.seedFromClock();
        b.seedFromClock();
        QCOMPARE(a.rnd(), b.rnd());
        a.vorgeben({0.5, 0.99});
        QCOMPARE(a.rnd(), 0.5);
        QCOMPARE(a.index(4), 3);
        QCOMPARE(a.vorgegebenUebrig(), 0);
    }
    void twipsGenau()
    {
        QWidget eltern;
        QWidget kind(&eltern);
        Twips::setzen(&kind, 10440, 2400, 2895, 2175);
        QCOMPARE(Twips::links(&kind), 10440);
        QCOMPARE(Twips::breite(&kind), 2895);
        Twips::setzeLinks(&kind, 3000);
        QCOMPARE(Twips::links(&kind), 3000);
        QCOMPARE(Twips::oben(&kind), 2400);
        QCOMPARE(kind.x(), Twips::zuPixel(3000));
    }
    void aktivierungKehrtZurueck()
    {
        // Hiding the active window makes the window shown before it active again.
        Testprogramm t;
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
        t.programm->form8().zeigen();
        QCOMPARE(t.programm->aktivesFenster(), static_cast<Fenster *>(&t.programm->form8()));
        t.programm->form8().verbergen();
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
    }
    void tastencodes()
    {
        // The codes of the keyboard events; punctuation has none (it is no arrow key).
        const QList<QPair<int, int>> codes{
            {Qt::Key_Left, 37},     {Qt::Key_Up, 38},         {Qt::Key_Right, 39},       {Qt::Key_Down, 40},
            {Qt::Key_Escape, 27},   {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},       {Qt::Key_Backspace, 8},
            {Qt::Key_Delete, 46},   {Qt::Key_Space, 32},      {Qt::Key_A, 65},           {Qt::Key_Z, 90},
            {Qt::Key_7, 55},        {Qt::Key_Adiaeresis, 0xC4}, {Qt::Key_ssharp, 0xDF},  {Qt::Key_Percent, 0},
            {Qt::Key_Ampersand, 0}, {Qt::Key_Apostrophe, 0},  {Qt::Key_ParenLeft, 0},    {Qt::Key_Period, 0},
            {Qt::Key_Minus, 0},     {Qt::Key_Question, 0},    {Qt::Key_BracketLeft, 0},  {Qt::Key_AsciiTilde, 0}};
        for (const auto &[taste, code] : codes)
            QVERIFY2(Fenster::keyCode(taste) == code, qPrintable(QString::number(taste, 16)));
    }
    void satzzeichenSindKeinePfeil()
    {
        // "&", "'", "(" and "%" typed in the word prison only ask for a wish;
        // the marker stays where it is. The arrow key itself still moves it.
        Testprogramm t;
        t.f1().Bezeichnung25_Click();
        gefangen &g = t.programm->gefangenFenster();
        QVERIFY(g.isVisible());
        const QList<QPair<int, QString>> tasten{
            {Qt::Key_Ampersand, u("&")}, {Qt::Key_Apostrophe, u("'")}, {Qt::Key_ParenLeft, u("(")}, {Qt::Key_Percent, u("%")}};
        for (const auto &[taste, text] : tasten) {
            t.boxen.nein();
            QKeyEvent druck(QEvent::KeyPress, taste, Qt::ShiftModifier, text);
            QApplication::sendEvent(&g, &druck);
            QCOMPARE(t.boxen.offeneAntworten(), 0);
            QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Wunschbox"));
            QCOMPARE(QPoint(g.gitter().spalte(), g.gitter().zeile()), QPoint(9, 9));
        }
        QKeyEvent hoch(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(&g, &hoch);
        QCOMPARE(g.gitter().zeile(), 8);
    }

    void fokusIstKeinKlick_data()
    {
        QTest::addColumn<Qt::FocusReason>("grund");
        QTest::newRow("Fenster aktiviert") << Qt::ActiveWindowFocusReason;
        QTest::newRow("Tabulator") << Qt::TabFocusReason;
        QTest::newRow("anderer Grund") << Qt::OtherFocusReason;
    }
    void fokusIstKeinKlick()
    {
        // A list that gets the focus with nothing selected stays without a
        // selection and raises no Click; the arrow key then chooses the first entry.
        QFETCH(Qt::FocusReason, grund);
        QWidget fenster;
        Liste l(&fenster, QStringLiteral("Liste2"));
        l.addItems({QStringLiteral("Birne"), QStringLiteral("Apfel")});
        int klicks = 0;
        connect(&l, &Liste::Click, &fenster, [&klicks] { ++klicks; });
        fenster.show();
        QFocusEvent fokus(QEvent::FocusIn, grund);
        QApplication::sendEvent(l.view(), &fokus);
        QCOMPARE(klicks, 0);
        QCOMPARE(l.ListIndex(), -1);
        QVERIFY(!l.view()->currentIndex().isValid());
        QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(l.view(), &runter);
        QCOMPARE(klicks, 1);
        QCOMPARE(l.ListIndex(), 0);
        QCOMPARE(l.Text(), QStringLiteral("Apfel"));
    }

    void rueckkehrLaedtKeineListe()
    {
        // The file list of the main window has the focus and no selection (its
        // folder was read again); the main window comes back from the program
        // information: no list is loaded.
        Testprogramm t(1, false);
        t.datei(QStringLiteral("A.TXT"), "Ameise\r\nBiene\r\n");
        t.start();
        Form1 &f = t.f1();
        QCOMPARE(f.Liste1->ListCount(), 2);
        f.Bild6_Click();
        t.f1().Liste1->AddItem(QStringLiteral("Käfer"));
        f.Datei1->Refresh();
        QCOMPARE(f.Datei1->ListIndex(), -1);
        f.Datei1->view()->setFocus(Qt::MouseFocusReason);
        const QString wort = t.m().Loesungswort;
        f.Bild16_Click();
        QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.Datei1->view(), &weg);
        t.programm->tpolabel().Bild1_Click();
        QFocusEvent zurueck(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(f.Datei1->view(), &zurueck);
        QCOMPARE(f.Liste1->ListCount(), 3);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(f.Datei1->ListIndex(), -1);
    }
};

QTEST_MAIN(TestElemente)
#include "tst_elemente.moc"
