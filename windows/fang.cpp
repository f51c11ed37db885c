#include "windows/fang.h"

#include "ui/Boxen.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QFrame>

namespace {
const QString kTitel = QStringLiteral("Wortfange");
const QString kDatei = QStringLiteral("BESTFANG.LST");
} // namespace

fang::fang(Programm &programm)
    : Spielfenster(programm, QStringLiteral("fang"), QStringLiteral("Wortfange"), QSize(7680, 6600), kDatei)
{
    aufbauen();
    setKeyPreview(true);
    connect(Bild5, &Bild::Click, this, &fang::Bild5_Click);
    connect(Zeit1, &Zeitgeber::Timer, this, &fang::Zeit1_Timer);
    connect(HBildlauf1, &Bildlauf::Change, this, &fang::HBildlauf1_Change);
    connect(HBildlauf1, &Bildlauf::Scroll, this, &fang::HBildlauf1_Scroll);
    connect(Befehl1, &Knopf::Click, this, &fang::Befehl1_Click);
    connect(Befehl2, &Knopf::Click, this, &fang::Befehl2_Click);
}

void fang::aufbauen()
{
    Bild5 = new Bild(this, QStringLiteral("Bild5"));
    Bild5->setHintergrund(Qt::white);
    Bild5->setFontName(QStringLiteral("MS Sans Serif"));
    Bild5->setFontSize(18);
    Bild5->setFontBold(true);
    Bild5->setCursor(Qt::PointingHandCursor);
    Twips::setzen(Bild5, 240, 240, Fangfeld::Spalten * Zelle, Fangfeld::Zeilen * Zelle);
    // The frame lies around the field, not on it: a letter or the catcher in
    // the first column or row is not cut by the frame line.
    auto *rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Plain);
    rahmen->setForegroundRole(QPalette::Dark);
    Twips::setzen(rahmen, 240 - 15, 240 - 15, Fangfeld::Spalten * Zelle + 30, Fangfeld::Zeilen * Zelle + 30);
    rahmen->lower();

    Bezeichnung8 = new Bezeichnung(Bild5, QStringLiteral("Bezeichnung8"), QStringLiteral("+"));
    Bezeichnung8->setSchrift(QStringLiteral("MS Sans Serif"), 12, true);
    Bezeichnung8->setFarben(Qt::red, Qt::red);
    Bezeichnung8->setAlignment(Qt::AlignCenter);
    Twips::setzen(Bezeichnung8, 9 * Zelle, 6 * Zelle, 330, 330);
    Bezeichnung8->hide();

    const QFont wortSchrift = Schrift::machen(QStringLiteral("MS Sans Serif"), 14, true);
    const int wortOben = 240 + Fangfeld::Zeilen * Zelle + 180;
    Bezeichnung4 = new Bezeichnung(this, QStringLiteral("Bezeichnung4"));
    Bezeichnung4->setFont(wortSchrift);
    Bezeichnung4->setFarben(QColor(0, 128, 0));
    Bezeichnung4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Bezeichnung4->setEinpassen(true);
    Twips::setzen(Bezeichnung4, 240, wortOben, 3360, 450);
    Bezeichnung3 = new Bezeichnung(this, QStringLiteral("Bezeichnung3"));
    Bezeichnung3->setFont(wortSchrift);
    Bezeichnung3->setFarben(Qt::red, Qt::white);
    Bezeichnung3->setAlignment(Qt::AlignCenter);
    Bezeichnung3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Twips::setzen(Bezeichnung3, 3660, wortOben, 420, 450);
    Bezeichnung5 = new Bezeichnung(this, QStringLiteral("Bezeichnung5"));
    Bezeichnung5->setFont(wortSchrift);
    Bezeichnung5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Bezeichnung5->setEinpassen(true);
    Twips::setzen(Bezeichnung5, 4140, wortOben, 3300, 450);

    const int leisteOben = wortOben + 600;
    const QFont klein = Schrift::machen(QStringLiteral("MS Sans Serif"), 9.75, true);
    Bezeichnung1 = new Bezeichnung(this, QStringLiteral("Bezeichnung1"), QStringLiteral("schnell"));
    Bezeichnung1->setFont(klein);
    Bezeichnung1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Twips::setzen(Bezeichnung1, 120, leisteOben, 960, 300);
    HBildlauf1 = new Bildlauf(this, QStringLiteral("HBildlauf1"));
    HBildlauf1->setMinimum(1);
    HBildlauf1->setMaximum(15);
    HBildlauf1->setSingleStep(1);
    HBildlauf1->setPageStep(5);
    HBildlauf1->setValue(10);
    Twips::setzen(HBildlauf1, 1140, leisteOben, 2400, 300);
    Bezeichnung2 = new Bezeichnung(this, QStringLiteral("Bezeichnung2"), QStringLiteral("langsam"));
    Bezeichnung2->setFont(klein);
    Twips::setzen(Bezeichnung2, 3600, leisteOben, 1080, 300);
    Bezeichnung9 = new Bezeichnung(this, QStringLiteral("Bezeichnung9"), QStringLiteral("10"));
    Bezeichnung9->setFont(klein);
    Bezeichnung9->setAlignment(Qt::AlignCenter);
    Bezeichnung9->setFarben(Qt::black, Qt::white);
    Bezeichnung9->setFrameStyle(QFrame::Box | QFrame::Plain);
    Twips::setzen(Bezeichnung9, 4740, leisteOben, 420, 300);

    Bezeichnung6 = new Bezeichnung(this, QStringLiteral("Bezeichnung6"), QStringLiteral("0"));
    Bezeichnung6->setFont(Schrift::machen(QStringLiteral("MS Sans Serif"), 12, true));
    Bezeichnung6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Twips::setzen(Bezeichnung6, 5280, leisteOben - 30, 780, 360);
    Bezeichnung7 = new Bezeichnung(this, QStringLiteral("Bezeichnung7"), QStringLiteral(" Sek"));
    Bezeichnung7->setFont(Schrift::machen(QStringLiteral("MS Sans Serif"), 12, true));
    Twips::setzen(Bezeichnung7, 6060, leisteOben - 30, 600, 360);

    const int knopfOben = leisteOben + 480;
    Befehl2 = new Knopf(this, QStringLiteral("Befehl2"), QStringLiteral("HILFE"));
    Befehl2->setFont(klein);
    Twips::setzen(Befehl2, 4560, knopfOben, 1380, 450);
    Befehl1 = new Knopf(this, QStringLiteral("Befehl1"), QStringLiteral("ENDE"));
    Befehl1->setFont(klein);
    Twips::setzen(Befehl1, 6060, knopfOben, 1380, 450);

    Zeit1 = new Zeitgeber(this, QStringLiteral("Zeit1"), 1000);

    Liste1 = bestenlisteAnlegen(QStringLiteral("Liste1"), QRect(2400, 720, 3120, 3360));
}

