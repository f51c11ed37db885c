#include "windows/Form1.h"

#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"
#include "ui/Twips.h"
#include "windows/Form8.h"
#include "windows/Programm.h"

#include <QSignalBlocker>
#include <iterator>

namespace {

const char *const kUebungsnamen[] = {
    "Abgedeckt", "Umkehrwort", "Lückenwort", "Selbstlaute", "Mitlaute", "Wortanfang", "Wortende",
    "ABC-Wörter", "Morsewort", "Wortruinen", "MSU-Laute", "Spiegel", "Großschrift", "Versteckt",
    "Wortpuzzle", "Wortmitte", "Kleinschrift", "Wortzaun", "ABC-Stelle", "Wortdiktat", "Abschrift",
    "Wortreihe", "Buchstabe", "Bildwörter", "Vertauscht", "Teilpuzzle", "Chinesen", "Geheim"};

const char *const kStandardliste[] = {
    "Autobahn", "Computer", "schreiben", "groß", "Ötzi", "Puppenhaus", "Fotograf", "Delfin", "Stängel",
    "putzig", "Hauptbahnhof", "verlieren", "Sommerferien", "Geburtstagsfeier", "kleinkariert",
    "fuchsteufelswild", "durchlesen", "Leseabenteuer", "Tintenfüller", "finster"};

const QColor kPanelBlau(0, 0, 160);
/// Pixels between the frame of the word boxes and their text.
constexpr int kTextAbstand = 8;

} // namespace

QString Form1::Uebungsname(int nummer)
{
    if (nummer < 1 || nummer > static_cast<int>(std::size(kUebungsnamen)))
        return QString();
    return QString::fromUtf8(kUebungsnamen[nummer - 1]);
}

QString Form1::Anzeigeschrift()
{
    return programm().form8().Anzeigeschrift();
}

QString Form1::Druckschrift()
{
    return programm().form8().Druckschrift();
}

std::optional<QString> Form1::aufgabenschrift(int uebung)
{
    return programm().form8().aufgabenschrift(uebung);
}

QString Form1::Knopfbeschriftung(int nummer)
{
    return nummer == 8 ? QStringLiteral("ABC-Wort") : Uebungsname(nummer);
}

Form1::Form1(Programm &programm)
    : Fenster(programm, QStringLiteral("Form1"), QStringLiteral("T i p p o l o"), 10305, 6855), m_programm(programm)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/tippolo.svg")));
    aufbauen();
    verbinden();
    setKeyPreview(true);
    setGroesseVeraenderbar(true);
}

Form1::~Form1() = default;

