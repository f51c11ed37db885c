// The rules of the task cycle without a window: the candidate list, the
// duplicate check of word entry, and how numbers are written into texts.
#include "basis/Zufall.h"
#include "renderings/Schreibung.h"
#include "trainer/Aufgaben.h"

#include <QTest>

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

/// "w00" ... : n different words.
QStringList woerter(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
    return l;
}

/// The value of the generator that draws index i of n.
double zug(int i, int n) { return (i + 0.5) / n; }

Aufgaben::Eintrag aus(const QStringList &liste)
{
    return [liste](int i) { return liste.at(i); };
}

} // namespace

class TestRegeln : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void kandidaten_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<double>>("vorgabe");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<int>("uebrig");

        QTest::newRow("leere Liste") << QStringList() << QString() << QList<double>{0.5} << QStringList() << 1;
        QTest::newRow("19 Wörter ganz, in ihrer Reihenfolge, ohne zu ziehen")
            << woerter(19) << u("w07") << QList<double>{0.5} << woerter(19) << 1;
        QTest::newRow("kurze Liste mit Doppelten bleibt, wie sie ist")
            << QStringList{u("b"), u("a"), u("b")} << u("a") << QList<double>{} << QStringList{u("b"), u("a"), u("b")}
            << 0;

        // Twenty words: the solution first, then the words as drawn; the
        // solution drawn again is skipped.
        QList<double> folge{zug(5, 20)};
        QStringList gezogen{u("w05")};
        for (int i = 19; i >= 0; --i) {
            if (i == 5)
                continue;
            folge << zug(i, 20);
            gezogen << woerter(20).at(i);
        }
        QTest::newRow("20 Wörter in der gezogenen Folge") << woerter(20) << u("w05") << folge << gezogen << 0;

        // Only misses: after 400 of them the rest comes from the words not
        // taken yet, in the order of the list, drawn from that rest.
        QStringList wenige(20, u("X"));
        wenige[7] = u("Y");
        wenige[9] = u("Z");
        wenige[12] = u("Y");
        QTest::newRow("nach 400 Fehlversuchen aus dem Rest")
            << wenige << u("X") << QList<double>(400, 0.0) + QList<double>{0.9, 0.0, 0.7}
            << QStringList{u("X"), u("Z"), u("Y")} << 1;
        QTest::newRow("nur ein Wort: 400 Züge, kein Rest")
            << QStringList(25, u("Ei")) << u("Ei") << QList<double>(401, 0.3) << QStringList{u("Ei")} << 1;
    }

    void kandidaten()
    {
        QFETCH(QStringList, liste);
        QFETCH(QString, wort);
        QFETCH(QList<double>, vorgabe);
        QFETCH(QStringList, erwartet);
        QFETCH(int, uebrig);
        Zufall z;
        z.seed(3);
        z.vorgeben(vorgabe);
        QCOMPARE(Aufgaben::kandidaten(static_cast<int>(liste.size()), aus(liste), wort, z), erwartet);
        QCOMPARE(z.vorgegebenUebrig(), uebrig);
    }

    void vorhanden_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("index");
        const QStringList l{u("Apfel"), u("Bär"), u("Fuß"), u("bär"), u("Zug")};
        QTest::newRow("gleich") << l << u("Zug") << 4;
        QTest::newRow("andere Schreibung, der erste Treffer") << l << u("BÄR") << 1;
        QTest::newRow("klein gegen groß") << l << u("apfel") << 0;
        QTest::newRow("ß hat keine Großform") << l << u("FUSS") << -1;
        QTest::newRow("ß gegen ß") << l << u("FUß") << 2;
        QTest::newRow("Teilwort") << l << u("Zu") << -1;
        QTest::newRow("leeres Wort") << QStringList{QString(), u("a")} << QString() << -1;
        QTest::newRow("leere Liste") << QStringList() << u("Zug") << -1;
    }

    void vorhanden()
    {
        QFETCH(QStringList, liste);
        QFETCH(QString, wort);
        QFETCH(int, index);
        QCOMPARE(Aufgaben::vorhanden(static_cast<int>(liste.size()), aus(liste), wort), index);
    }

    void zahl_data()
    {
        QTest::addColumn<qlonglong>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << 0LL << u(" 0");
        QTest::newRow("zwanzig") << 20LL << u(" 20");
        QTest::newRow("negativ") << -3LL << u("-3");
        QTest::newRow("groß") << 2147483648LL << u(" 2147483648");
    }

    void zahl()
    {
        QFETCH(qlonglong, n);
        QFETCH(QString, text);
        QCOMPARE(Schreibung::zahl(n), text);
    }
};

QTEST_GUILESS_MAIN(TestRegeln)
#include "tst_regeln.moc"
