#include "windows/gefangen.h"

#include "ui/Boxen.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

namespace {
const QString kTitel = QStringLiteral("Wortgefängnis");
const QString kDatei = QStringLiteral("BESTSUCH.LST");
const QString kWunschboxLeer = QStringLiteral(" ? ? ?");
} // namespace

gefangen::gefangen(Programm &programm)
    : Spielfenster(programm, QStringLiteral("gefangen"), QStringLiteral("Wortgefängnis"), QSize(7800, 5880), kDatei)
{
    aufbauen();
    setKeyPreview(true);
    connect(Befehl1, &Knopf::Click, this, &gefangen::Befehl1_Click);
    connect(Befehl2, &Knopf::Click, this, &gefangen::Befehl2_Click);
    connect(Befehl3, &Knopf::Click, this, &gefangen::Befehl3_Click);
    connect(Bild1, &Bild::Click, this, &gefangen::Bild1_Click);
    connect(Bild2, &Bild::Click, this, &gefangen::Bild2_Click);
    connect(Bild3, &Bild::Click, this, &gefangen::Bild3_Click);
    connect(Bild4, &Bild::Click, this, &gefangen::Bild4_Click);
    connect(Bild5, &Bild::Click, this, &gefangen::Bild5_Click);
}

void gefangen::aufbauen()
{
    zeichnung().setSchrift(Schrift::machen(QStringLiteral("Arial"), 13.5));

    // Frames only: the grid is drawn on the window beneath them.
    Figur1 = new Figur(this, QStringLiteral("Figur1"), Figur::Rechteck, Qt::transparent, QColor(0, 0, 128), 2);
    Twips::setzen(Figur1, 150, 180, 5310, 5340);
    Figur2 = new Figur(this, QStringLiteral("Figur2"), Figur::Rechteck, Qt::transparent, QColor(0, 0, 128), 2);
    Twips::setzen(Figur2, 5640, 180, 1980, 5340);

    const QFont knopfSchrift = Schrift::machen(QStringLiteral("Arial"), 10, true);
    Befehl1 = new Knopf(this, QStringLiteral("Befehl1"), QStringLiteral("ENDE"));
    Befehl1->setFont(knopfSchrift);
    Twips::setzen(Befehl1, 5880, 420, 1500, 480);
    Befehl3 = new Knopf(this, QStringLiteral("Befehl3"), QStringLiteral("HILFE"));
    Befehl3->setFont(knopfSchrift);
    Twips::setzen(Befehl3, 5880, 1020, 1500, 480);

    Bild1 = new Bild(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/pfeil_oben.svg"));
    Twips::setzen(Bild1, 6390, 1740, 480, 480);
    Bild2 = new Bild(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/pfeil_links.svg"));
    Twips::setzen(Bild2, 5910, 2220, 480, 480);
    Bild3 = new Bild(this, QStringLiteral("Bild3"), QStringLiteral(":/icons/pfeil_rechts.svg"));
    Twips::setzen(Bild3, 6870, 2220, 480, 480);
    Bild4 = new Bild(this, QStringLiteral("Bild4"), QStringLiteral(":/icons/pfeil_unten.svg"));
    Twips::setzen(Bild4, 6390, 2700, 480, 480);
    for (Bild *b : {Bild1, Bild2, Bild3, Bild4})
        b->setCursor(Qt::PointingHandCursor);

    Befehl2 = new Knopf(this, QStringLiteral("Befehl2"), kWunschboxLeer);
    Befehl2->setFont(Schrift::machen(QStringLiteral("Arial"), 16, true));
    Twips::setzen(Befehl2, 5880, 3420, 1500, 600);

    Bild5 = new Bild(this, QStringLiteral("Bild5"), QStringLiteral(":/icons/gitter.svg"));
    Bild5->setCursor(Qt::PointingHandCursor);
    Twips::setzen(Bild5, 6030, 4080, 1200, 1200);

    Liste1 = bestenlisteAnlegen(QStringLiteral("Liste1"), QRect(1380, 1380, 3060, 3060));
}

void gefangen::Form_Activate()
{
    MODUL1 &m = programm().modul;
    m.Eingabe = m.Loesungswort;
    setCaption(QStringLiteral("Wortgefängnis:  ") + m.Eingabe);
    m_gitter.aufbauen(m.Eingabe, programm().zufall());
    Befehl2->setCaption(kWunschboxLeer);
    zeichnen();
    bestenlisteLaden();
}

void gefangen::gitterVorgeben(const QStringList &zeilen)
{
    m_gitter.setzen(programm().modul.Eingabe, zeilen);
    Befehl2->setCaption(kWunschboxLeer);
    zeichnen();
}

void gefangen::zeichnen()
{
    Zeichnung &z = zeichnung();
    z.Cls();
    z.setFarbe(Qt::black);
    for (int r = 1; r <= Gefaengnisgitter::Groesse; ++r)
        for (int c = 1; c <= Gefaengnisgitter::Groesse; ++c) {
            const QChar ch = m_gitter.zelle(c, r);
            if (ch != QLatin1Char(' '))
                z.text(zellenX(c), zellenY(r), QString(ch));
        }
    z.setFarbe(markenfarbe());
    z.text(zellenX(m_gitter.spalte()), zellenY(m_gitter.zeile()), QStringLiteral("+"));
    update();
}

void gefangen::pfeil(Pfeil richtung)
{
    switch (richtung) {
    case Pfeil::Oben: Bild1_Click(); break;
    case Pfeil::Unten: Bild4_Click(); break;
    case Pfeil::Links: Bild2_Click(); break;
    case Pfeil::Rechts: Bild3_Click(); break;
    }
}

void gefangen::Form_KeyPress(QStringView zeichen)
{
    if (siegerehrung())
        return;
    if (zeichen.size() == 1 && zeichen.front().unicode() >= 32 && zeichen.front().unicode() <= 122)
        Befehl2_Click();
}

void gefangen::Bild1_Click() { schritt(Gefaengnisgitter::Richtung::Oben); }
void gefangen::Bild2_Click() { schritt(Gefaengnisgitter::Richtung::Links); }
void gefangen::Bild3_Click() { schritt(Gefaengnisgitter::Richtung::Rechts); }
void gefangen::Bild4_Click() { schritt(Gefaengnisgitter::Richtung::Unten); }

void gefangen::schritt(Gefaengnisgitter::Richtung r)
{
    const auto ergebnis = m_gitter.schritt(r);
    if (ergebnis == Gefaengnisgitter::Ergebnis::Verweigert)
        return;
    zeichnen();
    if (ergebnis == Gefaengnisgitter::Ergebnis::Ausbruch)
        gewonnen();
}

void gefangen::gewonnen()
{
    const int genommen = m_gitter.genommen();
    // Walking out of an empty grid is no achievement for the best list.
    Spielfenster::gewonnen(genommen, QStringLiteral("Prima, du bist jetzt frei!\rEs waren %1 Spielzüge!\r").arg(genommen),
                           kTitel, [this] { beenden(); }, !m_gitter.wort().isEmpty());
}

void gefangen::Befehl2_Click()
{
    Boxen &boxen = programm().boxen();
    const int w = m_gitter.wuensche();
    if (w >= 3) {
        boxen.meldung(QStringLiteral("Kein Wunsch mehr frei!"), QStringLiteral("Wunschbox"));
        return;
    }
    const QString t = w == 2 ? QStringLiteral("Du hast noch  1 Wunsch frei!")
                             : QStringLiteral("Du hast noch %1 Wünsche frei!").arg(3 - w);
    const Antwort a = boxen.meldung(t + QStringLiteral("\n\rMöchtest du einen benutzen?\n\r"),
                                    QStringLiteral("Wunschbox"), Knoepfe::JaNein, Symbol::Frage, Antwort::Nein);
    if (a == Antwort::Nein)
        return;
    const QString buchstabe = m_gitter.wunsch();
    QString caption = Befehl2->Caption();
    const int pos = 2 * m_gitter.wuensche() - 1;
    if (!buchstabe.isEmpty() && pos < caption.size())
        caption[pos] = buchstabe.at(0);
    Befehl2->setCaption(caption);
}

void gefangen::Bild5_Click()
{
    programm().boxen().meldung(QStringLiteral("\r") + m_gitter.hinweis() + QStringLiteral("\r\r"), kTitel);
}

void gefangen::Befehl3_Click()
{
    const QStringList zeilen{
        QStringLiteral("Suche mit den Pfeiltasten die Buchstaben des"),
        QStringLiteral("Lösungswortes bis du an den Rand kommst und"),
        QStringLiteral("ausgebrochen bist. Überlege immer gut, von"),
        QStringLiteral("welcher Stelle du einen Buchstaben wegnimmst."),
        QStringLiteral("Du hast drei Buchstabenwünsche frei, die du mit"),
        QStringLiteral("Klick auf die Fragezeichen holen kannst oder wenn"),
        QStringLiteral("du den gewünschten Buchstaben auf der Tastatur"),
        QStringLiteral("drückst. Ein Klick auf das Gitter zeigt den nächsten"),
        QStringLiteral("Buchstaben, falls du die Reihenfolge nicht mehr weißt."),
    };
    programm().boxen().meldung(zeilen.join(QLatin1Char('\r')) + QStringLiteral("\r\r"), QStringLiteral("Hilfe"));
}

void gefangen::Befehl1_Click()
{
    SpielAbbrechen();
}

void gefangen::SpielAbbrechen()
{
    if (!vorzeitigBeenden(kTitel))
        return;
    beenden();
}

void gefangen::beenden()
{
    Befehl2->setCaption(kWunschboxLeer);
    zurueckZumHauptfenster();
    programm().modul.Leeren();
    programm().modul.NaechsteAufgabe();
}