void Form1::aufbauen()
{
    // Left column: icons with their captions.
    struct Symbolspalte { Bild **bild; const char *name; const char *datei; const char *caption; };
    const Symbolspalte spalte[] = {
        {&Bild1, "Bild1", "ende", "Ende"},          {&Bild5, "Bild5", "editieren", "Editieren"},
        {&Bild23, "Bild23", "name", "Name"},        {&Bild6, "Bild6", "laden", "Laden"},
        {&Bild14, "Bild14", "drucken", "Drucken"},  {&Bild26, "Bild26", "modus_schreiben", "Modus"},
        {&Bild7, "Bild7", "hilfe", "Hilfe"},        {&Bild16, "Bild16", "autor", "Autor"}};
    const char *const beschriftungsnamen[] = {"Bezeichnung11", "Bezeichnung12", "Bezeichnung13",
                                              "Bezeichnung14", "Bezeichnung15", "Bezeichnung16",
                                              "Bezeichnung18", "Bezeichnung30"};
    int oben = 120;
    int zeile = 0;
    for (const auto &s : spalte) {
        *s.bild = new Bild(this, QString::fromLatin1(s.name),
                           QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(s.datei)));
        Twips::setzen(*s.bild, 322, oben, 495, 495);
        (*s.bild)->setCursor(Qt::PointingHandCursor);
        auto *b = new Bezeichnung(this, QString::fromLatin1(beschriftungsnamen[zeile]), QString::fromUtf8(s.caption));
        b->setSchrift(QStringLiteral("MS Sans Serif"), 8);
        b->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Twips::setzen(b, 60, oben + 510, 1020, 240);
        Beschriftungen << b;
        oben += 825;
        ++zeile;
    }
    Bild25 = new Bild(this, QStringLiteral("Bild25"), QStringLiteral(":/icons/modus_lesen.svg"));
    Twips::setzen(Bild25, Twips::links(Bild26), Twips::oben(Bild26), 495, 495);
    Bild25->setCursor(Qt::PointingHandCursor);
    Bild25->hide();

    // Task display and input line with their icons.
    Bild21 = new Bild(this, QStringLiteral("Bild21"), QStringLiteral(":/icons/auge.svg"));
    Twips::setzen(Bild21, 1200, 240, 495, 495);
    Bezeichnung1 = new Bezeichnung(this, QStringLiteral("Bezeichnung1"));
    Bezeichnung1->setSchrift(QStringLiteral("Arial"), 18, true);
    Bezeichnung1->setFarben(Qt::black, Qt::white);
    Bezeichnung1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bezeichnung1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Bezeichnung1->setIndent(kTextAbstand);
    Twips::setzen(Bezeichnung1, 1800, 120, 6075, 735);
    Bezeichnung1->setEinpassen(true);
    Bild10 = new Bild(this, QStringLiteral("Bild10"), QStringLiteral(":/icons/schreibblock.svg"));
    Twips::setzen(Bild10, 1200, 1065, 495, 495);
    Bezeichnung2 = new Bezeichnung(this, QStringLiteral("Bezeichnung2"), QStringLiteral("fragen"));
    Bezeichnung2->setSchrift(QStringLiteral("Comic Sans MS"), 18, true);
    Bezeichnung2->setFarben(QColor(0, 0, 128), QColor(255, 255, 224));
    Bezeichnung2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bezeichnung2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Bezeichnung2->setIndent(kTextAbstand);
    Twips::setzen(Bezeichnung2, 1800, 945, 6075, 735);
    Bezeichnung2->setEinpassen(true);

    // The 28 exercise buttons, four columns of seven.
    for (int n = 1; n <= 28; ++n) {
        auto *k = new Knopf(this, QStringLiteral("Befehl%1").arg(n), Knopfbeschriftung(n));
        QFont f = Schrift::machen(QStringLiteral("MS Sans Serif"), 8);
        k->setFont(f);
        const int spalte = (n - 1) / 7, reihe = (n - 1) % 7;
        Twips::setzen(k, 1200 + spalte * 1680, 1845 + reihe * 450, 1635, 420);
        Befehl << k;
    }

    // Right: the player's name, the candidate list and its sizes.
    Bezeichnung7 = new Bezeichnung(this, QStringLiteral("Bezeichnung7"), QStringLiteral("Freund"));
    Bezeichnung7->setSchrift(QStringLiteral("Arial"), 12, true);
    Bezeichnung7->setAlignment(Qt::AlignCenter);
    Bezeichnung7->setFarben(Qt::white, QColor(0, 128, 128));
    Twips::setzen(Bezeichnung7, 8040, 120, 2145, 375);
    Bezeichnung7->setEinpassen(true);
    Liste1 = new Liste(this, QStringLiteral("Liste1"), true, false);
    Liste2 = new Liste(this, QStringLiteral("Liste2"), true, true);
    Liste2->setFontName(QStringLiteral("MS Sans Serif"));
    Liste2->setFontBold(true);
    Liste2->setFontSize(12);
    Liste2->setTwips(8040, 555, 2145, 5430);
    Liste2->setEinpassen(true);
    const char *const groessen[] = {"klein", "mittel", "groß"};
    Bezeichnung **groessenLabels[] = {&Bezeichnung27, &Bezeichnung28, &Bezeichnung29};
    for (int i = 0; i < 3; ++i) {
        *groessenLabels[i] = new Bezeichnung(this, QStringLiteral("Bezeichnung%1").arg(27 + i),
                                             QString::fromUtf8(groessen[i]));
        auto *b = *groessenLabels[i];
        b->setSchrift(QStringLiteral("MS Sans Serif"), 8);
        b->setAlignment(Qt::AlignCenter);
        b->setFarben(Qt::black, QColor(224, 255, 255));
        b->setFrameStyle(QFrame::Box | QFrame::Plain);
        b->setCursor(Qt::PointingHandCursor);
        Twips::setzen(b, 8040 + i * 720, 6060, 705, 285);
    }

    // Bottom row.
    auto symbol = [this](const char *name, const char *datei, int x) {
        auto *b = new Bild(this, QString::fromLatin1(name), QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(datei)));
        Twips::setzen(b, x, 5175, 495, 495);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    auto zahl = [this](const char *name, const QString &text, int x, int breite) {
        auto *b = new Bezeichnung(this, QString::fromLatin1(name), text);
        b->setSchrift(QStringLiteral("MS Sans Serif"), 9.75, true);
        b->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Twips::setzen(b, x, 5700, breite, 285);
        return b;
    };
    Bild3 = symbol("Bild3", "sandeimer", 1260);
    Bezeichnung4 = zahl("Bezeichnung4", QStringLiteral("0"), 1140, 735);
    Bild2 = symbol("Bild2", "auswertung", 2040);
    Bezeichnung3 = zahl("Bezeichnung3", QStringLiteral("0"), 1920, 735);
    Bezeichnung9 = new Bezeichnung(this, QStringLiteral("Bezeichnung9"));
    Bezeichnung9->setSchrift(QStringLiteral("Arial"), 18, true);
    Bezeichnung9->setAlignment(Qt::AlignCenter);
    Bezeichnung9->setFarben(Qt::red, Qt::white);
    Bezeichnung9->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Twips::setzen(Bezeichnung9, 2760, 5175, 555, 495);
    Bild15 = symbol("Bild15", "hinweis", 3420);
    Bild11 = symbol("Bild11", "loesung", 4470);
    Bezeichnung6 = new Bezeichnung(this, QStringLiteral("Bezeichnung6"), QStringLiteral("Buchstabe             Wort "));
    Bezeichnung6->setSchrift(QStringLiteral("MS Sans Serif"), 8);
    Bezeichnung6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::setzen(Bezeichnung6, 3300, 5700, 1800, 240);
    Bild17 = symbol("Bild17", "schrift", 5520);
    Bezeichnung10 = new Bezeichnung(this, QStringLiteral("Bezeichnung10"), QStringLiteral("Druckschrift"));
    Bezeichnung10->setSchrift(QStringLiteral("MS Sans Serif"), 8);
    Bezeichnung10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Twips::setzen(Bezeichnung10, 5205, 5700, 1125, 240);
    Bild13 = symbol("Bild13", "ampel", 6870);
    Bezeichnung8 = new Bezeichnung(this, QStringLiteral("Bezeichnung8"), QStringLiteral("Aufgabe"));
    Bezeichnung8->setSchrift(QStringLiteral("MS Sans Serif"), 9.75, true);
    Bezeichnung8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Bezeichnung8->setFarben(QColor(128, 0, 0));
    Twips::setzen(Bezeichnung8, 6360, 5700, 1515, 285);

    // Reward panel, out of view at the right until a reward falls due.
    Bild9 = new Bild(this, QStringLiteral("Bild9"));
    Bild9->setHintergrund(kPanelBlau);
    Bild9->setRahmen(true);
    Twips::setzen(Bild9, 0, 2400, 2895, 2175);
    belohnungVerbergen();
    const char *const spiele[] = {"Wortfange", "Gefängnis", "Galgenspiel"};
    Bezeichnung **spielLabels[] = {&Bezeichnung24, &Bezeichnung25, &Bezeichnung26};
    for (int i = 0; i < 3; ++i) {
        *spielLabels[i] = new Bezeichnung(Bild9, QStringLiteral("Bezeichnung%1").arg(24 + i), QString::fromUtf8(spiele[i]));
        auto *b = *spielLabels[i];
        b->setSchrift(QStringLiteral("MS Sans Serif"), 18, true);
        b->setFarben(Qt::white, kPanelBlau);
        b->setAlignment(Qt::AlignCenter);
        b->setCursor(Qt::PointingHandCursor);
        Twips::setzen(b, 120, 180 + i * 660, 2655, 555);
    }

    // Enlarged display over the top of the window, hidden.
    Bild4 = new Bild(this, QStringLiteral("Bild4"));
    Bild4->setHintergrund(Qt::white);
    Bild4->setRahmen(true);
    Twips::setzen(Bild4, 0, 0, 10335, 1455);
    // Each "A" shows the size it stands for: small to big, as the sizes grow.
    struct Groesse { Bezeichnung **label; int nummer; int x, y; double punkte; };
    const Groesse groessenA[] = {{&Bezeichnung23, 23, 0, 0, 8},     {&Bezeichnung17, 17, 360, 0, 10},
                                 {&Bezeichnung19, 19, 0, 480, 12},  {&Bezeichnung20, 20, 360, 480, 14},
                                 {&Bezeichnung21, 21, 0, 960, 16},  {&Bezeichnung22, 22, 360, 960, 18}};
    for (const auto &g : groessenA) {
        *g.label = new Bezeichnung(Bild4, QStringLiteral("Bezeichnung%1").arg(g.nummer), QStringLiteral("A"));
        auto *b = *g.label;
        b->setSchrift(QStringLiteral("Arial"), g.punkte, true);
        b->setAlignment(Qt::AlignCenter);
        b->setFarben(Qt::black, QColor(224, 255, 255));
        b->setFrameStyle(QFrame::Box | QFrame::Plain);
        b->setCursor(Qt::PointingHandCursor);
        Twips::setzen(b, g.x, g.y, 375, 495);
    }
    Bild4->hide();

    // File browser panel, hidden until asked for.
    Bild8 = new Bild(this, QStringLiteral("Bild8"));
    Bild8->setHintergrund(QColor(192, 192, 192));
    Bild8->setRahmen(true);
    Twips::setzen(Bild8, 600, 240, 3690, 6375);
    Laufwerk1 = new Laufwerkliste(Bild8, QStringLiteral("Laufwerk1"));
    Twips::setzen(Laufwerk1, 120, 120, 3420, 315);
    Verzeichnis1 = new Verzeichnisliste(Bild8, QStringLiteral("Verzeichnis1"));
    Verzeichnis1->setTwips(120, 520, 3420, 2340);
    Datei1 = new Dateiliste(Bild8, QStringLiteral("Datei1"));
    Datei1->setTwips(120, 3000, 3420, 3150);
    Bild8->hide();
}