void fang::Form_Activate()
{
    MODUL1 &m = programm().modul;
    m_gestartet = false;
    FeldLeeren();
    m_feld.beginnen(m.Loesungswort);
    m.Loesungswort = m_feld.wort();
    Bezeichnung3->setCaption(m_feld.wort().left(1));
    Bezeichnung4->setCaption(QString());
    Bezeichnung5->setCaption(m_feld.wort().mid(1));
    Bezeichnung6->setCaption(QStringLiteral("0"));
    Twips::setzen(Bezeichnung8, Zelle * m_feld.spalte(), Zelle * m_feld.zeile(), 330, 330);

    // The start text in a smaller type than the letters, so that it fits.
    const QFont buchstaben = Bild5->zeichnung().schrift();
    Bild5->zeichnung().setSchrift(Schrift::machen(QStringLiteral("MS Sans Serif"), 12, true));
    Bild5->zeichnung().setFarbe(QColor(0, 0, 128));
    Bild5->print(QString());
    Bild5->print(QString());
    Bild5->print(QString());
    Bild5->print(QStringLiteral("          Zum Starten hier klicken . . ."));
    Bild5->print(QString());
    Bild5->print(QStringLiteral("          (Anleitung über Hilfe-Knopf)"));
    Bild5->zeichnung().setSchrift(buchstaben);
    Bild5->zeichnung().setFarbe(Qt::black);

    bestenlisteLaden();
}

