#include "windows/Programm.h"

#include "basis/Schrift.h"
#include "ui/Boxen.h"
#include "ui/Twips.h"
#include "windows/Berichtfenster.h"
#include "windows/Form1.h"
#include "windows/Form7.h"
#include "windows/Form8.h"
#include "windows/TPOLABEL.h"
#include "windows/fang.h"
#include "windows/galgen.h"
#include "windows/gefangen.h"

#include <QCoreApplication>
#include <QDir>

static void ressourcenLaden()
{
    // The pictures live in the static library; make sure they are registered.
    Q_INIT_RESOURCE(tippolo);
}

Programm::Programm(Boxen &boxen, const QString &arbeitsordner) : Sitzung(boxen, arbeitsordner)
{
    ressourcenLaden();
    beiEnde = [] { QCoreApplication::exit(0); };
    Schrift::ersatzEinrichten();
}

Programm::~Programm()
{
    m_aktiv = nullptr;
    m_reihenfolge.clear();
    // Game and help windows first: they refer to the main window.
    m_bericht.reset();
    m_fang.reset();
    m_gefangen.reset();
    m_galgen.reset();
    m_tpolabel.reset();
    m_form7.reset();
    m_form1.reset();
    m_form8.reset();
}

Aufgabenanzeige &Programm::anzeige()
{
    return form1();
}

template <class T> T &Programm::fenster(std::unique_ptr<T> &slot)
{
    if (!slot) {
        slot = std::make_unique<T>(*this);
        if (m_faktor != 1.0)
            slot->setFaktor(m_faktor);
        slot->Form_Load();
    }
    return *slot;
}

void Programm::starten(bool zeigen)
{
    Form1 &f = form1();
    if (zeigen)
        f.zeigen();
    else
        aktiviert(&f);
}

void Programm::beenden()
{
    m_beendet = true;
    for (Fenster *f : alleFenster())
        f->hide();
    if (beiEnde)
        beiEnde();
}

Form1 &Programm::form1() { return fenster(m_form1); }
Form8 &Programm::form8() { return fenster(m_form8); }
Form7 &Programm::form7() { return fenster(m_form7); }
TPOLABEL &Programm::tpolabel() { return fenster(m_tpolabel); }
galgen &Programm::galgenFenster() { return fenster(m_galgen); }
gefangen &Programm::gefangenFenster() { return fenster(m_gefangen); }
fang &Programm::fangFenster() { return fenster(m_fang); }
Berichtfenster &Programm::berichtfenster() { return fenster(m_bericht); }

void Programm::aktiviert(Fenster *f)
{
    if (!f || f == m_aktiv)
        return;
    m_aktiv = f;
    m_reihenfolge.removeAll(f);
    m_reihenfolge.append(f);
    f->Form_Activate();
}

void Programm::verborgen(Fenster *f)
{
    m_reihenfolge.removeAll(f);
    if (m_aktiv != f)
        return;
    m_aktiv = nullptr;
    // The window shown before it becomes the active one again.
    for (int i = static_cast<int>(m_reihenfolge.size()) - 1; i >= 0; --i) {
        Fenster *vorher = m_reihenfolge.at(i);
        if (vorher->isVisible()) {
            aktiviert(vorher);
            return;
        }
    }
}

QList<Fenster *> Programm::alleFenster() const
{
    QList<Fenster *> l;
    for (Fenster *f : {static_cast<Fenster *>(m_bericht.get()), static_cast<Fenster *>(m_fang.get()),
                       static_cast<Fenster *>(m_gefangen.get()), static_cast<Fenster *>(m_galgen.get()),
                       static_cast<Fenster *>(m_tpolabel.get()),
                       static_cast<Fenster *>(m_form7.get()), static_cast<Fenster *>(m_form8.get()),
                       static_cast<Fenster *>(m_form1.get())})
        if (f)
            l << f;
    return l;
}

void Programm::setFaktor(double faktor)
{
    m_faktor = faktor;
    for (Fenster *f : alleFenster())
        if (f->faktor() != faktor)
            f->setFaktor(faktor);
}

void Programm::skaliert(Fenster *quelle, double faktor)
{
    // The other windows follow the one the user resized, as far as the
    // screen lets them.
    m_faktor = faktor;
    for (Fenster *f : alleFenster())
        if (f != quelle)
            f->faktorAnpassen(faktor);
}

QList<QSize> Programm::fenstergroessen()
{
    return {QSize(10305, 6855), QSize(10200, 7200), Form7::groesse(), QSize(5520, 3720),
            QSize(9600, 6480),  QSize(7800, 5880),  QSize(7680, 6600), Berichtfenster::groesse()};
}

double Programm::startFaktor(QSize verfuegbar)
{
    QList<QSize> pixel;
    for (const QSize &t : fenstergroessen())
        pixel << QSize(Twips::zuPixel(t.width()), Twips::zuPixel(t.height()));
    const QSize haupt = pixel.takeFirst();
    // Room for the window frame and title bar the window system adds.
    return Twips::startFaktor(verfuegbar, haupt, pixel, Fenster::rahmenAnnahme());
}
