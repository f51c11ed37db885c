// The bytes of word-list files: the fields, the check for the teacher, the encodings and the safe writer.
#include "lists/Dateien.h"
#include "lists/Listenpruefung.h"
#include "support/Testprogramm.h"

#include "basis/Zufall.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>

namespace {

const QString kKopf = QStringLiteral("Die Liste wurde geladen. Bitte prüfen Sie:\r");
const QString kTipp1 = kKopf + QStringLiteral("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen und wird nicht abgefragt: ");
const QString kTippN = kKopf + QStringLiteral("- %1 Wörter lassen sich auf einer deutschen Tastatur nicht bis zum Ende tippen und werden nicht abgefragt: ");
const QString kDoppelt1 = QStringLiteral("- 1 Wort steht ein zweites Mal in der Liste (gleich oder in anderer Groß- und Kleinschreibung): ");
const QString kDoppeltN = QStringLiteral("- %1 Wörter stehen ein zweites Mal in der Liste (gleich oder in anderer Groß- und Kleinschreibung): ");

} // namespace

class TestDateien : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// The fields of a word list, and what the check after loading tells the teacher.
    void felder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Anführungszeichen, offen bis zum Ende") << "\"Haus, Maus,\",Baum\r\n\"\"\r\nHa\"us\r\n\"Haus\r\nMaus"
                                                               << QStringList{"Haus, Maus,", "Baum", "Ha\"us", "Haus\r\nMaus"} << kTipp1 + u("\"Haus□□Maus\"\r");
        const QString c1 = u("Ha") + QChar(0x81) + QChar(0x80) + u("us");  // C1 control characters, one from Windows-1252
        QTest::newRow("Steuerzeichen") << u("Ma\tus\r\n") + c1 + u("\r\nRa\x7F") << QStringList{"Ma\tus", c1, "Ra\x7F"}
                                       << kTippN.arg(3) + u("\"Ma□us\", \"Ha□□us\", \"Ra□\"\r");
        QTest::newRow("polnisch, mathematisch, mehr als drei") << u("Łódź,𝔸pfel\r\nc😀\r\nd😀\r\ne😀\r\nHaus\r\n")
                                                              << QStringList{"Łódź", "𝔸pfel", "c😀", "d😀", "e😀", "Haus"}
                                                              << kTippN.arg(5) + u("\"Łódź\", \"𝔸pfel\", \"c😀\", …\r");
        const QString lang = QString(29, QLatin1Char('x')) + u("😀🐭");
        QTest::newRow("nur geschützte Leerzeichen, langes Wort gekürzt") << u("\u00A0\u00A0\r\n") + lang << QStringList{u("\u00A0\u00A0"), lang}
            << kTippN.arg(2) + u("\"\u00A0\u00A0\", \"") + QString(29, QLatin1Char('x')) + u("😀…\"\r");
        QTest::newRow("andere Großschreibung") << u("Haus\r\nhaus\r\nMaus\r\nMAUS\r\nHaus\r\nhaus\r\n")
                                               << QStringList{"Haus", "haus", "Maus", "MAUS", "Haus", "haus"}
                                               << kKopf + kDoppeltN.arg(4) + u("\"haus\", \"MAUS\", \"Haus\", …\r");
        QTest::newRow("alles zusammen") << u(",Haus😀\r\nhaus😀\r\n") << QStringList{"Haus😀", "haus😀"}
                                        << kTippN.arg(2) + u("\"Haus😀\", \"haus😀\"\r") + kDoppelt1 + u("\"haus😀\"\r");
    }
    void felder()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, woerter);
        QCOMPARE(Dateien::felder(text), woerter);
        Listenbefund befund;
        QCOMPARE(Listenpruefung::lesen(text, befund), woerter);
        QTEST(befund.meldung(), "meldung");
    }

    /// Generated word lists come back as the program or other editors saved them, in every encoding.
    void rundreise()
    {
        const QString zeichen = u("aZäÖßé-1'.x");
        const QStringList trenner{u("\r\n"), u("\n"), u("\r"), u(","), u(",,"), u("\r\n\r\n , "), u("\n\t")};
        QTemporaryDir ordner;
        QByteArray gelesen;
        Zufall z;
        z.seed(7);
        for (int n = 0; n < 200; ++n) {
            QStringList woerter;
            QString text;
            for (int w = z.index(6); w > 0; --w) {
                woerter << QString();
                for (int i = 1 + z.index(8); i > 0; --i)
                    woerter.last() += zeichen.at(z.index(int(zeichen.size())));
                text += trenner.at(z.index(int(trenner.size()))) + woerter.last();
            }
            text += trenner.at(z.index(int(trenner.size())));
            const QString pfad = ordner.filePath(u("L%1.TXT").arg(n));
            QVERIFY(Dateien::zeilenSchreiben(pfad, woerter, nullptr));
            QCOMPARE(Dateien::felder(Dateien::dekodieren(dateiLesen(pfad))), woerter);
            const qint64 groesse = QFileInfo(pfad).size();  // a file as big as the limit is read, a byte more is not
            QVERIFY(Dateien::einlesen(pfad, gelesen, nullptr, groesse) == Dateien::Lesestand::Gelesen &&
                    Dateien::einlesen(pfad, gelesen, nullptr, groesse - 1) == Dateien::Lesestand::Abgelehnt);
            QByteArray cp1252;
            QVERIFY(Dateien::kodieren(text, cp1252));
            // The Unicode forms also hold what Windows-1252 cannot.
            const QString weit = n % 2 ? QString(text).replace(u("x"), u("Ł😀")) : text;
            for (const QByteArray &bytes : QList<QByteArray>{cp1252, weit.toUtf8(), "\xEF\xBB\xBF" + weit.toUtf8(),
                                            QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(weit),
                                            QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(weit)})
                QCOMPARE(Dateien::felder(Dateien::dekodieren(bytes)),
                         bytes == cp1252 || n % 2 == 0 ? woerter : QStringList(woerter).replaceInStrings(u("x"), u("Ł😀")));
        }
    }

    /// A word is named as a second one exactly when an earlier word is the same in capitals (ß has none).
    void doppelteWoerter()
    {
        const QString zeichen = u("aAäÄbBßs");
        Zufall z;
        z.seed(9);
        for (int n = 0; n < 100; ++n) {
            QStringList woerter, doppelt, gross;
            for (int w = z.index(80); w > 0; --w) {
                woerter << QString();
                for (int i = 1 + z.index(3); i > 0; --i)
                    woerter.last() += zeichen.at(z.index(int(zeichen.size())));
                const QString g = QString(woerter.last()).replace(u("ß"), u("\u1E9E")).toUpper();
                if (gross.contains(g))
                    doppelt << woerter.last();
                gross << g;
            }
            QCOMPARE(Listenpruefung::pruefen(woerter).doppelt, doppelt);
        }
    }

    void windows1252()
    {
        // Without NUL (read as a blank) and a valid UTF-8 sequence, every byte comes back as it went in.
        QByteArray alle;
        for (int b = 1; b < 256; ++b)
            alle.append(static_cast<char>(b));
        const QString text = Dateien::dekodieren(alle);
        QCOMPARE(QString(text.at(0x80 - 1)) + text.at(0x9F - 1), u("€Ÿ"));
        QByteArray zurueck;
        QVERIFY(Dateien::kodieren(text, zurueck));
        QCOMPARE(zurueck, alle);
        int kodierbar = 0;  // exactly the characters the bytes stand for can be written, each as its own byte
        for (char16_t c = 1; c != 0; ++c) {
            const bool ja = Dateien::kodieren(QString(QChar(c)), zurueck);
            kodierbar += ja;
            QVERIFY2(Dateien::kodierbar(QChar(c)) == ja && (!ja || Dateien::windows1252(zurueck) == QChar(c)), qPrintable(QString::number(c, 16)));
        }
        QCOMPARE(kodierbar, 255);
        // Written in Windows-1252 with CR LF; a word that cannot be written leaves the old file as it was.
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("LISTE.TXT");
        QString fehler;
        QVERIFY(Dateien::zeilenSchreiben(pfad, {"Ötzi", "groß", "€uro"}, &fehler));
        QCOMPARE(dateiLesen(pfad), QByteArray("\xD6tzi\r\ngro\xDF\r\n\x80uro\r\n"));
        QVERIFY(!Dateien::zeilenSchreiben(pfad, {"Haus", "Łódź"}, &fehler));
        QCOMPARE(fehler, u("Das Wort \"Łódź\" enthält ein Zeichen, das in der Datei nicht gespeichert werden kann."));
        QCOMPARE(dateiLesen(pfad), QByteArray("\xD6tzi\r\ngro\xDF\r\n\x80uro\r\n"));
        QVERIFY(!Dateien::zeilenSchreiben(ordner.filePath("fehlt/LISTE.TXT"), {"Haus"}, &fehler));
        QCOMPARE(fehler, u("Die Datei \"LISTE.TXT\" konnte nicht gespeichert werden.\rDie Datei oder ihr Ordner wurde nicht gefunden."));
    }

    /// UTF-8 is told from Windows-1252 by its byte sequences, UTF-16 by its byte-order mark.
    void dekodieren_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("erwartet");
        const QString ersatz(QChar(0xFFFD));
        // The combining marks from U+0300 to U+036F; a text without one stays as it is.
        QTest::newRow("erstes Zeichen") << QByteArray("Kre\xcc\x80me") << QStringList{u("Krème")};
        QTest::newRow("keins, U+0370") << QByteArray("\xe2\x84\xab,\xcd\xb0\xe2\x84\xab") << QStringList{u("\u212B"), u("\u0370\u212B")};
        QTest::newRow("letztes Zeichen") << QByteArray("\xe2\x84\xab\xcd\xaf") << QStringList{u("\u00C5\u036F")};
        QTest::newRow("LE NUL als Leerzeichen") << QByteArray("\xFF\xFEM\0\0\0a\0", 8) << QStringList{"M a"};
        QTest::newRow("LE letztes Byte allein") << QByteArray("\xFF\xFEM\0a\0\n\0x", 9) << QStringList{"Ma", ersatz};
        QTest::newRow("LE halbes Paar") << QByteArray("\xFF\xFE\x3D\xD8M\0", 6) << QStringList{ersatz + u("M")};
        QTest::newRow("BE zweite Hälfte allein") << QByteArray("\xFE\xFF\0M\xDE\x00", 6) << QStringList{u("M") + ersatz};
    }
    void dekodieren()
    {
        QFETCH(QByteArray, bytes);
        QTEST(Dateien::felder(Dateien::dekodieren(bytes)), "erwartet");
    }

    /// Generated bytes near the edges of UTF-8 are read as UTF-8 exactly when they are valid UTF-8 with
    /// a character beyond ASCII; everything else is Windows-1252. A NUL is a blank either way.
    void utf8Erkennen()
    {
        const QByteArray anfaenge("\0A\x7f\x80\xbf\xc0\xc1\xc2\xc3\xcc\xdf\xe0\xe2\xed\xef\xf0\xf4\xf5\xff", 19), folgen("\x80\x8f\x90\x9f\xa0\xbf");
        QRandomGenerator z(11);
        for (int n = 0; n < 40000; ++n) {
            QByteArray b;
            for (int i = z.bounded(4); i > 0; --i) {
                b += anfaenge.at(z.bounded(int(anfaenge.size())));
                for (int k = z.bounded(4); k > 0; --k)
                    b += folgen.at(z.bounded(int(folgen.size())));
            }
            const QString utf8 = QString::fromUtf8(b);
            const bool gueltig = utf8.toUtf8() == b && !utf8.contains(QChar::ReplacementCharacter) &&
                                 std::any_of(b.begin(), b.end(), [](char c) { return c & 0x80; });
            QVERIFY2(Dateien::istUtf8MitUmlauten(QByteArrayView(b + "\x80").first(b.size())) == gueltig, b.toHex(' '));  // never past its end
            QCOMPARE(Dateien::dekodieren(b), Dateien::zusammensetzen(QString(gueltig ? utf8 : Dateien::windows1252(b)).replace(QChar(0), u' ')));
        }
    }
};

QTEST_MAIN(TestDateien)
#include "tst_dateien.moc"
