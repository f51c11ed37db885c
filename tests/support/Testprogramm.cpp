#include "support/Testprogramm.h"

#include <QFile>

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
