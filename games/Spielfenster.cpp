#include "games/Spielfenster.h"

#include "games/Bestenliste.h"
#include "trainer/Form1.h"
#include "trainer/Programm.h"
#include "ui/Boxen.h"
#include "ui/Liste.h"

Spielfenster::Spielfenster(Programm &programm, const QString &name, const QString &caption, int breiteTwips,
                           int hoeheTwips, const QString &bestendatei)
    : Fenster(programm, name, caption, breiteTwips, hoeheTwips), m_programm(programm), m_bestendatei(bestendatei)
{
    setHintergrund(QColor(192, 255, 255));
}

void Spielfenster::Form_Load()
{
    zentrieren();
}

void Spielfenster::Form_KeyDown(int keyCode)
{
    switch (keyCode) {
    case 38: pfeil(Pfeil::Oben); break;
    case 40: pfeil(Pfeil::Unten); break;
    case 37: pfeil(Pfeil::Links); break;
    case 39: pfeil(Pfeil::Rechts); break;
    case 27: Befehl1_Click(); break;
    default: break;
    }
}

Liste *Spielfenster::bestenlisteAnlegen(const QString &name, int links, int oben, int breite, int hoehe)
{
    m_besten = new Liste(this, name);
    m_besten->setFontName(QStringLiteral("Courier New"));
    m_besten->setFontSize(10);
    m_besten->setFontBold(true);
    m_besten->setFarben(Qt::black, QColor(0, 255, 255));
    m_besten->setTwips(links, oben, breite, hoehe);
    m_besten->setVisible(false);
    return m_besten;
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
}

void Spielfenster::bestenlisteSichern(const QString &titel)
{
    BestenlisteSichern(programm(), m_bestendatei, m_neuerEintrag, titel);
}

bool Spielfenster::vorzeitigBeenden(const QString &titel)
{
    return programm().boxen().frage(QStringLiteral("Dieses Spiel vorzeitig beenden?\r"), titel);
}

void Spielfenster::zurueckZumHauptfenster()
{
    m_besten->setVisible(false);
    m_besten->Clear();
    verbergen();
    programm().form1().zeigen();
}
