// The help window and the program-information window.
#include "support/Testprogramm.h"

#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "ui/Twips.h"

#include <QScreen>
#include <QTest>


class TestInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hilfefenster()
    {
        Testprogramm t;
        QTest::mouseClick(t.f1().Bild7, Qt::LeftButton);
        QVERIFY(t.programm->hatForm7());
        Form7 &h = t.programm->form7();
        QVERIFY(h.isVisible());
        QVERIFY(t.f1().isVisible());
        QCOMPARE(t.m().Hilfethema, short(1));
        QCOMPARE(h.Caption(), QStringLiteral("Tippolo: Hilfe"));
        QCOMPARE(h.width(), Twips::zuPixel(4395));
        QCOMPARE(h.height(), Twips::zuPixel(6870));
        QCOMPARE(h.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(h.font().pointSizeF(), 9.75);
        QCOMPARE(h.Befehl1->Caption(), QStringLiteral("Fertig"));
        QCOMPARE(Twips::links(h.Befehl1), 1560);
        QCOMPARE(Twips::oben(h.Befehl1), 6240);
        QCOMPARE(Twips::breite(h.Befehl1), 1335);
        QCOMPARE(Twips::hoehe(h.Befehl1), 495);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void hilfeseiten_data()
    {
        QTest::addColumn<int>("seite");
        QTest::addColumn<QString>("erste");
        QTest::addColumn<QString>("letzte");
        QTest::addColumn<QList<int>>("leerzeilen");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("Seite 1") << 1 << "  Das Programm ist weitgehend selbsterklärend"
                                 << "  eine versehentliche Veränderung zu verhindern." << QList<int>{1, 4, 11, 15, 19}
                                 << 25;
        // Page 2 ends with the report's notebook icon.
        QTest::newRow("Seite 2") << 2 << "  Über den Sandeimer wird eingestellt, nach"
                                 << "  Das Heft-Symbol zeigt den Fehlerbericht."
                                 << QList<int>{1, 4, 7, 11, 14, 17, 20, 23, 26} << 27;
    }
    void hilfeseiten()
    {
        QFETCH(int, seite);
        QFETCH(QString, erste);
        QFETCH(QString, letzte);
        QFETCH(QList<int>, leerzeilen);
        QFETCH(int, zeilen);
        Testprogramm t;
        t.m().Hilfethema = static_cast<short>(seite);
        Form7 &h = t.programm->form7();
        h.zeigen();
        const Zeichnung &z = h.zeichnung();

        // The lines, printed one below the other from the top-left corner.
        QCOMPARE(z.CurrentY, zeilen * z.zeilenhoehe());
        QCOMPARE(z.inhalt().size(), zeilen - leerzeilen.size());
        QCOMPARE(z.inhalt().first().text, erste);
        QCOMPARE(z.inhalt().last().text, letzte);
        QList<int> belegt;
        for (const Schriftzug &s : z.inhalt()) {
            QCOMPARE(s.x, 0);
            QVERIFY2(s.text.startsWith(QLatin1String("  ")) && s.text.at(2) != QLatin1Char(' '), qPrintable(s.text));
            QCOMPARE(s.y % z.zeilenhoehe(), 0);
            belegt << s.y / z.zeilenhoehe() + 1;
        }
        for (int zeile = 1; zeile <= zeilen; ++zeile)
            QCOMPARE(belegt.contains(zeile), !leerzeilen.contains(zeile));
        QCOMPARE(Form7::Seite(seite).size(), zeilen);
    }
    void zweimalGeoeffnetWechseltDieSeite()
    {
        Testprogramm t;
        t.f1().Bild7_Click();
        Form7 &h = t.programm->form7();
        QCOMPARE(h.zeichnung().inhalt().first().text, QStringLiteral("  Das Programm ist weitgehend selbsterklärend"));

        // The settings window opens page 2 the same way while the help is open
        // (and still the active window).
        t.m().Hilfethema = 2;
        h.zeigen();
        QCOMPARE(h.zeichnung().inhalt().first().text, QStringLiteral("  Über den Sandeimer wird eingestellt, nach"));
        QCOMPARE(h.zeichnung().inhalt().size(), 18);

        // Back to the main window and its help icon: page 1 again.
        t.programm->aktiviert(&t.f1());
        t.f1().Bild7_Click();
        QCOMPARE(t.m().Hilfethema, short(1));
        QCOMPARE(h.zeichnung().inhalt().first().text, QStringLiteral("  Das Programm ist weitgehend selbsterklärend"));
        QCOMPARE(h.zeichnung().inhalt().size(), 20);
        t.f1().Bild7_Click();
        QCOMPARE(h.zeichnung().inhalt().size(), 20);
    }
    void fertigVerbirgtNurDieHilfe()
    {
        Testprogramm t;
        t.f1().Bild7_Click();
        Form7 &h = t.programm->form7();
        QTest::mouseClick(h.Befehl1, Qt::LeftButton);
        QVERIFY(h.isHidden());
        QVERIFY(t.f1().isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
        // Shown again, it draws its page again.
        t.f1().Bild7_Click();
        QVERIFY(h.isVisible());
        QCOMPARE(h.zeichnung().inhalt().size(), 20);
    }
    void hilfeStehtNebenDemOeffner()
    {
        Testprogramm t;
        const QRect platz = t.f1().screen()->availableGeometry();
        Form7 &h = t.programm->form7();
        Fenster schmal(*t.programm, QStringLiteral("Schmal"), QStringLiteral("Schmal"), 3000, 3000);

        // A narrow window at the left edge: the help stands to its right.
        schmal.move(platz.topLeft() + QPoint(10, 20));
        schmal.zeigen();
        t.m().Hilfethema = 2;
        h.zeigen();
        QVERIFY2(h.frameGeometry().left() > schmal.frameGeometry().right(), "help covers its opener");
        QCOMPARE(h.frameGeometry().top(), schmal.frameGeometry().top());
        QVERIFY(platz.contains(h.frameGeometry()));
        h.verbergen();

        // At the right edge of the screen: the help goes to its left.
        schmal.move(platz.right() + 1 - schmal.frameGeometry().width(), platz.top() + 20);
        h.zeigen();
        QVERIFY2(h.frameGeometry().right() < schmal.frameGeometry().left(), "help covers its opener");
        QVERIFY(platz.contains(h.frameGeometry()));
        h.verbergen();
        schmal.verbergen();

        // No room on either side: the help stays on the screen.
        t.f1().move(platz.topLeft());
        t.f1().Bild7_Click();
        QVERIFY(platz.contains(h.frameGeometry()));
        h.verbergen();
    }
    void infofenster()
    {
        Testprogramm t;
        t.f1().Bild16_Click();
        TPOLABEL &i = t.programm->tpolabel();
        QCOMPARE(i.Caption(), QStringLiteral("Programm-Info"));
        QCOMPARE(i.Bezeichnung1->Caption(), QStringLiteral("O k a y"));
        QCOMPARE(i.Bezeichnung1->FontSize(), 18.0);
        QVERIFY(i.Bezeichnung1->FontBold());
        QCOMPARE(i.Bezeichnung1->ForeColor(), QColor(Qt::red));
        QCOMPARE(i.Bezeichnung1->BackColor(), QColor(0, 0, 128));
        QString name;
        for (Bezeichnung *b : i.Namensbuchstaben) {
            name += b->Caption();
            QCOMPARE(b->FontSize(), 18.0);
            QVERIFY(b->FontBold());
        }
        QCOMPARE(name, QStringLiteral("Tippolo"));
        QCOMPARE(i.Bezeichnung2->Caption(), QStringLiteral("Release 13.08.2005"));
        QCOMPARE(i.Bild1->Picture(), QStringLiteral(":/icons/tippolo.svg"));

        // Centred across, in the upper quarter of the screen.
        const QRect platz = i.screen()->availableGeometry();
        const QRect rahmen = i.frameGeometry();
        QCOMPARE(rahmen.left(), platz.left() + (platz.width() - rahmen.width()) / 2);
        QCOMPARE(rahmen.top(), platz.top() + (platz.height() - rahmen.height()) / 4);
    }
    void infofensterBringtHauptfensterZurueck_data()
    {
        QTest::addColumn<QString>("weg");
        QTest::newRow("O k a y") << "Bezeichnung1";
        QTest::newRow("Bild") << "Bild1";
        QTest::newRow("Fensterrahmen") << "schliessen";
    }
    void infofensterBringtHauptfensterZurueck()
    {
        QFETCH(QString, weg);
        Testprogramm t;
        Form1 &f = t.f1();
        const QString wort = t.m().Loesungswort;
        const QString anzeige = f.Bezeichnung1->Caption();
        t.m().Eingabe = wort.left(1);
        f.Bezeichnung2->setCaption(t.m().Eingabe);
        const QPoint ort = f.pos();

        QTest::mouseClick(f.Bild16, Qt::LeftButton);
        TPOLABEL &i = t.programm->tpolabel();
        QVERIFY(f.isHidden());
        QVERIFY(i.isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &i);

        if (weg == QLatin1String("schliessen"))
            i.close();
        else
            QTest::mouseClick(i.findChild<QWidget *>(weg), Qt::LeftButton);
        QVERIFY(i.isHidden());
        QVERIFY(f.isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &f);
        QCOMPARE(f.pos(), ort);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.m().Eingabe, wort.left(1));
        QCOMPARE(f.Bezeichnung1->Caption(), anzeige);
        QCOMPARE(f.Bezeichnung2->Caption(), wort.left(1));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
