#include "support/Testprogramm.h"

#include "windows/Spielfenster.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMap>
#include <QTest>

#include <algorithm>

Testprogramm::Testprogramm(std::uint64_t s, bool starten)
    : seed(s)
{
    boxen.setStreng(true);
    programm = std::make_unique<Programm>(boxen, ordner.path());
    programm->zufall().setFesterSeed(seed);
    programm->beiEnde = [this] { beendet = true; };
    if (starten)
        start();
}

void Testprogramm::liste(const QStringList &woerter, bool ziehen)
{
    f1().Liste1->Clear();
    f1().Liste1->addItems(woerter);
    m().Benutzt = QString(f1().Liste1->ListCount(), QLatin1Char('0'));
    m().Leeren();
    if (ziehen)
        m().NaechsteAufgabe();
}

void taste(QWidget *ziel, QChar c)
{
    // Qt's key codes of the Latin-1 letters are their capitals.
    const QMap<QChar, int> sonder{{'\r', Qt::Key_Return}, {'\b', Qt::Key_Backspace}, {QChar(27), Qt::Key_Escape}};
    const int key = sonder.value(c, c.unicode() < 0x100 ? c.toUpper().unicode() : 0);
    for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent e(art, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(ziel, &e);
    }
}

void tippe(QWidget *ziel, const QString &text)
{
    for (QChar c : text)
        taste(ziel, c);
}

void klicke(Liste *liste, int zeile)
{
    // As a hand clicks: the pointer moves a little while the button is down.
    QListView *v = liste->view();
    const QPoint p = v->visualRect(v->model()->index(zeile, 0)).center();
    QTest::mousePress(v->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseMove(v->viewport(), p + QPoint(1, 1));
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, p + QPoint(1, 1));
}

void klicke(Liste *liste, const QString &text)
{
    klicke(liste, static_cast<int>(liste->eintraege().indexOf(text)));
}

void pruefeBox(const SkriptBoxen &boxen, const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol)
{
    QVERIFY(boxen.anzahl() > 0);
    const BoxEintrag &b = boxen.letzte();
    QCOMPARE((QStringList{b.text, b.titel}), (QStringList{text, titel}));
    QVERIFY(b.knoepfe == knoepfe && b.symbol == symbol);
}

void pruefeFrage(const SkriptBoxen &boxen, const QString &text, const QString &titel, int nr)
{
    QVERIFY(boxen.anzahl() > nr && boxen.anzahl() > 0);
    const BoxEintrag &b = nr < 0 ? boxen.letzte() : boxen.protokoll().at(nr);
    QVERIFY(!b.eingabe);
    QCOMPARE((QStringList{b.text, b.titel}), (QStringList{text, titel}));
    QVERIFY(b.knoepfe == Knoepfe::JaNein && b.standard == Antwort::Nein && b.symbol == Symbol::Frage);
}

void pruefeEingabe(const SkriptBoxen &boxen, int nr, const QString &text, const QString &titel, const QString &vorgabe)
{
    QVERIFY(boxen.anzahl() > nr && boxen.anzahl() > 0);
    const BoxEintrag &b = nr < 0 ? boxen.letzte() : boxen.protokoll().at(nr);
    QVERIFY(b.eingabe);
    QCOMPARE((QStringList{b.text, b.titel, b.vorgabe}), (QStringList{text, titel, vorgabe}));
}

QByteArray dateiLesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush();
    return QTest::qVerify(ok, "dateiSchreiben", qPrintable(pfad + QStringLiteral(": ") + f.errorString()), __FILE__,
                          __LINE__);
}

bool Testprogramm::spielOffen(const QWidget &spiel)
{
    return Twips::links(f1().Bild9) == 10440 && !f1().isVisible() && spiel.isVisible() && programm->aktivesFenster() == &spiel;
}

bool Testprogramm::zurueck(const QWidget &spiel)
{
    return !spiel.isVisible() && f1().isVisible() && !m().Loesungswort.isEmpty() && m().Eingabe.isEmpty() &&
           programm->aktivesFenster() == &f1();
}

void Testprogramm::spielEnde(const QWidget &spiel, const std::function<void()> &zug, const QString &text,
                             const QString &titel, const std::function<void()> &waehrend)
{
    int gezeigt = 0;
    boxen.setAutomatik([&](const BoxEintrag &) {
        ++gezeigt;
        if (waehrend)
            waehrend();
        return Antwort::OK;
    }, {});
    zug();
    boxen.setAutomatik({}, {});
    QCOMPARE(gezeigt, 1);
    pruefeBox(boxen, text, titel);
    // After a win the window waits with the best list, the child's own line marked.
    if (const auto *s = dynamic_cast<const Spielfenster *>(&spiel); s && s->siegerehrung()) {
        QVERIFY(s->isVisible() && s->Weiter->isVisible() && s->bestenliste()->isVisible());
        QCOMPARE(s->bestenliste()->Text().mid(6), f1().Bezeichnung7->Caption());
        s->Weiter->click();
    }
    QVERIFY(zurueck(spiel));
}
