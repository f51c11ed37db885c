// The help window beside its opener and the program-information window.
#include "support/Testprogramm.h"

#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "lists/Form8.h"

#include <QScreen>
#include <QTest>

class TestInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hilfeseiten()
    {
        Testprogramm t;
        QTest::mouseClick(t.f1().Bild7, Qt::LeftButton);
        Form7 &h = t.programm->form7();
        QVERIFY(h.isVisible() && t.f1().isVisible() && t.m().Hilfethema == 1);
        const Zeichnung &z = h.zeichnung();
        // 25 lines, printed one below the other from the top-left corner, the empty ones left out.
        QCOMPARE(z.CurrentY, 25 * z.zeilenhoehe());
        QCOMPARE(z.inhalt().size(), 20);
        QCOMPARE(z.inhalt().first().text, u("  Das Programm ist weitgehend selbsterklärend"));
        QCOMPARE(QPoint(z.inhalt().at(1).x, z.inhalt().at(1).y), QPoint(0, 2 * z.zeilenhoehe()));
        // The settings window opens page 2 the same way while the help is open.
        t.m().Hilfethema = 2;
        h.zeigen();
        QCOMPARE(z.inhalt().first().text, u("  Über den Sandeimer wird eingestellt, nach"));
        // Page 2 ends with a paragraph on the report's notebook icon.
        QCOMPARE(z.inhalt().size(), 18);
        // Back to the main window and its help icon: page 1 again, drawn once.
        // Only the window system's activation makes a window the active one.
        t.programm->aktiviert(&t.f1());
        QEvent neben(QEvent::Enter), aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&h, &neben);
        QCOMPARE(t.programm->aktivesFenster(), &t.f1());
        QCoreApplication::sendEvent(&h, &aktiv);
        QCOMPARE(t.programm->aktivesFenster(), &h);
        t.programm->aktiviert(&t.f1());
        t.f1().Bild7_Click();
        QCOMPARE(z.inhalt().size(), 20);
        QTest::mouseClick(h.Befehl1, Qt::LeftButton);
        QVERIFY(h.isHidden() && t.f1().isVisible() && t.programm->aktivesFenster() == &t.f1());
    }
    void hilfeStehtNebenDemOeffner()
    {
        Testprogramm t;
        const QRect platz = t.f1().screen()->availableGeometry();
        Form7 &h = t.programm->form7();
        Fenster links(*t.programm, u("Links"), u("Links"), 3000, 3000), rechts(*t.programm, u("Rechts"), u("Rechts"), 3000, 3000);
        links.move(platz.topLeft() + QPoint(10, 20));
        rechts.move(platz.right() + 1 - 3 * links.width() / 2, platz.top() + 40);
        // A narrow window at the left edge: the help stands to its right.
        links.zeigen();
        h.zeigen();
        QVERIFY(h.frameGeometry().left() > links.frameGeometry().right() && h.y() == links.y());
        // Opened from another window while still shown: beside that one, at its left.
        rechts.zeigen();
        h.zeigen();
        QVERIFY(h.frameGeometry().right() < rechts.frameGeometry().left() && h.y() == rechts.y());
        QVERIFY(platz.contains(h.frameGeometry()));
        for (Fenster *f : std::initializer_list<Fenster *>{&h, &rechts, &links})
            f->verbergen();
        // No room on either side: the help stays on the screen.
        t.f1().move(platz.topLeft());
        t.f1().Bild7_Click();
        QVERIFY(platz.contains(h.frameGeometry()));
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
        const QString wort = t.m().Loesungswort, anzeige = f.Bezeichnung1->Caption();
        t.m().Eingabe = wort.left(1);
        const QPoint ort = f.pos();
        QTest::mouseClick(f.Bild16, Qt::LeftButton);
        TPOLABEL &i = t.programm->tpolabel();
        QVERIFY(f.isHidden() && i.isVisible() && t.programm->aktivesFenster() == &i);
        if (weg == QLatin1String("schliessen"))
            i.close();
        else
            QTest::mouseClick(i.findChild<QWidget *>(weg), Qt::LeftButton);
        QVERIFY(i.isHidden() && f.isVisible() && t.programm->aktivesFenster() == &f && f.pos() == ort);
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe, f.Bezeichnung1->Caption()}),
                 (QStringList{wort, wort.left(1), anzeige}));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
