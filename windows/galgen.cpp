#include "windows/galgen.h"

#include "renderings/Schreibung.h"
#include "ui/Boxen.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <algorithm>

namespace {
const QColor kBraun(128, 64, 0);
const QColor kDunkelbraun(80, 40, 0);
const QColor kRot(255, 0, 0);
const QColor kBlau(0, 0, 255);
const QColor kSilber(192, 192, 192);
const QString kTitel = QStringLiteral("Galgenspiel");
const QString kDatei = QStringLiteral("BESTHANG.LST");
} // namespace

galgen::galgen(Programm &programm)
    : Spielfenster(programm, QStringLiteral("galgen"), QStringLiteral("Wortgalgen"), QSize(9600, 6480), kDatei)
{
    aufbauen();
    connect(Liste1, &Liste::Click, this, &galgen::Liste1_Click);
    connect(Befehl1, &Knopf::Click, this, &galgen::Befehl1_Click);
}

QString galgen::Buchstaben()
{
    return QStringLiteral("APBQCRDSETFUGVHWIXJYKZLÄMÖNÜOß");
}

void galgen::aufbauen()
{
    Liste1 = new Liste(this, QStringLiteral("Liste1"), false);
    Liste1->setMehrfachauswahl(true);
    Liste1->setFontName(QStringLiteral("MS Sans Serif"));
    Liste1->setFontSize(13.5);
    Liste1->setFontBold(true);
    Liste1->setFarben(Qt::black, kSilber);
    Liste1->setTwips(240, 240, 9120, 900);
    Liste1->setSpalten(15);

    // The gallows: post, beam and brace stand on the left, the rope hangs
    // from the end of the beam.
    Figur2 = new Figur(this, QStringLiteral("Figur2"), Figur::Rechteck, kBraun, kDunkelbraun);
    Twips::setzen(Figur2, 600, 1560, 240, 4440);
    Figur3 = new Figur(this, QStringLiteral("Figur3"), Figur::Rechteck, kBraun, kDunkelbraun);
    Twips::setzen(Figur3, 600, 1560, 2520, 240);
    Linie6 = new Linie(this, QStringLiteral("Linie6"), 840, 2640, 1680, 1800, kBraun, 5);
    Linie1 = new Linie(this, QStringLiteral("Linie1"), 2760, 1800, 2760, 2460, Qt::black, 2);

    // The hanged figure under the rope.
    Bild2 = new Bild(this, QStringLiteral("Bild2"), QStringLiteral(":/icons/gesicht_traurig.svg"));
    Twips::setzen(Bild2, 2460, 2400, 600, 600);
    Linie2 = new Linie(this, QStringLiteral("Linie2"), 2600, 3240, 2280, 4020, kRot, 3);
    Linie3 = new Linie(this, QStringLiteral("Linie3"), 2920, 3240, 3240, 4020, kRot, 3);
    Linie4 = new Linie(this, QStringLiteral("Linie4"), 2680, 4000, 2460, 4980, kBlau, 3);
    Linie5 = new Linie(this, QStringLiteral("Linie5"), 2840, 4000, 3060, 4980, kBlau, 3);
    Figur5 = new Figur(this, QStringLiteral("Figur5"), Figur::Oval, kRot, QColor(160, 0, 0));
    Twips::setzen(Figur5, 2520, 2990, 480, 1080);

    // The freed figure stands lower, its feet level with the foot of the
    // post, and raises its arms.
    Bild1 = new Bild(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/gesicht_froh.svg"));
    Twips::setzen(Bild1, 2460, 3420, 600, 600);
    Linie7 = new Linie(this, QStringLiteral("Linie7"), 2600, 4260, 2160, 3480, kRot, 3);
    Linie8 = new Linie(this, QStringLiteral("Linie8"), 2920, 4260, 3360, 3480, kRot, 3);
    Linie9 = new Linie(this, QStringLiteral("Linie9"), 2680, 5020, 2460, 6000, kBlau, 3);
    Linie10 = new Linie(this, QStringLiteral("Linie10"), 2840, 5020, 3060, 6000, kBlau, 3);
    Figur7 = new Figur(this, QStringLiteral("Figur7"), Figur::Oval, kRot, QColor(160, 0, 0));
    Twips::setzen(Figur7, 2520, 4010, 480, 1080);

    Bezeichnung1 = new Bezeichnung(this, QStringLiteral("Bezeichnung1"));
    Bezeichnung1->setSchrift(QStringLiteral("Courier New"), 20, true);
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    // The pattern stays on one line, in smaller type for a long word.
    Bezeichnung1->setEinpassen(true);
    Twips::setzen(Bezeichnung1, 3840, 1440, 5520, 1320);

    Bezeichnung2 = new Bezeichnung(this, QStringLiteral("Bezeichnung2"));
    Bezeichnung2->setSchrift(QStringLiteral("Arial"), 16, true);
    Bezeichnung2->setFarben(QColor(128, 0, 0));
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Bezeichnung2->setEinpassen(true);
    Twips::setzen(Bezeichnung2, 3840, 2820, 5520, 480);

    Liste2 = bestenlisteAnlegen(QStringLiteral("Liste2"), QRect(4560, 3360, 3120, 2640));

    Befehl1 = new Knopf(this, QStringLiteral("Befehl1"), QStringLiteral(" E N D E"));
    Befehl1->setFont(Schrift::machen(QStringLiteral("MS Sans Serif"), 9.75, true));
    Twips::setzen(Befehl1, 8160, 5640, 1200, 480);

    FigurVerbergen();
}

QString galgen::MusterFuer(const QString &wort)
{
    return QStringLiteral(" _").repeated(wort.size());
}

QString galgen::Aufdecken(const QString &muster, const QString &wort, QChar buchstabe)
{
    QString m = muster;
    const QChar klein = Schreibung::klein(buchstabe);
    for (qsizetype i = 0; i < std::min(wort.size(), m.size() / 2); ++i) {
        if (wort.at(i) == buchstabe)
            m[2 * i + 1] = buchstabe;
        else if (wort.at(i) == klein)
            m[2 * i + 1] = klein;
    }
    return m;
}

QWidget *galgen::Teil(int fehler) const
{
    const QList<QWidget *> teile{Figur2, Figur3, Linie6, Linie1, Bild2, Figur5, Linie2, Linie3, Linie4, Linie5};
    return fehler >= 1 && fehler <= teile.size() ? teile.at(fehler - 1) : nullptr;
}

QList<QWidget *> galgen::Zeichenelemente() const
{
    return {Figur2, Figur3, Bild2, Figur5, Linie1, Linie2, Linie3, Linie4,
            Linie5, Linie6, Bild1, Figur7, Linie7, Linie8, Linie9, Linie10};
}

void galgen::Form_Activate()
{
    MODUL1 &m = programm().modul;
    m.Loesungswort = m.Eingabe;
    Liste1->Clear();
    QStringList eintraege;
    for (QChar c : Buchstaben())
        eintraege << QStringLiteral(" ") + c + QStringLiteral(" ");
    Liste1->addItems(eintraege);
    Bezeichnung2->setCaption(QString());
    m.Eingabe = MusterFuer(m.Loesungswort);
    Bezeichnung1->setCaption(m.Eingabe);
    m.Fehler = 0;
    FigurVerbergen();
    bestenlisteLaden();
}

void galgen::Liste1_Click()
{
    MODUL1 &m = programm().modul;
    if (Liste1->ListIndex() < 0)
        return;
    const QChar buchstabe = Liste1->Text().at(1);  // " A "
    const QString wort = m.Loesungswort;

    if (!Schreibung::gross(wort).contains(Schreibung::gross(buchstabe))) {
        ++m.Fehler;
        if (QWidget *teil = Teil(m.Fehler))
            teil->show();
        if (m.Fehler >= 10) {
            Bezeichnung2->setCaption(wort);
            programm().boxen().meldung(QStringLiteral("Du hast verloren!\r"), kTitel);
            SpielBeenden();
        }
        return;
    }

    m.Eingabe = Aufdecken(m.Eingabe, wort, Schreibung::gross(buchstabe));
    Bezeichnung1->setCaption(m.Eingabe);
    if (m.Eingabe.contains(QLatin1Char('_')))
        return;

    for (QWidget *w : {static_cast<QWidget *>(Bild2), static_cast<QWidget *>(Figur5),
                       static_cast<QWidget *>(Linie2), static_cast<QWidget *>(Linie3),
                       static_cast<QWidget *>(Linie4), static_cast<QWidget *>(Linie5)})
        w->hide();
    for (QWidget *w : {static_cast<QWidget *>(Bild1), static_cast<QWidget *>(Figur7),
                       static_cast<QWidget *>(Linie7), static_cast<QWidget *>(Linie8),
                       static_cast<QWidget *>(Linie9), static_cast<QWidget *>(Linie10)})
        w->show();
    const int versuche = Liste1->SelCount();
    gewonnen(versuche, QStringLiteral("Du hast %1 Versuche benötigt!\r").arg(versuche), kTitel, [this] { SpielBeenden(); });
}

void galgen::Befehl1_Click()
{
    if (!vorzeitigBeenden(QStringLiteral("Wortgalgen")))
        return;
    SpielBeenden();
}

void galgen::FigurVerbergen()
{
    for (QWidget *w : Zeichenelemente())
        w->hide();
}

void galgen::SpielBeenden()
{
    FigurVerbergen();
    // The misses of the game are the trainer's wrong letters from now on;
    // the counter in the main window shows them.
    programm().form1().Bezeichnung3->setCaption(QString::number(programm().modul.Fehler));
    zurueckZumHauptfenster();
    programm().modul.Leeren();
    programm().modul.NaechsteAufgabe();
}
