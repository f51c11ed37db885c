#include "windows/Form8.h"

#include "lists/Dateien.h"
#include "lists/Einstellungen.h"
#include "lists/Listenpruefung.h"
#include "lists/Listenspeicher.h"
#include "renderings/Schreibung.h"
#include "trainer/AufgabeDarstellen.h"
#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"
#include "ui/Twips.h"
#include "windows/Berichtfenster.h"
#include "windows/Form1.h"
#include "windows/Form7.h"
#include "windows/Programm.h"

#include <QFontDatabase>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor kHellblau(192, 224, 255);
/// Pixels between a label's edge and its text.
constexpr int kTextAbstand = 4;

QString groesseText(int anzahl)
{
    return Schreibung::zahl(anzahl) + QStringLiteral(" Wörter");
}

} // namespace

Form8::Form8(Programm &programm)
    : Fenster(programm, QStringLiteral("Form8"), QStringLiteral("Tippolo: Einstellungen"), 10200, 7200), m_programm(programm)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/tippolo.svg")));
    aufbauen();
    verbinden();
    // The font list is filled a moment after creation, so start-up is not held up.
    Zeit1->start();
}

Form8::~Form8() = default;

void Form8::aufbauen()
{
    // Icons in a row along the top.
    auto symbol = [this](const char *name, const char *datei, int x, const QString &tipp) {
        auto *b = new Bild(this, QString::fromLatin1(name), QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(datei)));
        Twips::setzen(b, x, 120, 495, 495);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(tipp);
        return b;
    };
    Bild1 = symbol("Bild1", "zurueck", 240, QStringLiteral("Zurück"));
    Bild8 = symbol("Bild8", "sandeimer", 960, QStringLiteral("Wörter bis zur Spielrunde"));
    Bezeichnung8 = new Bezeichnung(this, QStringLiteral("Bezeichnung8"), QStringLiteral("20"));
    Bezeichnung8->setSchrift(QStringLiteral("MS Sans Serif"), 8, true);
    Bezeichnung8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Twips::setzen(Bezeichnung8, 1500, 240, 540, 255);
    Bild2 = symbol("Bild2", "zahnraddiskette", 2160, QStringLiteral("Einstellungen speichern"));
    Bild4 = symbol("Bild4", "stift", 2880, QStringLiteral("Neue Wörter eingeben"));
    Bild5 = symbol("Bild5", "diskette", 3600, QStringLiteral("Liste speichern"));
    Bild6 = symbol("Bild6", "apfel", 4320, QStringLiteral("Eintrag löschen"));
    Bild7 = symbol("Bild7", "muelleimer", 5040, QStringLiteral("Ganze Liste löschen"));
    Bild3 = symbol("Bild3", "hilfe", 5760, QStringLiteral("Hilfe"));
    Bild9 = symbol("Bild9", "bericht", 6480, QStringLiteral("Fehlerbericht"));
    Kontroll1 = new Kontrollkaestchen(this, QStringLiteral("Kontroll1"), QStringLiteral("Laufwerke und Ordner sperren"));
    Kontroll1->setFont(Schrift::machen(QStringLiteral("MS Sans Serif"), 8, true));
    Twips::setzen(Kontroll1, 7200, 180, 2880, 375);
    Kontroll1->setValue(0);

    // Left column: the title/sample pairs.
    struct Paar { Bezeichnung **titel; const char *titelname; const char *caption;
                  Bezeichnung **muster; const char *mustername; const char *schrift; };
    const Paar paare[] = {
        {&Bezeichnung5, "Bezeichnung5", "Anzeigeschrift:", &Bezeichnung9, "Bezeichnung9", "Arial"},
        {&Bezeichnung7, "Bezeichnung7", "Druckschrift:", &Bezeichnung12, "Bezeichnung12", "Comic Sans MS"},
        {&Bezeichnung1, "Bezeichnung1", "Schreibschrift:", &Bezeichnung15, "Bezeichnung15", "Lateinaus"},
        {&Bezeichnung19, "Bezeichnung19", "Wörterliste:", &Bezeichnung20, "Bezeichnung20", "MS Sans Serif"},
        {&Bezeichnung6, "Bezeichnung6", "Abgedeckt:", &Bezeichnung11, "Bezeichnung11", "tpohalb"},
        {&Bezeichnung17, "Bezeichnung17", "Bildwörter:", &Bezeichnung18, "Bezeichnung18", "Anlaut"},
        {&Bezeichnung4, "Bezeichnung4", "Spiegel:", &Bezeichnung14, "Bezeichnung14", "tpospiegel"},
        {&Bezeichnung3, "Bezeichnung3", "Wortruinen:", &Bezeichnung13, "Bezeichnung13", "tpofenster"}};
    int oben = 840;
    for (const Paar &p : paare) {
        auto *t = new Bezeichnung(this, QString::fromLatin1(p.titelname), QString::fromUtf8(p.caption));
        t->setSchrift(QStringLiteral("MS Sans Serif"), 9.75, true);
        t->setFarben(Qt::black, kHellblau);
        t->setIndent(kTextAbstand);
        t->setCursor(Qt::PointingHandCursor);
        t->setToolTip(QStringLiteral("Klicken: die Schrift der Vorschau übernehmen"));
        Twips::setzen(t, 240, oben, 2760, 270);
        *p.titel = t;
        auto *m = new Bezeichnung(this, QString::fromLatin1(p.mustername), QStringLiteral("Beispielwort"));
        m->setSchrift(QString::fromLatin1(p.schrift), 12, true);
        m->setFarben(Qt::black, Qt::white);
        m->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m->setIndent(kTextAbstand);
        // A picture font is wider than letters: its sample is drawn smaller, never cut.
        m->setEinpassen(true);
        Twips::setzen(m, 240, oben + 270, 2760, 420);
        *p.muster = m;
        oben += 750;
    }

    // Middle column: the font list with the preview under it.
    Liste1 = new Liste(this, QStringLiteral("Liste1"), false, true);
    Liste1->setTwips(3240, 840, 3240, 5160);
    Bezeichnung2 = new Bezeichnung(this, QStringLiteral("Bezeichnung2"), QStringLiteral("Beispielwort"));
    Bezeichnung2->setSchrift(QStringLiteral("Arial"), 13.5);
    Bezeichnung2->setFarben(Qt::black, Qt::white);
    Bezeichnung2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Bezeichnung2->setEinpassen(true);
    Twips::setzen(Bezeichnung2, 3240, 6120, 3240, 690);

    // Right column: the editor list and its size.
    Liste2 = new Liste(this, QStringLiteral("Liste2"), true, true);
    Liste2->setTwips(6720, 840, 3240, 4800);
    Bezeichnung16 = new Bezeichnung(this, QStringLiteral("Bezeichnung16"), groesseText(0));
    Bezeichnung16->setSchrift(QStringLiteral("MS Sans Serif"), 9.75, true);
    Bezeichnung16->setAlignment(Qt::AlignCenter);
    Twips::setzen(Bezeichnung16, 6720, 5700, 3240, 330);
    Listenhinweis = new Bezeichnung(this, QStringLiteral("Listenhinweis"));
    Listenhinweis->setSchrift(QStringLiteral("MS Sans Serif"), 8, true);
    Listenhinweis->setFarben(QColor(176, 0, 0));
    Listenhinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Listenhinweis->setWordWrap(true);
    Twips::setzen(Listenhinweis, 6720, 6060, 3240, 750);

    Schrifthinweis = new Bezeichnung(this, QStringLiteral("Schrifthinweis"));
    Schrifthinweis->setSchrift(QStringLiteral("MS Sans Serif"), 8, true);
    Schrifthinweis->setFarben(QColor(176, 0, 0));
    Schrifthinweis->setEinpassen(true);
    Twips::setzen(Schrifthinweis, 240, 6855, 9720, 300);

    Zeit1 = new Zeitgeber(this, QStringLiteral("Zeit1"), 100);
    Zeit1->setSingleShot(true);
}