void Form1::verbinden()
{
    connect(Bild1, &Bild::Click, this, &Form1::Bild1_Click);
    for (int n = 1; n <= 28; ++n)
        connect(Befehl[n - 1], &Knopf::Click, this, [this, n] { Befehl_Click(n); });

    connect(Liste2, &Liste::Click, this, &Form1::Liste2_Click);
    connect(Bild15, &Bild::Click, this, &Form1::Bild15_Click);
    connect(Bild11, &Bild::Click, this, &Form1::Bild11_Click);
    connect(Bild2, &Bild::Click, this, &Form1::Bild2_Click);
    connect(Bild3, &Bild::Click, this, &Form1::Bild3_Click);

    connect(Bild26, &Bild::Click, this, &Form1::Bild26_Click);
    connect(Bild25, &Bild::Click, this, &Form1::Bild25_Click);
    connect(Bild23, &Bild::Click, this, &Form1::Bild23_Click);
    connect(Bezeichnung27, &Bezeichnung::Click, this, &Form1::Bezeichnung27_Click);
    connect(Bezeichnung28, &Bezeichnung::Click, this, &Form1::Bezeichnung28_Click);
    connect(Bezeichnung29, &Bezeichnung::Click, this, &Form1::Bezeichnung29_Click);
    connect(Bild21, &Bild::Click, this, &Form1::Bild21_Click);
    connect(Bild10, &Bild::Click, this, &Form1::Bild10_Click);
    connect(Bild13, &Bild::Click, this, &Form1::Bild13_Click);
    connect(Bild7, &Bild::Click, this, &Form1::Bild7_Click);
    connect(Bild16, &Bild::Click, this, &Form1::Bild16_Click);

    connect(Bezeichnung1, &Bezeichnung::Click, this, &Form1::Bezeichnung1_Click);
    connect(Bezeichnung23, &Bezeichnung::Click, this, &Form1::Bezeichnung23_Click);
    connect(Bezeichnung17, &Bezeichnung::Click, this, &Form1::Bezeichnung17_Click);
    connect(Bezeichnung19, &Bezeichnung::Click, this, &Form1::Bezeichnung19_Click);
    connect(Bezeichnung20, &Bezeichnung::Click, this, &Form1::Bezeichnung20_Click);
    connect(Bezeichnung21, &Bezeichnung::Click, this, &Form1::Bezeichnung21_Click);
    connect(Bezeichnung22, &Bezeichnung::Click, this, &Form1::Bezeichnung22_Click);
    connect(Bild4, &Bild::Click, this, &Form1::Bild4_Click);

    connect(Bild6, &Bild::Click, this, &Form1::Bild6_Click);
    connect(Laufwerk1, &Laufwerkliste::Change, this, &Form1::Laufwerk1_Change);
    connect(Verzeichnis1, &Verzeichnisliste::Change, this, &Form1::Verzeichnis1_Change);
    connect(Datei1, &Liste::Click, this, &Form1::Datei1_Click);
    connect(Bild5, &Bild::Click, this, &Form1::Bild5_Click);
    connect(Bild14, &Bild::Click, this, &Form1::Bild14_Click);
    connect(Bild17, &Bild::Click, this, &Form1::Bild17_Click);

    connect(Bezeichnung24, &Bezeichnung::Click, this, &Form1::Bezeichnung24_Click);
    connect(Bezeichnung25, &Bezeichnung::Click, this, &Form1::Bezeichnung25_Click);
    connect(Bezeichnung26, &Bezeichnung::Click, this, &Form1::Bezeichnung26_Click);
}

