#include "windows/Spielfenster.h"

#include "games/Bestenliste.h"
#include "ui/Boxen.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <algorithm>

Spielfenster::Spielfenster(Programm &programm, const QString &name, const QString &caption, QSize groesseTwips,
                           const QString &bestendatei)
    : Fenster(programm, name, caption, groesseTwips.width(), groesseTwips.height()), m_programm(programm), m_bestendatei(bestendatei)
{
    setHintergrund(QColor(192, 255, 255));
}

void Spielfenster::Form_Load()
{
    zentrieren();
}

void Spielfenster::Form_KeyDown(int keyCode)
{
    if (siegerehrung()) {
        if (keyCode == 13 || keyCode == 27)
            Weiter_Click();
        return;
    }
    switch (keyCode) {
    case 38: pfeil(Pfeil::Oben); break;
    case 40: pfeil(Pfeil::Unten); break;
    case 37: pfeil(Pfeil::Links); break;
    case 39: pfeil(Pfeil::Rechts); break;
    case 27: Befehl1_Click(); break;
    default: break;
    }
}

Liste *Spielfenster::bestenlisteAnlegen(const QString &name, const QRect &twips)
{
    const int links = twips.x(), oben = twips.y(), breite = twips.width();
    // The "Weiter" button goes under the list, inside the window.
    const int knopfOben = std::min(oben + twips.height(), twipsGroesse().height() - 600) + 60;
    const int hoehe = knopfOben - 60 - oben;
    m_besten = new Liste(this, name);
    m_besten->setFontName(QStringLiteral("Courier New"));
    m_besten->setFontSize(10);
    m_besten->setFontBold(true);
    m_besten->setFarben(Qt::black, QColor(0, 255, 255));
    m_besten->setTwips(links, oben, breite, hoehe);
    m_besten->setVisible(false);
    Weiter = new Knopf(this, QStringLiteral("Weiter"), QStringLiteral("Weiter"));
    Weiter->setFont(Schrift::machen(QStringLiteral("Arial"), 12, true));
    Twips::setzen(Weiter, links, knopfOben, breite, 480);
    Weiter->hide();
    connect(Weiter, &Knopf::Click, this, &Spielfenster::Weiter_Click);
    return m_besten;
}

void Spielfenster::keyPressEvent(QKeyEvent *ev)
{
    const int k = ev->key();
    if (siegerehrung() && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape))
        Weiter_Click();
    else
        Fenster::keyPressEvent(ev);
}

void Spielfenster::schliessenAngefragt()
{
    if (siegerehrung())
        Weiter_Click();
    else
        Befehl1_Click();
}

void Spielfenster::bestenlisteLaden()
{
    BestenlisteLaden(programm().datei(m_bestendatei), m_besten);
}

void Spielfenster::bestenEintragen(int punkte)
{
    m_neuerEintrag = BestenEintrag(punkte, programm().form1().Bezeichnung7->Caption());
    m_besten->AddItem(m_neuerEintrag);
    m_besten->setVisible(true);
    // The child finds its own line at once.
    m_besten->setListIndex(static_cast<int>(m_besten->eintraege().indexOf(m_neuerEintrag)));
}

void Spielfenster::gewonnen(int punkte, const QString &text, const QString &titel, std::function<void()> ende,
                            bool eintragen)
{
    if (eintragen)
        bestenEintragen(punkte);
    programm().boxen().meldung(text, titel);
    if (!eintragen) {
        ende();
        return;
    }
    bestenlisteSichern(titel);
    // The game is over: what answers a click or a key rests (the texts stay
    // as they are, the solved word among them), the list and the way on stay awake.
    m_ruhend.clear();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w != Weiter && w != m_besten->view() && !qobject_cast<QLabel *>(w) && w->isEnabled()) {
            w->setEnabled(false);
            m_ruhend << w;
        }
    m_ende = std::move(ende);
    Weiter->show();
    Weiter->raise();
    if (QListView *v = m_besten->view())
        v->raise();
    Weiter->setFocusPolicy(Qt::StrongFocus);
    Weiter->setFocus();
}

void Spielfenster::Weiter_Click()
{
    if (!m_ende)
        return;
    const std::function<void()> ende = m_ende;
    ende();
}

void Spielfenster::ruheBeenden()
{
    m_ende = nullptr;
    Weiter->hide();
    Weiter->setFocusPolicy(Qt::NoFocus);
    for (const QPointer<QWidget> &w : std::as_const(m_ruhend))
        if (w)
            w->setEnabled(true);
    m_ruhend.clear();
}

void Spielfenster::bestenlisteSichern(const QString &titel)
{
    BestenlisteSichern(programm().boxen(), programm().datei(m_bestendatei), m_neuerEintrag, titel);
}

bool Spielfenster::vorzeitigBeenden(const QString &titel)
{
    // (Once won, the end button is off and Escape and the frame lead on.)
    return programm().boxen().frage(QStringLiteral("Dieses Spiel vorzeitig beenden?\r"), titel);
}

void Spielfenster::zurueckZumHauptfenster()
{
    ruheBeenden();
    m_besten->setVisible(false);
    m_besten->Clear();
    verbergen();
    programm().form1().zeigen();
}