void Form8::verbinden()
{
    connect(Zeit1, &Zeitgeber::Timer, this, &Form8::Zeit1_Timer);
    connect(Liste1, &Liste::Click, this, &Form8::Liste1_Click);
    connect(Bezeichnung5, &Bezeichnung::Click, this, &Form8::Bezeichnung5_Click);
    connect(Bezeichnung7, &Bezeichnung::Click, this, &Form8::Bezeichnung7_Click);
    connect(Bezeichnung1, &Bezeichnung::Click, this, &Form8::Bezeichnung1_Click);
    connect(Bezeichnung19, &Bezeichnung::Click, this, &Form8::Bezeichnung19_Click);
    connect(Bezeichnung6, &Bezeichnung::Click, this, &Form8::Bezeichnung6_Click);
    connect(Bezeichnung17, &Bezeichnung::Click, this, &Form8::Bezeichnung17_Click);
    connect(Bezeichnung4, &Bezeichnung::Click, this, &Form8::Bezeichnung4_Click);
    connect(Bezeichnung3, &Bezeichnung::Click, this, &Form8::Bezeichnung3_Click);
    connect(Bild1, &Bild::Click, this, &Form8::Bild1_Click);
    connect(Bild2, &Bild::Click, this, &Form8::Bild2_Click);
    connect(Bild3, &Bild::Click, this, &Form8::Bild3_Click);
    connect(Bild4, &Bild::Click, this, &Form8::Bild4_Click);
    connect(Bild5, &Bild::Click, this, &Form8::Bild5_Click);
    connect(Bild6, &Bild::Click, this, &Form8::Bild6_Click);
    connect(Bild7, &Bild::Click, this, &Form8::Bild7_Click);
    connect(Bild8, &Bild::Click, this, &Form8::Bild8_Click);
    connect(Bild9, &Bild::Click, this, &Form8::Bild9_Click);
}

