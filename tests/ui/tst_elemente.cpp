// The elements and the program drawn big: lists, clicks, drives, key codes, factors, captions, pictures, pages.
#include "support/Testprogramm.h"

#include "basis/Zeichen.h"

#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Liste.h"
#include "ui/Twips.h"
#include "windows/Form8.h"
#include "windows/TPOLABEL.h"
#include "windows/fang.h"
#include "windows/galgen.h"

#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QRandomGenerator>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QTest>

class TestElemente : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sortierung()
    {
        // Generated words, added one by one or many at once, in the order of a simple key (equal keys as they
        // came); the entry chosen moves with them, a removal before it moves it up, of it ends the choice.
        QRandomGenerator z(31);
        const auto schluessel = [](const QString &w) {
            return w.toLower().replace(u("ä"), "a").replace(u("ö"), "o").replace(u("ü"), "u").replace(u("ß"), "ss");
        };
        const QString buchstaben = u("aAäÄbBoÖsSßtüzZ@[Œ€");  // the ends of the capitals, letters far beyond ASCII
        for (int runde = 0; runde < 100; ++runde) {
            QStringList woerter;
            for (int n = z.bounded(1, 30); n > 0; --n) {
                woerter << QStringList{QString(), u("Dona"), u("Donaudampf")}.at(z.bounded(3));
                for (int k = z.bounded(1, 12); k > 0; --k)
                    woerter.last() += buchstaben.at(z.bounded(int(buchstaben.size())));
            }
            QStringList erwartet = woerter;
            std::stable_sort(erwartet.begin(), erwartet.end(), [&](const QString &a, const QString &b) { return schluessel(a) < schluessel(b); });
            Liste einzeln(nullptr, u("L"), true, false), gesammelt(nullptr, u("G"), true, false);
            const int teil = z.bounded(int(woerter.size()) + 1), wahl = z.bounded(-2, teil + 1);
            for (const QString &w : woerter.mid(0, teil))
                einzeln.AddItem(w);
            gesammelt.addItems(woerter.mid(0, teil));
            einzeln.setListIndex(wahl);
            gesammelt.setListIndex(wahl);
            QCOMPARE(einzeln.ListIndex(), wahl < teil ? std::max(wahl, -1) : -1);
            const QString gewaehlt = einzeln.Text();
            for (const QString &w : woerter.mid(teil))
                einzeln.AddItem(w);
            gesammelt.addItems(woerter.mid(teil));
            QCOMPARE(einzeln.eintraege(), erwartet);
            QCOMPARE(gesammelt.eintraege(), erwartet);
            const int index = einzeln.ListIndex();
            QVERIFY(gesammelt.ListIndex() == index && einzeln.Text() == gewaehlt && einzeln.SelCount() == (index >= 0 ? 1 : 0));
            QVERIFY(einzeln.Selected(index) == (index >= 0) && !einzeln.Selected(index + 1));
            const int weg = z.bounded(-1, int(erwartet.size()) + 1);
            einzeln.RemoveItem(weg);
            if (weg >= 0 && weg < erwartet.size())
                erwartet.removeAt(weg);
            QCOMPARE(einzeln.eintraege(), erwartet);
            QCOMPARE(einzeln.ListIndex(), weg == index ? -1 : weg >= 0 && weg < index ? index - 1 : index);
        }
    }
    void listeImFenster()
    {
        // Choosing in the program and a click on an entry of the view, also a second one, count as a
        // click; one below the last entry is none. A list of several choices turns one over per click.
        QWidget w;
        Liste l(&w, u("L")), m(&w, u("M"), false, true);
        l.addItems({"a", "b", "c"});
        int klicks = 0;
        connect(&l, &Liste::Click, [&] { ++klicks; });
        l.setListIndex(2);
        QVERIFY(klicks == 1 && l.view()->currentIndex().row() == 2);
        l.setListIndex(-1);
        QVERIFY(klicks == 1 && l.ListIndex() == -1 && l.view()->selectionModel()->selectedIndexes().isEmpty());
        m.setMehrfachauswahl(true);
        m.setSpalten(3);
        m.addItems({"C", "A", "B", "D", "E", "F"});
        QCOMPARE(m.List(0), u("C"));  // not sorted
        for (int i : {0, 4, 6, -1})  // none past either end
            m.setSelected(i, true);
        QVERIFY(m.SelCount() == 2 && m.Selected(0) && m.Selected(4) && !m.Selected(1) && !m.Selected(-1) && !m.Selected(6));
        const auto hinterlegt = [&](int i) { return m.view()->model()->data(m.view()->model()->index(i, 0), Qt::BackgroundRole).isValid(); };
        QVERIFY(hinterlegt(4) && !hinterlegt(1));
        w.show();
        l.setTwips(0, 0, 2000, 3000);  // one column: its rows as high as their text, not spread over the view
        QVERIFY(l.view()->visualRect(l.view()->model()->index(1, 0)).bottom() < 2 * l.view()->fontMetrics().height());
        QFocusEvent rein(QEvent::FocusIn);  // the view makes its first entry current: no choice, and not shown
        QCoreApplication::sendEvent(l.view(), &rein);
        QVERIFY(!l.view()->currentIndex().isValid() && klicks == 1);
        klicke(&l, 1);
        QVERIFY(l.ListIndex() == 1 && klicks == 2);
        klicke(&l, 1);
        QCOMPARE(klicks, 3);
        const QPoint unten(5, l.view()->visualRect(l.view()->model()->index(2, 0)).bottom() + 8);
        for (int i : {1, -1}) {
            l.setListIndex(i);
            const int vorher = klicks;
            QTest::mouseClick(l.view()->viewport(), Qt::LeftButton, {}, unten);
            QVERIFY(l.ListIndex() == i && klicks == vorher);
        }
        klicke(&m, 4);
        QVERIFY(m.ListIndex() == 4 && !m.Selected(4) && !hinterlegt(4) && m.SelCount() == 1);
        QTest::mouseClick(m.view()->viewport(), Qt::LeftButton, {}, m.view()->viewport()->rect().bottomRight() - QPoint(2, 2));
        QVERIFY(m.ListIndex() == 4 && m.SelCount() == 1);
        m.Clear();
        QCOMPARE(m.SelCount(), 0);
    }
    void nurLinkerKlick()
    {
        // Only the left button released over a label or a picture is a click: not the right one, not one dragged off.
        QWidget w;
        Bezeichnung b(&w, u("B"), u("Haus"));
        Bild p(&w, u("P"));
        int klicks = 0;
        connect(&b, &Bezeichnung::Click, [&] { ++klicks; });
        connect(&p, &Bild::Click, [&] { ++klicks; });
        w.show();
        for (QWidget *e : {static_cast<QWidget *>(&b), static_cast<QWidget *>(&p)}) {
            QTest::mouseClick(e, Qt::RightButton);
            QTest::mousePress(e, Qt::LeftButton);
            QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(e->width() + 5, 2));
            QTest::mouseClick(e, Qt::LeftButton);
            QCOMPARE(std::exchange(klicks, 0), 1);
        }
    }
    void ganzeZeichen()
    {
        // Generated texts of letters, pairs and lone halves of surrogates: each character whole.
        QRandomGenerator z(577);
        const QStringList vorrat{"a", u("ä"), u("🐯"), u("𝒜"), QString(QChar(0xDC00))};
        for (int runde = 0; runde < 300; ++runde) {
            QStringList zeichen;
            for (int n = z.bounded(6); n > 0; --n)
                zeichen << vorrat.at(z.bounded(int(vorrat.size())));
            const QString text = zeichen.join(QString());
            const Zeichenfolge f(text);
            QVERIFY(f.size() == zeichen.size() && Zeichen::anzahl(text) == zeichen.size());
            for (int i = 0; i < zeichen.size(); ++i)
                QVERIFY(f.at(i) == zeichen[i] && f.left(i) == zeichen.mid(0, i).join(QString()) && f.mid(i) == zeichen.mid(i).join(QString()));
            QCOMPARE(Zeichen::ohneLetztes(text), zeichen.mid(0, zeichen.size() - 1).join(QString()));
            QCOMPARE(Zeichen::gekuerzt(text, 3), zeichen.size() <= 3 ? text : zeichen.mid(0, 3).join(QString()) + u("…"));
        }
    }
    void laufwerke()
    {
        // A folder's drive is the longest one it lies in; only a pick, never the program's own setting, is a change.
        Laufwerkliste box(nullptr, u("L"));
        int aenderungen = 0;
        connect(&box, &Laufwerkliste::Change, [&] { ++aenderungen; });
        const QString heim = QDir::homePath();
        QCOMPARE((QStringList{box.laufwerkVon(heim + "/a/b"), box.laufwerkVon(heim + "x"), box.laufwerkVon("a/b"), box.laufwerkVon("/")}),
                 (QStringList{heim, box.laufwerkVon(QFileInfo(heim).path()), "", "/"}));
        box.setDriveFor(heim + "/a");
        box.setDriveFor("/");
        box.neuLesen();
        QVERIFY(aenderungen == 0 && box.Drive() == "/");
        box.setCurrentIndex(1);
        QVERIFY(aenderungen == 1 && box.Drive() == heim);
        // Picking the first drive again does not add it a second time.
        const int n = box.count();
        box.setDrive(QDir::rootPath());
        QVERIFY(n >= 2 && box.count() == n && box.currentIndex() == 0);
        box.setDrive(u("/mnt/neu"));  // a drive mounted since is added and chosen
        QVERIFY(box.count() == n + 1 && box.Drive() == u("/mnt/neu"));
        // The drives come from the mount table alone: a hung network drive is listed without being asked.
        const QByteArray tabelle = "server:/schule /mnt/schule nfs4 rw,hard 0 0\nproc /proc proc rw 0 0\n"
                                   "tmpfs /run tmpfs rw 0 0\n/dev/sdc1 /media/USB\\040Stick vfat rw 0 0\nx /mnt/kurz ext4\ny /mnt/y\nz /mnt/kurz ext4\n";
        QCOMPARE(Laufwerkliste::laufwerkeAus(tabelle),
                 (QStringList{QDir::rootPath(), QDir::homePath(), u("/mnt/schule"), u("/media/USB Stick"), u("/mnt/kurz")}));
    }
    void tastencodes()
    {
        // Windows codes; punctuation, whose codes would stand for arrows and Delete, gives 0.
        for (const auto &[taste, code] : std::map<int, int>{
                 {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
                 {Qt::Key_Space, 32}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
                 {Qt::Key_Delete, 46}})
            QCOMPARE(Fenster::keyCode(taste), code);
        for (int taste = 0x21; taste <= 0xff; ++taste)
            QCOMPARE(Fenster::keyCode(taste), taste > 0x7e || QChar(taste).isLetterOrNumber() ? taste : 0);
    }

    void startFaktor()
    {
        // On every screen each window, the report too, fits with its frame at the start factor.
        const QSize rahmen = Fenster::rahmenAnnahme();
        for (int b = 640; b <= 2560; b += 160)
            for (int h = 480; h <= 1600; h += 80) {
                const double f = Programm::startFaktor({b, h});
                for (const QSize &t : Programm::fenstergroessen())
                    QVERIFY(std::lround(t.width() * f / 15) + rahmen.width() <= b &&
                            std::lround(t.height() * f / 15) + rahmen.height() <= h);
            }
        // Two thirds of the height (1024 x 768 less a panel) unless the report does not fit.
        QCOMPARE((QList<double>{Programm::startFaktor({1024, 728}), Programm::startFaktor({1280, 1024}),
                                Programm::startFaktor({800, 1280})}), (QList<double>{1.06, 1.47, 0.91}));
    }

    void hauptfensterZiehen()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        Form8 &e = t.programm->form8();
        // A candidate wider than the list is drawn smaller, a short one as it is.
        Liste *l = f.Liste2;
        const QString lang = u("Donaudampfschifffahrtsgesellschaft");
        l->setEintraege({lang, u("Ei")});
        const QAbstractItemModel *m = l->view()->model();
        const QFont klein = m->data(m->index(0, 0), Qt::FontRole).value<QFont>();
        QVERIFY(klein.pointSizeF() < l->view()->font().pointSizeF() && !m->data(m->index(1, 0), Qt::FontRole).isValid());
        QFont groesser = klein;  // as big as fits: a seventh bigger would not
        groesser.setPointSizeF(klein.pointSizeF() * 1.15);
        QVERIFY(QFontMetrics(klein).horizontalAdvance(lang) <= l->view()->viewport()->width() &&
                QFontMetrics(groesser).horizontalAdvance(lang) > l->view()->viewport()->width());
        // Dragged to twice its size, everything follows and what the program set stays as set.
        f.resize(1374, 914);
        QCOMPARE(f.faktor(), 2.0);
        QVERIFY(f.Bezeichnung2->geometry() == QRect(240, 126, 810, 98) && f.Bezeichnung2->FontSize() == 18);
        // The other windows follow as far as the screen (800 x 600) lets them.
        QVERIFY(t.programm->faktor() == 2.0 && e.faktor() == 1.15 && e.size() == QSize(782, 552));
        QCOMPARE(t.programm->tpolabel().size(), QSize(736, 496));
        // In every window each element stands at its twips, and writes in its points, times the window's factor.
        for (Fenster *w : QList<Fenster *>{&f, &e, &t.programm->galgenFenster(), &t.programm->fangFenster()})
            for (QWidget *el : w->findChildren<QWidget *>()) {
                const auto px = [&](int twips) { return int(std::lround(twips * w->faktor() / 15)); };
                if (el->property("twLinks").isValid())
                    QCOMPARE(el->geometry(), QRect(px(Twips::links(el)), px(Twips::oben(el)), px(Twips::breite(el)), px(Twips::hoehe(el))));
                if (el->property("twSchrift").isValid())
                    QCOMPARE(el->font().pointSizeF(), Twips::schrift(el).pointSizeF() * w->faktor());
            }
        // A window drawn at another factor takes the present one when shown, on the screen.
        e.setFaktor(1.0);
        t.boxen.tippe(f.Bezeichnung8->Caption());
        f.Bild5_Click();
        QVERIFY(e.faktor() == 1.15 && e.size() == QSize(782, 552) && e.screen()->availableGeometry().contains(e.geometry()));
        e.Bild1_Click();
        // Stretched wider only: the height decides, and the window takes its proportions back.
        f.resize(1500, 686);
        QVERIFY(qAbs(f.faktor() - 686.0 / 457) < 1e-9);
        QTRY_COMPARE(f.size(), QSize(1031, 686));
        // Never smaller than at factor 1.
        f.resize(200, 100);
        QVERIFY(f.size() == QSize(687, 457) && f.faktor() == 1.0);
    }
    // Opens the window `name` the way a user does; boxes are answered Yes and the password given.
    static void oeffnen(Testprogramm &t, const QString &name)
    {
        Programm &p = *t.programm;
        Form1 &h = t.f1();
        t.boxen.setAutomatik([](const BoxEintrag &) { return Antwort::Ja; }, [&](const BoxEintrag &) { return h.Bezeichnung8->Caption(); });
        const std::map<QString, std::function<void()>> wege{
            {"Form1", [] {}}, {"Form8", [&] { h.Bild5_Click(); }}, {"Berichtfenster", [&] { p.form8().Bild9_Click(); }},
            {"Form7", [&] { p.aktivesFenster() == &h ? h.Bild7_Click() : p.form8().Bild3_Click(); }},
            {"TPOLABEL", [&] { h.Bild16_Click(); }}, {"galgen", [&] { h.Bezeichnung26_Click(); }},
            {"gefangen", [&] { h.Bezeichnung25_Click(); }}, {"fang", [&] { h.Bezeichnung24_Click(); }}};
        wege.at(name)();
    }
    void rahmenSchliessen()
    {
        // The frame's X or Alt+F4 leave shown what the window's own closing command leaves: the window it
        // came from, nothing after the main window's exit question answered Yes.
        for (const char *weg : {"Form8", "Form7", "TPOLABEL", "galgen", "gefangen", "fang", "Form8 Form7", "Form8 Berichtfenster", "Form1"}) {
            Testprogramm t;
            const QStringList namen = u(weg).split(' ');
            for (const QString &name : namen)
                oeffnen(t, name);
            QCOMPARE(t.programm->aktivesFenster()->objectName(), namen.last());
            t.programm->aktivesFenster()->close();
            QStringList offen;
            for (QWidget *o : QApplication::topLevelWidgets())
                if (qobject_cast<Fenster *>(o) && o->isVisible())
                    offen << o->objectName();
            QCOMPARE(offen.join(' '), namen.size() > 1 ? u("Form8") : namen.first() == u("Form1") ? QString() : u("Form1"));
        }
    }
    void textPasst()
    {
        // In every window at every factor, each caption shown is whole: as wide and as high as its element
        // gives room for, unless the element draws it smaller itself; each picture shows something.
        for (const double faktor : {1.0, 1.5, 2.0}) {
            Testprogramm t;
            t.m().Loesungen = 3;
            t.f1().Bezeichnung7->setCaption(u("Maximiliane-Josephine Müller"));  // a long name is drawn smaller
            t.programm->form8().Bezeichnung2->setFontSize(40);  // and so is the sample of a wide font
            t.f1().Liste1->AddItem(u("ĀāĂăĄąĆćĈĉĊċČčĎďĐđĒēĔĕĖėĘęĚěĜĝĞğĠġĢģĤĥĦħĨĩĪīĬĭĮįİıĴĵĶķĹĺĻļĽľŁłŃńŅņŇň"));  // a long hint on fonts
            t.programm->setFaktor(faktor);
            QStringList zuBreit;
            for (const char *name : {"Form1", "Form8", "Berichtfenster", "Form7", "TPOLABEL", "galgen", "gefangen", "fang"}) {
                oeffnen(t, u(name));
                QWidget *fenster = t.programm->aktivesFenster();
                for (QLabel *l : fenster->findChildren<QLabel *>()) {
                    const auto *b = qobject_cast<Bezeichnung *>(l);
                    if (!l->isVisibleTo(fenster) || l->text().isEmpty() || l->wordWrap() || (b && b->einpassen()) ||
                        l->textFormat() == Qt::RichText)
                        continue;
                    const QRect platz = l->contentsRect().adjusted(std::max(0, l->indent()), 0, -std::max(0, l->indent()), 0);
                    const QSize text = l->fontMetrics().size(0, l->text().trimmed());  // blanks show nothing
                    if (text.width() > platz.width() || text.height() > platz.height() + 2)
                        zuBreit << u("%1.%2 \"%3\" %4x%5 in %6x%7").arg(u(name), l->objectName(), l->text()).arg(text.width())
                                       .arg(text.height()).arg(platz.width()).arg(platz.height());
                }
                for (QAbstractButton *k : fenster->findChildren<QAbstractButton *>())
                    if (k->isVisibleTo(fenster) && !k->text().isEmpty() && k->sizeHint().width() > k->width() + 2)
                        zuBreit << u("%1.%2 \"%3\" %4 in %5").arg(u(name), k->objectName(), k->text()).arg(k->sizeHint().width()).arg(k->width());
                for (Bild *b : fenster->findChildren<Bild *>()) {  // and no picture is blank
                    const QImage bild = b->grab().toImage();
                    int farbig = 0;
                    for (int y = 0; y < bild.height(); ++y)
                        for (int x = 0; x < bild.width(); ++x)
                            farbig += bild.pixel(x, y) != bild.pixel(0, 0);
                    if (b->isVisibleTo(fenster) && !b->Picture().isEmpty() && farbig < bild.width() * bild.height() / 20)
                        zuBreit << u("%1.%2 blank").arg(u(name), b->objectName());
                }
            }
            QVERIFY2(zuBreit.isEmpty(), qPrintable(QString::number(faktor) + u(": ") + zuBreit.join(u(", "))));
        }
    }
    void kastenWaechstMitDerSchrift()
    {
        // A check box drawn big has a box as big as its letters.
        Kontrollkaestchen k(nullptr, u("Kontroll1"), u("Laufwerke und Ordner sperren"));
        k.ensurePolished();
        for (const double punkte : {8.0, 16.0, 30.0}) {
            QFont f = k.font();
            f.setPointSizeF(punkte);
            k.setFont(f);
            QVERIFY(k.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &k) >= k.fontMetrics().ascent());
        }
    }
    void seitenumbruch()
    {
        // Pages but the last equally full, every line once and in order, one past the right edge moved back.
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("d.pdf");
        const auto d = Druckflaeche::pdfDatei(pfad);
        QStringList zeilen;
        QVERIFY(d->beginnen());
        for (int i = 0; i < 130; ++i)
            d->zeile(zeilen.emplace_back(QString("Zeile %1").arg(i)), i == 129 ? 300 : 1 + i % 3);
        QVERIFY(d->beenden());
        QProcess p;
        p.start("pdftotext", {pfad, "-"});
        QVERIFY(p.waitForFinished(30000));
        QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split('\f'), gelesen;
        QVERIFY(seiten.size() > 3 && seiten.takeLast().isEmpty());
        const qsizetype voll = seiten.first().split('\n', Qt::SkipEmptyParts).size();
        for (const QString &s : seiten) {
            const QStringList z = s.split('\n', Qt::SkipEmptyParts);
            QVERIFY(voll > 10 && !z.isEmpty() && (z.size() == voll || (&s == &seiten.last() && z.size() < voll)));
            gelesen << z;
        }
        QCOMPARE(gelesen, zeilen);
    }
};

QTEST_MAIN(TestElemente)
#include "tst_elemente.moc"
