#include "lists/Dateien.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QKeyEvent>
#include <QTest>

/// The bytes of the word-list files: the field reader, Windows-1252 and
/// UTF-8 (also with decomposed umlauts), the safe writer, and files that are
/// no word lists at all.

class TestDateien : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void felder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("eine Zeile je Wort") << "Haus\r\nMaus\r\n" << QStringList{"Haus", "Maus"};
        QTest::newRow("Komma und Leerzeichen") << "Haus, Maus\r\n" << QStringList{"Haus", "Maus"};
        QTest::newRow("nur LF") << "Haus\nMaus" << QStringList{"Haus", "Maus"};
        QTest::newRow("nur CR") << "Haus\rMaus\r" << QStringList{"Haus", "Maus"};
        QTest::newRow("leere Zeilen") << "\r\n\r\nHaus\r\n\r\n\r\nMaus\r\n\r\n" << QStringList{"Haus", "Maus"};
        QTest::newRow("nur leere Zeilen") << "\r\n\r\n\r\n" << QStringList{};
        QTest::newRow("zwei Kommas") << "Haus,,Maus" << QStringList{"Haus", "Maus"};
        QTest::newRow("Leerzeichen davor") << "   Haus\r\n\tMaus" << QStringList{"Haus", "Maus"};
        QTest::newRow("doppelt") << "Haus\r\nHaus\r\n" << QStringList{"Haus", "Haus"};
        QTest::newRow("Anführungszeichen mit Komma") << "\"Haus, Maus\",Baum" << QStringList{"Haus, Maus", "Baum"};
        QTest::newRow("leere Anführungszeichen") << "\"\"\r\nBaum" << QStringList{"Baum"};
        QTest::newRow("offenes Anführungszeichen") << "\"Haus\r\nMaus" << QStringList{"Haus\r\nMaus"};
        QTest::newRow("Anführungszeichen im Wort") << "Ha\"us" << QStringList{"Ha\"us"};
        QTest::newRow("ohne letztes Zeilenende") << "Haus" << QStringList{"Haus"};
        QTest::newRow("leer") << QString() << QStringList{};
    }
    void felder()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, erwartet);
        QCOMPARE(Dateien::felder(text), erwartet);
    }
    void jedesByteUeberlebt()
    {
        // Without NUL (read as a blank) and without a valid UTF-8 sequence, every
        // byte comes back as it went in.
        QByteArray alle;
        for (int b = 1; b < 256; ++b)
            alle.append(static_cast<char>(b));
        const QString text = Dateien::dekodieren(alle);
        QCOMPARE(text.size(), 255);
        QCOMPARE(text.at(0xE4 - 1), QChar(u'ä'));
        QCOMPARE(text.at(0x80 - 1), QChar(u'€'));
        QCOMPARE(text.at(0x9F - 1), QChar(u'Ÿ'));
        QByteArray zurueck;
        QVERIFY(Dateien::kodieren(text, zurueck));
        QCOMPARE(zurueck, alle);
    }
    void utf8WirdErkannt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("UTF-8") << QByteArray("\xC3\x96tzi\r\ngro\xC3\x9F\r\n") << QStringList{"Ötzi", "groß"};
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBFHaus\r\n") << QStringList{"Haus"};
        QTest::newRow("Windows-1252") << QByteArray("\xD6tzi\r\ngro\xDF\r\n") << QStringList{"Ötzi", "groß"};
        QTest::newRow("gemischt ist 1252") << QByteArray("\xC3\x96tzi\r\n\xE4") << QStringList{"Ã–tzi", "ä"};
        QTest::newRow("ä zerlegt") << QByteArray("Ba\xcc\x88r\r\n") << QStringList{"Bär"};
        QTest::newRow("Ö zerlegt mit BOM") << QByteArray("\xef\xbb\xbfO\xcc\x88tzi\r\n") << QStringList{"Ötzi"};
        QTest::newRow("abgeschnittenes UTF-8 am Ende") << QByteArray("B\xc3") << QStringList{"BÃ"};
        QTest::newRow("überlange Form") << QByteArray("\xc0\xaf") << QStringList{"À¯"};
        QTest::newRow("Ersatzzeichenbereich") << QByteArray("\xed\xa0\x80") << QStringList{u("í\u00a0€")};
        QTest::newRow("Ende des Ersatzzeichenbereichs") << QByteArray("\xed\xbf\xbf") << QStringList{u("í¿¿")};
        QTest::newRow("vor dem Ersatzzeichenbereich") << QByteArray("\xed\x9f\xbf") << QStringList{u("\ud7ff")};
        QTest::newRow("vierstellig") << QByteArray("\xf0\x9f\x98\x80") << QStringList{u("\U0001F600")};
        QTest::newRow("jenseits von Unicode") << QByteArray("\xf4\x90\x80\x80") << QStringList{u("ô\u0090€€")};
        QTest::newRow("NUL als Leerzeichen") << QByteArray("a\0b", 3) << QStringList{"a b"};
    }
    void utf8WirdErkannt()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, erwartet);
        QCOMPARE(Dateien::felder(Dateien::dekodieren(bytes)), erwartet);
    }
    void schreibenInWindows1252()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("LISTE.TXT");
        QString fehler;
        QVERIFY(Dateien::zeilenSchreiben(pfad, {"Ötzi", "groß", "€uro"}, &fehler));
        QCOMPARE(dateiLesen(pfad), QByteArray("\xD6tzi\r\ngro\xDF\r\n\x80uro\r\n"));
        // A word that cannot be written leaves the old file as it was.
        QVERIFY(!Dateien::zeilenSchreiben(pfad, {"Haus", "Łódź"}, &fehler));
        QCOMPARE(fehler, u("Das Wort \"Łódź\" enthält ein Zeichen, das in der Datei nicht gespeichert werden kann."));
        QCOMPARE(dateiLesen(pfad), QByteArray("\xD6tzi\r\ngro\xDF\r\n\x80uro\r\n"));
        QVERIFY(!Dateien::zeilenSchreiben(ordner.filePath("fehlt/LISTE.TXT"), {"Haus"}, &fehler));
        QVERIFY(fehler.startsWith(QStringLiteral("Die Datei \"LISTE.TXT\" konnte nicht gespeichert werden.\r")));
    }
    void zerlegteUmlauteTippen()
    {
        Testprogramm t("LISTE.TXT", "Ba\xcc\x88r\r\n");
        t.f1().Befehl21_Click();
        QCOMPARE(t.m().Loesungswort, u("Bär"));
        // "ä" typed as a base letter with a combining mark in one event.
        for (const QString &taste : {u("B"), u("a\u0308")}) {
            QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, taste);
            QApplication::sendEvent(t.f1().Bezeichnung2, &ev);
        }
        QCOMPARE(t.m().Eingabe, u("Bä"));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestDateien)
#include "tst_dateien.moc"
