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
    return dateiLesen(programm->datei(name));
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

void pruefeFrage(const SkriptBoxen &boxen, const QString &text, const QString &titel, int nr)
{
    QVERIFY(boxen.anzahl() > nr);
    const BoxEintrag &b = nr < 0 ? boxen.letzte() : boxen.protokoll().at(nr);
    QVERIFY(!b.eingabe);
    QCOMPARE(b.text, text);
    QCOMPARE(b.titel, titel);
    QCOMPARE(b.knoepfe, Knoepfe::JaNein);
    QCOMPARE(b.standard, Antwort::Nein);
    QCOMPARE(b.symbol, Symbol::Frage);
}

void pruefeEingabe(const SkriptBoxen &boxen, int nr, const QString &text, const QString &titel, const QString &vorgabe)
{
    QVERIFY(boxen.anzahl() > nr);
    const BoxEintrag &b = nr < 0 ? boxen.letzte() : boxen.protokoll().at(nr);
    QVERIFY(b.eingabe);
    QCOMPARE(b.text, text);
    QCOMPARE(b.titel, titel);
    QCOMPARE(b.vorgabe, vorgabe);
}

QByteArray dateiLesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

bool schreibschuetzen(const QString &ordner)
{
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(ordner + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    freigeben(ordner);
    return false;
}

void freigeben(const QString &ordner)
{
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int anzahlBoxen(const SkriptBoxen &boxen, const QString &titel)
{
    int n = 0;
    for (const BoxEintrag &e : boxen.protokoll())
        n += e.titel == titel ? 1 : 0;
    return n;
}