void fang::Bild5_Click()
{
    m_gestartet = true;
    Zeit1->setEnabled(true);
    FeldLeeren();
    BuchstabenStreuen();
    FangPruefen();
    if (!m_gestartet)
        return;
    Bild5->setFocus();
    Bezeichnung8->show();
}

void fang::BuchstabenStreuen()
{
    m_feld.streuen(programm().zufall());
    programm().modul.Loesungswort = m_feld.wort();
    BuchstabenZeichnen();
}

void fang::BuchstabenZeichnen()
{
    Bild5->Cls();
    // Before the letters are strewn there are no places; then one per letter.
    for (qsizetype i = 0; i < m_feld.fangX().size(); ++i)
        Bild5->text(Zelle * m_feld.fangX().at(i), Zelle * m_feld.fangY().at(i), QString(m_feld.wort().at(i)));
}

void fang::FeldLeeren()
{
    Bild5->Cls();
}

void fang::pfeil(Pfeil richtung)
{
    switch (richtung) {
    case Pfeil::Oben: NachOben(); break;
    case Pfeil::Unten: NachUnten(); break;
    case Pfeil::Links: NachLinks(); break;
    case Pfeil::Rechts: NachRechts(); break;
    }
}

void fang::NachOben() { bewegen(0, -1); }
void fang::NachUnten() { bewegen(0, 1); }
void fang::NachLinks() { bewegen(-1, 0); }
void fang::NachRechts() { bewegen(1, 0); }

void fang::bewegen(int dSpalte, int dZeile)
{
    if (!m_gestartet)
        return;
    m_feld.bewegen(dSpalte, dZeile);
    FangPruefen();
}

void fang::FangPruefen()
{
    const QString gefangen = m_feld.fangen();
    if (!gefangen.isEmpty()) {
        FeldLeeren();
        Bezeichnung4->setCaption(Bezeichnung4->Caption() + Bezeichnung3->Caption());
        Bezeichnung5->setCaption(Bezeichnung5->Caption().mid(1));
        programm().modul.Loesungswort = m_feld.wort();
        BuchstabenZeichnen();
    }
    Twips::setzen(Bezeichnung8, Zelle * m_feld.spalte(), Zelle * m_feld.zeile(), 330, 330);
    Bezeichnung3->setCaption(m_feld.wort().left(1));
    if (m_feld.wort().isEmpty())
        SpielGewonnen();
}

void fang::Zeit1_Timer()
{
    const int t = Bezeichnung6->Caption().toInt() + 1;
    Bezeichnung6->setCaption(QString::number(t));
    const int v = std::max(1, HBildlauf1->Value());
    if (t % v != 0)
        return;
    FeldLeeren();
    BuchstabenStreuen();
    FangPruefen();
}

void fang::HBildlauf1_Change()
{
    Bezeichnung9->setCaption(QString::number(HBildlauf1->Value()));
    Bild5->setFocus();
}

void fang::SpielGewonnen()
{
    const int t = Bezeichnung6->Caption().toInt();
    Zeit1->setEnabled(false);
    gewonnen(t, QStringLiteral("Du hast es in %1 Sekunden geschafft.\r").arg(t), kTitel, [this] { SpielBeenden(); });
}

void fang::Befehl1_Click()
{
    if (!vorzeitigBeenden(kTitel))
        return;
    SpielBeenden();
}

void fang::SpielBeenden()
{
    Bezeichnung8->hide();
    Zeit1->setEnabled(false);
    m_gestartet = false;
    zurueckZumHauptfenster();
    MODUL1 &m = programm().modul;
    m.Loesungswort.clear();
    m.Eingabe.clear();
    m.NaechsteAufgabe();
}

void fang::Befehl2_Click()
{
    const QStringList zeilen{
        QStringLiteral("Du musst die Wortbuchstaben der Reihe"),
        QStringLiteral("nach fangen. Gesteuert wird mit den vier"),
        QStringLiteral("Pfeiltasten rechts auf deiner PC-Tastatur."),
        QStringLiteral("Bei doppelten Buchstaben weißt du jedoch"),
        QStringLiteral("nicht, welcher Buchstabe an der Reihe ist."),
    };
    programm().boxen().meldung(zeilen.join(QLatin1Char('\r')) + QStringLiteral("\r"),
                               QStringLiteral("Wortfange: Hilfe"));
    Bild5->setFocus();
}
