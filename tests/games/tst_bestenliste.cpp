#include "Spielhilfen.h"
#include "support/Testprogramm.h"

#include "games/Bestenliste.h"
#include "ui/Liste.h"

#include <QDir>
#include <QTest>

class TestBestenliste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eintrag_data()
    {
        QTest::addColumn<qint64>("punkte");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("sechs") << qint64(6) << u("Freund") << u("0006  Freund");
        QTest::newRow("null") << qint64(0) << u("Freund") << u("0000  Freund");
        QTest::newRow("vierstellig") << qint64(1234) << u("Ida") << u("1234  Ida");
        QTest::newRow("fuenfstellig") << qint64(12345) << u("Max") << u("2345  Max");
        QTest::newRow("leerer Name") << qint64(7) << QString() << u("0007  ");
        QTest::newRow("Umlaut") << qint64(30) << u("Jörg") << u("0030  Jörg");
    }
    void eintrag()
    {
        QFETCH(qint64, punkte);
        QFETCH(QString, name);
        QFETCH(QString, erwartet);
        QCOMPARE(BestenEintrag(punkte, name), erwartet);
    }
    void ordnungNachPunktenDannNamen()
    {
        Liste l(nullptr, u("Liste1"));
        for (const char *e : {"0012  Zora", "0005  zora", "0005  Anna", "0100  Bert", "0005  Ömer", "0003  max"})
            l.AddItem(u(e));
        QCOMPARE(l.eintraege(),
                 (QStringList{"0003  max", "0005  Anna", u("0005  Ömer"), "0005  zora", "0012  Zora", "0100  Bert"}));
    }
    void speichern_data()
    {
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("sortiert mit CR LF")
            << QStringList{BestenEintrag(6, "Freund"), BestenEintrag(0, u("Jörg")), BestenEintrag(3, QString())}
            << QByteArray("0000  J\xF6rg\r\n0003  \r\n0006  Freund\r\n");
        QTest::newRow("leerer Name") << QStringList{BestenEintrag(8, QString())} << QByteArray("0008  \r\n");
        // A comma in a name is part of the name, also when read back.
        QTest::newRow("Komma im Namen") << QStringList{BestenEintrag(4, "Mei, Ling")} << QByteArray("0004  Mei, Ling\r\n");
        QTest::newRow("nicht kodierbar") << QStringList{BestenEintrag(2, u("Łukasz")), BestenEintrag(3, u("Jörg"))}
                                         << QByteArray("0002  ?ukasz\r\n0003  J\xF6rg\r\n");
    }
    void speichern()
    {
        QFETCH(QStringList, eintraege);
        QFETCH(QByteArray, bytes);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTHANG.LST");
        Liste l(nullptr, u("Liste2"));
        l.addItems(eintraege);
        QString fehler;
        QVERIFY(BestenlisteSpeichern(datei, &l, &fehler) && fehler.isEmpty());
        QCOMPARE(dateiLesen(datei), bytes);
        // Read back and saved again: the same entries and bytes.
        const QStringList gespeichert = l.eintraege();
        BestenlisteLaden(datei, &l);
        if (!eintraege.join("").contains(u("Ł")))
            QCOMPARE(l.eintraege(), gespeichert);
        QVERIFY(BestenlisteSpeichern(datei, &l));
        QCOMPARE(dateiLesen(datei), bytes);
    }
    void fuenfzigsterBleibtSchlechtererFaelltRaus_data()
    {
        QTest::addColumn<int>("neu");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<QString>("letzte");
        // Stored: scores 10 to 59.
        QTest::newRow("schlechter als alle") << 99 << u("0010  Kind") << u("0059  Kind");
        QTest::newRow("besser als alle") << 1 << u("0001  Neu") << u("0058  Kind");
        QTest::newRow("gleich dem letzten, Name davor") << 59 << u("0010  Kind") << u("0059  Kind");
    }
    void fuenfzigsterBleibtSchlechtererFaelltRaus()
    {
        QFETCH(int, neu);
        QFETCH(QString, erste);
        QFETCH(QString, letzte);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTFANG.LST");
        QByteArray inhalt;
        for (int i = 10; i < 60; ++i)
            inhalt += BestenEintrag(i, "Kind").toLatin1() + "\r\n";
        QVERIFY(dateiSchreiben(datei, inhalt));
        Liste l(nullptr, u("Liste1"));
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.ListCount(), 50);
        l.AddItem(BestenEintrag(neu, "Neu"));
        QVERIFY(BestenlisteSpeichern(datei, &l));
        const QStringList zeilen = QString::fromLatin1(dateiLesen(datei)).split('\n');
        QCOMPARE(zeilen.size(), 51); // 50 lines and the empty rest after the last LF
        QCOMPARE((QStringList{zeilen.first(), zeilen.at(49), zeilen.last()}), (QStringList{erste + "\r", letzte + "\r", ""}));
    }
    void laden_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("eintraege");
        const QStringList freund{"0006  Freund"};
        QTest::newRow("zwei Zeilen") << QByteArray("0006  Freund\r\n0002  Ida\r\n") << QStringList{"0002  Ida", "0006  Freund"};
        QTest::newRow("ohne Zeilenende am Schluss") << QByteArray("0006  Freund") << freund;
        QTest::newRow("Windows-1252") << QByteArray("0004  J\xF6rg\r\n") << QStringList{u("0004  Jörg")};
        QTest::newRow("leere Zeilen fallen weg") << QByteArray("\r\n0006  Freund\r\n\r\n   \r\n") << freund;
        QTest::newRow("Blanks davor") << QByteArray("   0006  Freund\r\n") << freund;
        QTest::newRow("in Anfuehrungszeichen") << QByteArray("\"0006  Freund\"\r\n") << freund;
        QTest::newRow("nur LF") << QByteArray("0006  Freund\n0001  Ali\n") << QStringList{"0001  Ali", "0006  Freund"};
        // A missing file, or a folder in its place, reads as an empty list.
        QTest::newRow("fehlt") << QByteArray() << QStringList();
        QTest::newRow("Ordner") << QByteArray("/") << QStringList();
    }
    void laden()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, eintraege);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTSUCH.LST");
        if (inhalt == "/")
            QVERIFY(QDir(ordner.path()).mkdir("BESTSUCH.LST"));
        else if (!inhalt.isEmpty())
            QVERIFY(dateiSchreiben(datei, inhalt));
        Liste l(nullptr, u("Liste1"));
        l.AddItem("0001  alt");
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.eintraege(), eintraege);
    }
    void nichtSchreibbarMeldetFehler_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Ordner gleichen Namens") << u("BESTSUCH.LST");
        QTest::newRow("Ordner fehlt") << u("fehlt/BESTSUCH.LST");
    }
    void nichtSchreibbarMeldetFehler()
    {
        QFETCH(QString, name);
        Spielprogramm t;
        QVERIFY(name.contains('/') || QDir(t.ordner.path()).mkdir(name));
        Liste l(nullptr, u("Liste1"));
        l.AddItem(BestenEintrag(5, "Freund"));
        QString fehler;
        QVERIFY(!BestenlisteSpeichern(t.pfad(name), &l, &fehler));
        QVERIFY(fehler.startsWith(u("Die Datei \"BESTSUCH.LST\" konnte nicht gespeichert werden.\r")));
        QCOMPARE(QFileInfo(t.pfad(name)).isDir(), !name.contains('/'));
        t.boxen.ok();
        BestenlisteSichern(*t.programm, name, &l, u("Wortgefängnis"));
        QCOMPARE(t.boxen.anzahl(), 1);
        const QString text = t.boxen.letzte().text;
        QVERIFY(text.startsWith(u("Die Bestenliste konnte nicht gespeichert werden.\r") + fehler));
        QVERIFY(text.endsWith(QLatin1Char('\r')));
        pruefeBox(t.boxen, text, u("Wortgefängnis"), Knoepfe::OK, Symbol::Stop);
        // Saving that works shows nothing.
        BestenlisteSichern(*t.programm, "BESTHANG.LST", &l, u("Galgenspiel"));
        QCOMPARE(t.boxen.anzahl(), 1);
        QCOMPARE(t.lesen("BESTHANG.LST"), QByteArray("0005  Freund\r\n"));
    }
};

QTEST_MAIN(TestBestenliste)
#include "tst_bestenliste.moc"
