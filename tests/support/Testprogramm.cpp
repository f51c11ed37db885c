#include "support/Testprogramm.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>

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

void Testprogramm::start()
{
    programm->starten(true);
}

void Testprogramm::datei(const QString &name, const QByteArray &inhalt)
{
    QFile f(programm->datei(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(inhalt);
}

QByteArray Testprogramm::lesen(const QString &name) const
{
    QFile f(programm->datei(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    int key = 0;
    if (c == QLatin1Char('\r'))
        key = Qt::Key_Return;
    else if (c == QLatin1Char('\b'))
        key = Qt::Key_Backspace;
    else if (c == QChar(27))
        key = Qt::Key_Escape;
    else if (c.unicode() < 0x100)
        key = c.toUpper().unicode();  // Qt's key codes of the Latin-1 letters
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(ziel, &los);
}

void tippe(QWidget *ziel, const QString &text)
{
    for (QChar c : text)
        taste(ziel, c);
}

void pruefeBox(const SkriptBoxen &boxen, const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol)
{
    QVERIFY(boxen.anzahl() > 0);
    const BoxEintrag &b = boxen.letzte();
    QCOMPARE(b.text, text);
    QCOMPARE(b.titel, titel);
    QCOMPARE(b.knoepfe, knoepfe);
    QCOMPARE(b.symbol, symbol);
}

int anzahlBoxen(const SkriptBoxen &boxen, const QString &titel)
{
    int n = 0;
    for (const BoxEintrag &e : boxen.protokoll())
        n += e.titel == titel ? 1 : 0;
    return n;
}