void Form1::Form_Load()
{
    MODUL1 &m = programm().modul;
    zentrieren();
    Bezeichnung29_Click();
    programm().zufall().seedFromClock();
    m.Wortmenge = 20;
    m.Loesungen = 0;
    m.Fehler = 0;
    m.Wortindex = 1;
    EinstellungenLesen();
    Bezeichnung2->setFontName(programm().form8().Druckschrift());
    Standardliste();
    // The file list starts in the working folder; its first file is loaded at once.
    Verzeichnis1->setPath(programm().arbeitsordner());
    Laufwerk1->setDriveFor(Verzeichnis1->Path());
    if (Datei1->ListCount() > 0) {
        {
            const QSignalBlocker still(Datei1);
            Datei1->setListIndex(0);
        }
        listeLaden(false);
    }
    Befehl13_Click();
    m.Lesemodus = 0;
}

void Form1::Form_Activate()
{
    if (programm().modul.Uebung == 0)
        programm().modul.WorteingabeZeigen();
}

void Form1::Standardliste()
{
    QStringList woerter;
    for (const char *w : kStandardliste)
        woerter << QString::fromUtf8(w);
    Liste1->Clear();
    Liste1->addItems(woerter);
    programm().modul.Benutzt = QString(Liste1->ListCount(), QLatin1Char('0'));
}

void Form1::Bild1_Click()
{
    const bool ja = programm().boxen().frage(QStringLiteral("Dieses Programm jetzt beenden?\r"),
                                             QStringLiteral("TIPPOLO, Release 13.08.2005"), Symbol::Stop);
    if (ja)
        programm().beenden();
}

void Form1::Befehl_Click(int nummer)
{
    MODUL1 &m = programm().modul;
    m.Uebung = nummer;
    if (nummer == 20)
        Bezeichnung1->setCaption(QString());
    Bezeichnung8->setCaption(Uebungsname(nummer));
    m.Leeren();
    m.NaechsteAufgabe();
    if (nummer == 28)
        programm().boxen().meldung(QStringLiteral("Jeder Mitlaut im Wort muss im  ABC  um einen\r"
                                                  "Buchstaben nach rechts verschoben werden!\r"),
                                   QStringLiteral("Geheimschrift"));
}