std::optional<QString> Form8::aufgabenschrift(int uebung) const
{
    switch (uebung) {
    case 1: return AbgedecktSchrift();
    case 10: return WortruinenSchrift();
    case 12: return SpiegelSchrift();
    case 24: return BildwoerterSchrift();
    default: return std::nullopt;
    }
}

QList<Bezeichnung *> Form8::Musterfolge() const
{
    return {Bezeichnung9, Bezeichnung11, Bezeichnung12, Bezeichnung13,
            Bezeichnung14, Bezeichnung15, Bezeichnung18, Bezeichnung20};
}

Einstellungen Form8::einstellungen() const
{
    Einstellungen e;
    e.wortmenge = programm().modul.Wortmenge;
    e.schriften.clear();
    for (const Bezeichnung *b : Musterfolge())
        e.schriften << b->FontName();
    e.sperre = Kontroll1->Value();
    return e;
}

void Form8::uebernehmen(const Einstellungen &e)
{
    programm().modul.Wortmenge = e.wortmenge;
    const QList<Bezeichnung *> muster = Musterfolge();
    for (int i = 0; i < muster.size(); ++i)
        muster.at(i)->setFontName(e.schriften.value(i));
    programm().form1().Liste2->setFontName(WoerterlisteSchrift());
    Kontroll1->setValue(e.sperre);
}

bool Form8::EinstellungenSpeichern()
{
    const Einstellungen e = einstellungen();
    for (const QString &s : e.schriften) {
        if (!Dateien::kodierbar(s)) {
            programm().boxen().meldung(QStringLiteral("Der Schriftname \"%1\" enthält ein Zeichen, das in der "
                                                      "Datei nicht gespeichert werden kann.\r"
                                                      "Die Einstellungen wurden nicht gespeichert.")
                                           .arg(s),
                                       QStringLiteral("Einstellungen"), Knoepfe::OK, Symbol::Stop);
            return false;
        }
    }
    QString fehler;
    if (!Dateien::zeilenSchreiben(programm().datei(QStringLiteral("TIPPOLO.INI")), e.zeilen(), &fehler)) {
        programm().boxen().meldung(fehler + QStringLiteral("\rDie Einstellungen wurden nicht gespeichert."),
                                   QStringLiteral("Einstellungen"), Knoepfe::OK, Symbol::Stop);
        return false;
    }
    return true;
}

