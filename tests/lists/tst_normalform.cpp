#include "support/Testprogramm.h"

#include "lists/Dateien.h"
#include "ui/Dateibrowser.h"

#include <QKeyEvent>
#include <QTest>


class TestNormalform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zerlegteUmlauteAusDatei_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("woerter");
        QTest::newRow("ä zerlegt") << QByteArray("Ba\xcc\x88r\r\n") << QStringList{QStringLiteral("Bär")};
        QTest::newRow("Ö zerlegt mit BOM") << QByteArray("\xef\xbb\xbfO\xcc\x88tzi\r\n")
                                            << QStringList{QStringLiteral("Ötzi")};
        QTest::newRow("schon zusammengesetzt") << QByteArray("B\xc3\xa4r\r\n") << QStringList{QStringLiteral("Bär")};
    }
    void zerlegteUmlauteAusDatei()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, woerter);
        QCOMPARE(Dateien::felder(Dateien::dekodieren(bytes)), woerter);
    }
    void utf8Erkennung_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("Windows-1252") << QByteArray("B\xe4r") << QStringLiteral("Bär");
        QTest::newRow("UTF-8") << QByteArray("B\xc3\xa4r") << QStringLiteral("Bär");
        QTest::newRow("abgeschnittenes UTF-8 am Ende") << QByteArray("B\xc3") << QStringLiteral("BÃ");
        QTest::newRow("überlange Form") << QByteArray("\xc0\xaf") << QStringLiteral("À¯");
        QTest::newRow("Ersatzzeichenbereich") << QByteArray("\xed\xa0\x80") << QStringLiteral("í\u00a0€");
        QTest::newRow("nur ASCII") << QByteArray("Haus") << QStringLiteral("Haus");
        QTest::newRow("NUL als Leerzeichen") << QByteArray("a\0b", 3) << QStringLiteral("a b");
    }
    void utf8Erkennung()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Dateien::dekodieren(bytes), text);
    }
    void zerlegteListeTippenUndSpeichern()
    {
        Testprogramm t(1, false);
        t.datei(QStringLiteral("LISTE.TXT"), QByteArray("Ba\xcc\x88r\r\n"));
        t.start();
        QCOMPARE(t.f1().Liste1->eintraege(), QStringList{QStringLiteral("Bär")});
        t.f1().Befehl21_Click();
        QCOMPARE(t.m().Loesungswort, QStringLiteral("Bär"));
        // "ä" typed as a base letter with a combining mark in one event.
        for (const QString &taste : {QStringLiteral("B"), QStringLiteral("a\u0308")}) {
            QKeyEvent ev(QEvent::KeyPress, 0, Qt::NoModifier, taste);
            QApplication::sendEvent(t.f1().Bezeichnung2, &ev);
        }
        QCOMPARE(t.m().Eingabe, QStringLiteral("Bä"));
        QCOMPARE(t.boxen.anzahl(), 0);
        QVERIFY(Dateien::zeilenSchreiben(t.programm->datei(QStringLiteral("NEU.TXT")), t.f1().Liste1->eintraege()));
        QCOMPARE(t.lesen(QStringLiteral("NEU.TXT")), QByteArray("B\xe4r\r\n"));
    }
};

QTEST_MAIN(TestNormalform)
#include "tst_normalform.moc"
