#include "Spielhilfen.h"

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
        QTest::newRow("sechs") << qint64(6) << QStringLiteral("Freund") << QStringLiteral("0006  Freund");
        QTest::newRow("null") << qint64(0) << QStringLiteral("Freund") << QStringLiteral("0000  Freund");
        QTest::newRow("vierstellig") << qint64(1234) << QStringLiteral("Ida") << QStringLiteral("1234  Ida");
        QTest::newRow("fuenfstellig") << qint64(12345) << QStringLiteral("Max") << QStringLiteral("2345  Max");
        QTest::newRow("leerer Name") << qint64(7) << QString() << QStringLiteral("0007  ");
        QTest::newRow("Umlaut") << qint64(30) << QStringLiteral("Jörg") << QStringLiteral("0030  Jörg");
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
        Liste l(nullptr, QStringLiteral("Liste1"));
        for (const char *e : {"0012  Zora", "0005  zora", "0005  Anna", "0100  Bert", "0005  Ömer", "0003  max"})
            l.AddItem(QString::fromUtf8(e));
        QCOMPARE(l.eintraege(), (QStringList{QStringLiteral("0003  max"), QStringLiteral("0005  Anna"),
                                             QStringLiteral("0005  Ömer"), QStringLiteral("0005  zora"),
                                             QStringLiteral("0012  Zora"), QStringLiteral("0100  Bert")}));
    }
    void speichernSchreibtZeilenMitCrLf()
    {
        QTemporaryDir ordner;
        Liste l(nullptr, QStringLiteral("Liste2"));
        l.AddItem(BestenEintrag(6, QStringLiteral("Freund")));
        l.AddItem(BestenEintrag(0, QStringLiteral("Jörg")));
        l.AddItem(BestenEintrag(3, QString()));
        const QString datei = ordner.filePath(QStringLiteral("BESTHANG.LST"));
        QString fehler;
        QVERIFY(BestenlisteSpeichern(datei, &l, &fehler));
        QVERIFY(fehler.isEmpty());
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0000  J\xF6rg\r\n0003  \r\n0006  Freund\r\n"));
    }
    void fuenfzigsterBleibtSchlechtererFaelltRaus_data()
    {
        QTest::addColumn<int>("neu");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<QString>("letzte");
        // Stored: scores 10 to 59.
        QTest::newRow("schlechter als alle") << 99 << QStringLiteral("0010  Kind") << QStringLiteral("0059  Kind");
        QTest::newRow("besser als alle") << 1 << QStringLiteral("0001  Neu") << QStringLiteral("0058  Kind");
        QTest::newRow("gleich dem letzten, Name davor") << 59 << QStringLiteral("0010  Kind")
                                                        << QStringLiteral("0059  Kind");
    }
    void fuenfzigsterBleibtSchlechtererFaelltRaus()
    {
        QFETCH(int, neu);
        QFETCH(QString, erste);
        QFETCH(QString, letzte);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("BESTFANG.LST"));
        QByteArray inhalt;
        for (int i = 10; i < 60; ++i)
            inhalt += BestenEintrag(i, QStringLiteral("Kind")).toLatin1() + "\r\n";
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        Liste l(nullptr, QStringLiteral("Liste1"));
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.ListCount(), 50);
        l.AddItem(BestenEintrag(neu, QStringLiteral("Neu")));
        QCOMPARE(l.ListCount(), 51);
        QVERIFY(BestenlisteSpeichern(datei, &l));

        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = f.readAll().split('\n');
        QCOMPARE(zeilen.size(), 51); // 50 lines and the empty rest after the last LF
        QVERIFY(zeilen.last().isEmpty());
        QCOMPARE(QString::fromLatin1(zeilen.first()), erste + QStringLiteral("\r"));
        QCOMPARE(QString::fromLatin1(zeilen.at(49)), letzte + QStringLiteral("\r"));
    }
    void laden_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("eintraege");
        QTest::newRow("zwei Zeilen") << QByteArray("0006  Freund\r\n0002  Ida\r\n")
                                     << QStringList{QStringLiteral("0002  Ida"), QStringLiteral("0006  Freund")};
        QTest::newRow("ohne Zeilenende am Schluss") << QByteArray("0006  Freund")
                                                    << QStringList{QStringLiteral("0006  Freund")};
        QTest::newRow("Windows-1252") << QByteArray("0004  J\xF6rg\r\n") << QStringList{QStringLiteral("0004  Jörg")};
        QTest::newRow("leere Zeilen fallen weg") << QByteArray("\r\n0006  Freund\r\n\r\n   \r\n")
                                                 << QStringList{QStringLiteral("0006  Freund")};
        QTest::newRow("Blanks davor") << QByteArray("   0006  Freund\r\n") << QStringList{QStringLiteral("0006  Freund")};
        QTest::newRow("in Anfuehrungszeichen") << QByteArray("\"0006  Freund\"\r\n")
                                               << QStringList{QStringLiteral("0006  Freund")};
        QTest::newRow("nur LF") << QByteArray("0006  Freund\n0001  Ali\n")
                                << QStringList{QStringLiteral("0001  Ali"), QStringLiteral("0006  Freund")};
    }
    void laden()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, eintraege);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("BESTSUCH.LST"));
        {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        Liste l(nullptr, QStringLiteral("Liste1"));
        l.AddItem(QStringLiteral("alt"));
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.eintraege(), eintraege);
    }
    void fehlendeDateiGibtLeereListe()
    {
        QTemporaryDir ordner;
        Liste l(nullptr, QStringLiteral("Liste1"));
        l.AddItem(QStringLiteral("0001  alt"));
        BestenlisteLaden(ordner.filePath(QStringLiteral("BESTFANG.LST")), &l);
        QCOMPARE(l.ListCount(), 0);
        // A folder in place of the file reads as missing.
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("BESTHANG.LST")));
        l.AddItem(QStringLiteral("0001  alt"));
        BestenlisteLaden(ordner.filePath(QStringLiteral("BESTHANG.LST")), &l);
        QCOMPARE(l.ListCount(), 0);
    }
    void leererNameUeberstehtLadenUndSpeichern()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("BESTHANG.LST"));
        Liste l(nullptr, QStringLiteral("Liste2"));
        l.AddItem(BestenEintrag(8, QString()));
        QVERIFY(BestenlisteSpeichern(datei, &l));
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.eintraege(), QStringList{QStringLiteral("0008  ")});
        QVERIFY(BestenlisteSpeichern(datei, &l));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0008  \r\n"));
    }
    void nameMitKommaBleibtEinEintrag()
    {
        // A comma in a name is part of the name: the line is one entry, also
        // when the list is read back.
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("BESTHANG.LST"));
        Liste l(nullptr, QStringLiteral("Liste2"));
        l.AddItem(BestenEintrag(4, QStringLiteral("Mei, Ling")));
        QVERIFY(BestenlisteSpeichern(datei, &l));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0004  Mei, Ling\r\n"));
        BestenlisteLaden(datei, &l);
        QCOMPARE(l.eintraege(), QStringList{QStringLiteral("0004  Mei, Ling")});
    }
    void unkodierbarerNameWirdFragezeichen()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("BESTHANG.LST"));
        Liste l(nullptr, QStringLiteral("Liste2"));
        l.AddItem(BestenEintrag(2, QStringLiteral("Łukasz")));
        l.AddItem(BestenEintrag(3, QStringLiteral("Jörg")));
        QVERIFY(BestenlisteSpeichern(datei, &l));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0002  ?ukasz\r\n0003  J\xF6rg\r\n"));
    }
    void nichtSchreibbarMeldetFehler_data()
    {
        QTest::addColumn<bool>("ordnerStattDatei");
        QTest::newRow("Ordner gleichen Namens") << true;
        QTest::newRow("Ordner fehlt") << false;
    }
    void nichtSchreibbarMeldetFehler()
    {
        QFETCH(bool, ordnerStattDatei);
        QTemporaryDir ordner;
        QString datei;
        if (ordnerStattDatei) {
            QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("BESTFANG.LST")));
            datei = ordner.filePath(QStringLiteral("BESTFANG.LST"));
        } else {
            datei = ordner.filePath(QStringLiteral("fehlt/BESTFANG.LST"));
        }
        Liste l(nullptr, QStringLiteral("Liste1"));
        l.AddItem(BestenEintrag(12, QStringLiteral("Freund")));
        QString fehler;
        QVERIFY(!BestenlisteSpeichern(datei, &l, &fehler));
        QVERIFY(fehler.startsWith(QStringLiteral("Die Datei \"BESTFANG.LST\" konnte nicht gespeichert werden.\r")));
        QCOMPARE(QFileInfo(datei).isDir(), ordnerStattDatei);
    }
    void sichernZeigtMeldungBeiFehler()
    {
        Spielprogramm t;
        QVERIFY(QDir(t.ordner.path()).mkdir(QStringLiteral("BESTSUCH.LST")));
        Liste l(nullptr, QStringLiteral("Liste1"));
        l.AddItem(BestenEintrag(5, QStringLiteral("Freund")));
        t.boxen.ok();
        BestenlisteSichern(*t.programm, QStringLiteral("BESTSUCH.LST"), &l, QStringLiteral("Wortgefängnis"));
        QCOMPARE(t.boxen.anzahl(), 1);
        const BoxEintrag &b = t.boxen.letzte();
        QVERIFY(b.text.startsWith(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.\r"
                                                 "Die Datei \"BESTSUCH.LST\" konnte nicht gespeichert werden.\r")));
        QVERIFY(b.text.endsWith(QLatin1Char('\r')));
        QCOMPARE(b.titel, QStringLiteral("Wortgefängnis"));
        QCOMPARE(b.knoepfe, Knoepfe::OK);
        QCOMPARE(b.symbol, Symbol::Stop);

        // Saving that works shows nothing.
        BestenlisteSichern(*t.programm, QStringLiteral("BESTHANG.LST"), &l, QStringLiteral("Galgenspiel"));
        QCOMPARE(t.boxen.anzahl(), 1);
        QCOMPARE(t.lesen(QStringLiteral("BESTHANG.LST")), QByteArray("0005  Freund\r\n"));
    }
};

QTEST_MAIN(TestBestenliste)
#include "tst_bestenliste.moc"