void Form8::Form_Load()
{
    zentrieren();
}

void Form8::Form_Activate()
{
    Form1 &f = programm().form1();
    Liste2->Clear();
    Liste2->addItems(f.Liste1->eintraege());
    groesseZeigen();
    Bezeichnung8->setCaption(QString::number(programm().modul.Wortmenge));
    fehlendeZeigen();
}

void Form8::fehlendeZeigen(bool vorschau)
{
    // A worksheet should never mix a chosen font with a substitute for the
    // letters it lacks, so the teacher is told which letters those are.
    const QString buchstaben = Schrift::buchstabenIn(programm().form1().Liste1->eintraege());
    QStringList schriften;
    if (vorschau)
        schriften << Bezeichnung2->FontName();
    for (const Bezeichnung *b : Musterfolge())
        if (!schriften.contains(b->FontName()))
            schriften << b->FontName();
    for (const QString &schrift : schriften) {
        const QString fehlt = Schrift::fehlendeBuchstaben(schrift, buchstaben);
        if (!fehlt.isEmpty()) {
            QStringList einzeln;
            for (const char32_t c : QStringView(fehlt).toUcs4())
                einzeln << QString::fromUcs4(&c, 1);
            Schrifthinweis->setCaption(QStringLiteral("Der Schrift „%1“ fehlen Buchstaben der Wortliste: %2")
                                           .arg(schrift, einzeln.join(QLatin1Char(' '))));
            return;
        }
    }
    Schrifthinweis->setCaption(QString());
}

void Form8::groesseZeigen()
{
    Bezeichnung16->setCaption(groesseText(Liste2->ListCount()));
    Listenhinweis->setCaption(Listenpruefung::pruefen(Liste2->eintraege()).zeile());
}

void Form8::Zeit1_Timer()
{
    Zeit1->stop();
    Bezeichnung *zeile = programm().form1().Bezeichnung2;
    zeile->setCaption(QStringLiteral("Schriften werden geladen ..."));
    if (zeile->isVisible())
        zeile->repaint();
    Liste1->Clear();
    const QStringList schriften = QFontDatabase::families();
    Liste1->addItems(schriften);
    if (schriften.isEmpty())
        programm().boxen().meldung(QStringLiteral("Es ist ein Fehler aufgetreten ..."), QStringLiteral("Schriften"));
    if (Liste1->ListCount() > 0) {
        Liste1->setListIndex(0);
        Bezeichnung2->setFontName(Liste1->List(0));
    }
    zeile->setCaption(QString());
}

void Form8::Liste1_Click()
{
    if (Liste1->ListIndex() >= 0)
        Bezeichnung2->setFontName(Liste1->Text());
    fehlendeZeigen(true);
}

void Form8::zuweisen(Bezeichnung *muster)
{
    muster->setFontName(Bezeichnung2->FontName());
    fehlendeZeigen();
}

void Form8::Bezeichnung5_Click()
{
    zuweisen(Bezeichnung9);
    programm().form1().Bezeichnung1->setFontName(Anzeigeschrift());
}

void Form8::Bezeichnung7_Click() { zuweisen(Bezeichnung12); }
void Form8::Bezeichnung1_Click() { zuweisen(Bezeichnung15); }

void Form8::Bezeichnung19_Click()
{
    zuweisen(Bezeichnung20);
    programm().form1().Liste2->setFontName(WoerterlisteSchrift());
}

void Form8::Bezeichnung6_Click() { zuweisen(Bezeichnung11); }
void Form8::Bezeichnung17_Click() { zuweisen(Bezeichnung18); }
void Form8::Bezeichnung4_Click() { zuweisen(Bezeichnung14); }
void Form8::Bezeichnung3_Click() { zuweisen(Bezeichnung13); }

void Form8::Bild1_Click()
{
    verbergen();
    programm().form1().zeigen();
}

