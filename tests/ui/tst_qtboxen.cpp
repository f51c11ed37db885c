// The real boxes, set up but never shown: German buttons, the default and Escape ones, the text's own lines.
#include "ui/Boxen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

class TestQtBoxen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void meldung_data()
    {
        QTest::addColumn<int>("knoepfe");
        QTest::addColumn<int>("standard");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");  // text shown, buttons, default, Escape
        QTest::newRow("OK") << int(Knoepfe::OK) << int(Antwort::OK) << "Unter der <b>Ampel</b>\raktiven"
                            << QStringList{"Unter der <b>Ampel</b>\naktiven", "OK", "OK", "OK"};
        QTest::newRow("Nein vorgegeben") << int(Knoepfe::JaNein) << int(Antwort::Nein) << "frei!\n\rMöchtest du?\n\r"
                                         << QStringList{"frei!\nMöchtest du?", "Ja Nein", "Nein", "Nein"};
    }
    void meldung()
    {
        QFETCH(int, knoepfe);
        QFETCH(int, standard);
        QFETCH(QString, text);
        Meldungsbox box(nullptr, text, QStringLiteral("Titel"), Knoepfe(knoepfe), Symbol::Stop, Antwort(standard));
        QStringList texte;
        for (QPushButton *b : box.knoepfe())
            texte << b->text();
        texte.sort();
        QVERIFY(box.standardKnopf()->isDefault());
        QTEST((QStringList{box.textfeld()->text(), texte.join(' '), box.standardKnopf()->text(), box.escapeKnopf()->text()}), "erwartet");
        QVERIFY(box.textfeld()->textFormat() == Qt::PlainText && box.windowTitle() == QStringLiteral("Titel"));
        // Escape and the frame answer as the Escape button; a button answers as itself.
        box.reject();
        QCOMPARE(box.antwort(), Knoepfe(knoepfe) == Knoepfe::OK ? Antwort::OK : Antwort::Nein);
        box.standardKnopf()->click();
        QCOMPARE(box.antwort(), Antwort(standard));
    }
    void gezeigt()
    {
        // Shown for real with no window of the program open: the keys answer, the input box gives what was typed.
        QtBoxen boxen;
        QTimer hand;
        std::function<void(QWidget *)> tun;
        hand.callOnTimeout([&] {
            if (QWidget *box = QApplication::activeModalWidget(); box && tun)
                std::exchange(tun, nullptr)(box);
        });
        hand.start(20);
        const auto taste = [](Qt::Key k) { return [k](QWidget *box) { QTest::keyClick(box, k); }; };
        tun = taste(Qt::Key_Escape);
        QCOMPARE(boxen.meldung(u"Ende?"_qs, u"Ende"_qs, Knoepfe::JaNein, Symbol::Frage, Antwort::Ja), Antwort::Nein);
        tun = taste(Qt::Key_Return);
        QCOMPARE(boxen.meldung(u"Ende?"_qs, u"Ende"_qs, Knoepfe::JaNein, Symbol::Frage, Antwort::Ja), Antwort::Ja);
        tun = [](QWidget *box) {
            box->findChild<QLineEdit *>()->setText(u"Jörg"_qs);
            QTest::keyClick(box, Qt::Key_Return);
        };
        QCOMPARE(boxen.eingabe(u"Name:"_qs, u"Name"_qs, QString()), u"Jörg"_qs);
    }
    void zeilenBleiben()
    {
        // Each line stays one and the box is as wide as the longest; only a line wider than the screen breaks.
        QRandomGenerator zufall(19);
        const int schirm = QGuiApplication::primaryScreen()->availableGeometry().width();
        const QFontMetrics fm(QtBoxen::boxSchrift(nullptr));
        for (int n = 0; n < 60; ++n) {
            QStringList zeilen;
            int breit = 0;
            for (int z = 0, anzahl = 1 + zufall.bounded(5); z < anzahl; ++z) {
                QString zeile(1 + zufall.bounded(n % 3 ? 50 : 150), u' ');
                for (QChar &c : zeile)
                    c = zufall.bounded(6) ? QChar(u'a' + zufall.bounded(26)) : QChar(u' ');
                zeilen << zeile + u'.';
                breit = std::max(breit, fm.horizontalAdvance(zeilen.last()));
            }
            Meldungsbox box(nullptr, zeilen.join('\r') + '\r', QStringLiteral("T"), Knoepfe::JaNein, Symbol::Frage, Antwort::Nein);
            const QLabel *l = box.textfeld();
            QVERIFY(l->text() == zeilen.join('\n') && box.sizeHint().width() <= schirm);
            if (l->wordWrap())
                QVERIFY2(breit > schirm / 2 && l->width() < breit, qPrintable(l->text()));
            else
                QVERIFY2(l->maximumWidth() >= breit && l->sizeHint().width() >= breit && l->sizeHint().width() <= breit + 4, qPrintable(l->text()));
        }
    }
};

QTEST_MAIN(TestQtBoxen)

#include "tst_qtboxen.moc"
