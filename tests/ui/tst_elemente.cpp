// The elements: the sorted list with its selection and clicks, and the key codes.
#include "support/Testprogramm.h"

#include "ui/Liste.h"

#include <QKeyEvent>
#include <QListView>
#include <QTest>

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
        QTest::newRow("gleiche Schlüssel behalten die Reihenfolge") << QStringList{"haus", "Haus", "HAUS"}
                                                                   << QStringList{"haus", "Haus", "HAUS"};
    }
    void sortierung()
    {
        QFETCH(QStringList, eingabe);
        QFETCH(QStringList, erwartet);
        Liste einzeln(nullptr, u("L"), true, false), gesammelt(nullptr, u("G"), true, false);
        for (const QString &e : eingabe)
            einzeln.AddItem(e);
        QCOMPARE(einzeln.eintraege(), erwartet);
        // Adding many at once sorts once and gives the same order.
        gesammelt.addItems(eingabe.mid(0, 2));
        gesammelt.addItems(eingabe.mid(2));
        QCOMPARE(gesammelt.eintraege(), erwartet);
    }
    void auswahlWandertBeimEinfuegen()
    {
        Liste l(nullptr, u("L"), true, false);
        l.addItems({"Hund", "Katze"});
        l.setListIndex(1);
        l.AddItem(u("Affe"));
        QCOMPARE(l.Text(), u("Katze"));
        l.addItems({"Bär", "Zebra"});
        QCOMPARE(l.Text(), u("Katze"));
        QCOMPARE(l.ListIndex(), 3);
        l.RemoveItem(0);
        l.RemoveItem(-1);
        l.RemoveItem(4);
        QCOMPARE(l.eintraege(), (QStringList{"Bär", "Hund", "Katze", "Zebra"}));
        l.setListIndex(4);
        l.setListIndex(-2);
        QCOMPARE(l.ListIndex(), 2);
        l.RemoveItem(l.ListIndex());
        QCOMPARE(l.ListIndex(), -1);
    }
    void setListIndexMeldetKlick()
    {
        QWidget w;
        Liste l(&w, u("L"));
        l.addItems({"a", "b", "c"});
        int klicks = 0;
        connect(&l, &Liste::Click, [&] { ++klicks; });
        l.setListIndex(2);
        QCOMPARE(klicks, 1);
        QCOMPARE(l.view()->currentIndex().row(), 2);
        l.setListIndex(-1);
        QCOMPARE(klicks, 1);
        QCOMPARE(l.ListIndex(), -1);
        QVERIFY(l.view()->selectionModel()->selectedIndexes().isEmpty());
        // A click on an entry of the view counts like a click in the program, also a second one.
        w.show();
        klicke(&l, 1);
        QCOMPARE(l.ListIndex(), 1);
        QCOMPARE(klicks, 2);
        klicke(&l, 1);
        QCOMPARE(klicks, 3);
    }
    void mehrfachauswahl()
    {
        QWidget w;
        Liste l(&w, u("L"), false, true);
        l.setMehrfachauswahl(true);
        l.setSpalten(3);
        l.addItems({"C", "A", "B", "D", "E", "F"});
        QCOMPARE(l.List(0), u("C"));  // not sorted
        l.setSelected(1, true);
        l.setSelected(4, true);
        QCOMPARE(l.SelCount(), 2);
        QVERIFY(l.Selected(4) && !l.Selected(0) && !l.Selected(-1) && !l.Selected(6));
        const auto hinterlegt = [&](int i) { return l.view()->model()->data(l.view()->model()->index(i, 0), Qt::BackgroundRole).isValid(); };
        QVERIFY(hinterlegt(4) && !hinterlegt(0));
        w.show();
        klicke(&l, 4);
        QCOMPARE(l.ListIndex(), 4);
        QVERIFY(!l.Selected(4) && !hinterlegt(4));
        QCOMPARE(l.SelCount(), 1);
        l.Clear();
        QCOMPARE(l.SelCount(), 0);
    }
    void tastencodes_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("code");
        const QList<QPair<int, int>> codes{
            {Qt::Key_Left, 37},  {Qt::Key_Up, 38},      {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
            {Qt::Key_Escape, 27}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},      {Qt::Key_Backspace, 8},
            {Qt::Key_Delete, 46}, {Qt::Key_Space, 32},  {Qt::Key_A, 65},          {Qt::Key_Z, 90},
            {Qt::Key_7, 55},     {Qt::Key_Adiaeresis, 0xC4}, {Qt::Key_ssharp, 0xDF}, {Qt::Key_Percent, 0},
            {Qt::Key_Ampersand, 0}, {Qt::Key_Apostrophe, 0}, {Qt::Key_ParenLeft, 0}, {Qt::Key_Period, 0},
            {Qt::Key_Minus, 0},  {Qt::Key_Question, 0}, {Qt::Key_At, 0},          {Qt::Key_BracketLeft, 0},
            {Qt::Key_AsciiTilde, 0}};
        for (const auto &[taste, code] : codes)
            QTest::addRow("%x", taste) << taste << code;
    }
    void tastencodes()
    {
        QFETCH(int, taste);
        QFETCH(int, code);
        QCOMPARE(Fenster::keyCode(taste), code);
    }
};

QTEST_MAIN(TestElemente)
#include "tst_elemente.moc"