void Form8::Bild2_Click()
{
    if (EinstellungenSpeichern())
        programm().boxen().meldung(QStringLiteral("Daten wurden gespeichert!"), QStringLiteral("Einstellungen"));
}

void Form8::Bild3_Click()
{
    programm().modul.Hilfethema = 2;
    programm().form7().zeigen();
}

void Form8::Bild4_Click()
{
    MODUL1 &m = programm().modul;
    Form1 &f = programm().form1();
    m.Uebung = 0;
    for (;;) {
        const int n = f.Liste1->ListCount();
        const QString wort = programm().boxen().eingabe(QStringLiteral("Neues Wort eingeben:"),
                                                        QStringLiteral("Worteingabe") + Schreibung::zahl(n + 1));
        if (wort.isEmpty()) {
            fehlendeZeigen();
            return;
        }
        if (!f.Liste1->eintraege().contains(wort)) {
            f.Liste1->AddItem(wort);
            Liste2->AddItem(wort);
        }
        groesseZeigen();
    }
}

void Form8::Bild5_Click()
{
    Boxen &boxen = programm().boxen();
    const QString titel = QStringLiteral("Liste speichern");
    if (Liste2->ListCount() == 0) {
        boxen.meldung(QStringLiteral("Keine Einträge vorhanden!"), titel, Knoepfe::OK, Symbol::Information);
        return;
    }
    const QString name = listeSpeichern(programm().boxen(), programm().arbeitsordner(), *programm().form1().Datei1, titel,
                                        QStringLiteral("TIPPOLO.TXT"), Liste2->eintraege());
    if (!name.isEmpty())
        boxen.meldung(QStringLiteral("Liste wurde gespeichert!"), name, Knoepfe::OK, Symbol::Information);
}

void Form8::Bild6_Click()
{
    const int i = Liste2->ListIndex();
    if (i < 0)
        return;
    MODUL1 &m = programm().modul;
    const QString text = QStringLiteral("Nr.") + Schreibung::zahl(i + 1) + QStringLiteral(" = ") +
                         Schreibung::gross(Liste2->List(i));
    if (!programm().boxen().frage(text, QStringLiteral("Eintrag löschen"))) {
        AufgabeDarstellen(programm());
        return;
    }
    Liste2->RemoveItem(i);
    m.Benutzt = QString(Liste2->ListCount(), QLatin1Char('0'));
    if (Liste2->ListCount() > 0)
        Liste2->setListIndex(0);
    groesseZeigen();
}

void Form8::Bild7_Click()
{
    if (Liste1->ListCount() == 0)
        return;
    MODUL1 &m = programm().modul;
    if (!programm().boxen().frage(QStringLiteral("Die ganze Liste jetzt löschen?"), QStringLiteral("Liste löschen"))) {
        AufgabeDarstellen(programm());
        return;
    }
    Liste2->Clear();
    m.Benutzt.clear();
    Bezeichnung2->setCaption(QString());
    m.Uebung = 0;
    // Letters typed for the task before are no new word.
    m.Leeren();
    m.NaechsteAufgabe();
    groesseZeigen();
}

void Form8::Bild8_Click()
{
    if (Liste1->ListCount() == 0)
        return;
    MODUL1 &m = programm().modul;
    const QString antwort = programm().boxen().eingabe(QStringLiteral("Nach wie vielen Wörtern gibt es eine Spielrunde:"),
                                                       QStringLiteral("Wortanzahl eingeben"), QStringLiteral("20"));
    const double zahl = zahlAmAnfang(antwort);
    // Whole words only: a fraction is rounded.
    m.Wortmenge = static_cast<int>(std::lround(std::clamp(zahl, 10.0, double(std::numeric_limits<int>::max()))));
    Bezeichnung8->setCaption(QString::number(m.Wortmenge));
    programm().boxen().meldung(QStringLiteral("Sie müssen die Einstellungen noch speichern!"),
                               QStringLiteral("Wortmenge:") + Schreibung::zahl(m.Wortmenge));
}

void Form8::Bild9_Click()
{
    programm().berichtfenster().zeigen();
}
