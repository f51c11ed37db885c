// Lists saved as UTF-16.
#include "lists/Dateien.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QTest>

namespace {

QByteArray bytes(const char *roh, int n)
{
    return QByteArray(roh, n);
}

} // namespace

class TestUtf16 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Bytes as a Windows editor saves them ("Unicode" and "Unicode big endian").
    void utf16_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("woerter");
        QTest::newRow("LE") << bytes("\xFF\xFEM\0a\0u\0s\0\r\0\n\0H\0a\0u\0s\0\r\0\n\0", 26)
                            << QStringList{u("Maus"), u("Haus")};
        QTest::newRow("BE") << bytes("\xFE\xFF\0M\0a\0u\0s\0\r\0\n\0H\0a\0u\0s\0\r\0\n", 26)
                            << QStringList{u("Maus"), u("Haus")};
        QTest::newRow("LE Umlaute und Komma") << bytes("\xFF\xFE\xD6\0t\0z\0i\0,\0 \0g\0r\0o\0\xDF\0", 22)
                                              << QStringList{u("Ötzi"), u("groß")};
        QTest::newRow("BE Umlaute") << bytes("\xFE\xFF\0\xC4\0p\0f\0e\0l\0\n\0\xFC\0b\0e\0r", 22)
                                    << QStringList{u("Äpfel"), u("über")};
        QTest::newRow("LE Euro") << bytes("\xFF\xFE\xAC\x20u\0r\0o\0", 10) << QStringList{u("€uro")};
        QTest::newRow("LE Emoji") << bytes("\xFF\xFEH\0a\0u\0s\0\x3D\xD8\x00\xDE\r\0\n\0", 18)
                                  << QStringList{u("Haus😀")};
        QTest::newRow("BE Emoji") << bytes("\xFE\xFF\xD8\x3D\xDE\x00\0H\0a\0u\0s", 14) << QStringList{u("😀Haus")};
        QTest::newRow("LE zerlegtes ä") << bytes("\xFF\xFE" "B\0a\0\x08\x03r\0", 10) << QStringList{u("Bär")};
        QTest::newRow("LE NUL als Leerzeichen") << bytes("\xFF\xFEM\0\0\0a\0", 8) << QStringList{u("M a")};
        QTest::newRow("LE nur die Marke") << bytes("\xFF\xFE", 2) << QStringList{};
        QTest::newRow("BE nur die Marke") << bytes("\xFE\xFF", 2) << QStringList{};
        QTest::newRow("LE letztes Byte allein") << bytes("\xFF\xFEM\0a\0\n\0x", 9)
                                                << QStringList{u("Ma"), QString(QChar(0xFFFD))};
        QTest::newRow("LE halbes Paar") << bytes("\xFF\xFE\x3D\xD8M\0", 6)
                                        << QStringList{QString(QChar(0xFFFD)) + u("M")};
        QTest::newRow("BE zweite Hälfte allein") << bytes("\xFE\xFF\0M\xDE\x00", 6)
                                                 << QStringList{u("M") + QChar(0xFFFD)};
        // A lone FF at the start is Windows-1252 "ÿ", as before.
        QTest::newRow("nur FF") << bytes("\xFFM", 2) << QStringList{u("ÿM")};
    }
    void utf16()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, woerter);
        QCOMPARE(Dateien::felder(Dateien::dekodieren(inhalt)), woerter);
    }

    // A UTF-16 list through the file browser: loaded, counted, shown.
    void utf16Laden()
    {
        Testprogramm t;
        t.datei(u("UNICODE.TXT"), bytes("\xFF\xFE\xD6\0t\0z\0i\0\r\0\n\0g\0r\0o\0\xDF\0\r\0\n\0", 26));
        t.f1().Datei1->Refresh();
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->eintraege(), (QStringList{u("groß"), u("Ötzi")}));
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 2 Wörter )"));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestUtf16)
#include "tst_utf16.moc"
