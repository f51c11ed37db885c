#include "windows/Form7.h"

#include "ui/Elemente.h"
#include "ui/Twips.h"
#include "windows/Programm.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

const char *const kSeite1[] = {
    "",
    "  Das Programm ist weitgehend selbsterklärend",
    "  und wird über die sichtbaren Symbole bedient.",
    "",
    "  Im Aufgabenfenster (=Auge) wird das Lernwort",
    "  in seiner jeweiligen Darstellungsform gezeigt.",
    "  Der Aufgabentyp wird unter der Ampel benannt.",
    "  Mit einem Klick auf dieses Wort kann man eine",
    "  vergrößerte Darstellung erhalten, ein erneuter",
    "  Klick schließt dann das Vergrößerungsfenster.",
    "",
    "  Darunter befindet sich das Texteingabefenster.",
    "  Bei der Eingabe müssen die Großbuchstaben",
    "  richtig, also mit SHIFT-Taste, eingetippt werden.",
    "",
    "  Mit Klick auf das Modus-Symbol wird auf eine",
    "  Lesedarstellung geschaltet. Hierbei muss dann",
    "  das Lösungswort in der Liste angeklickt werden.",
    "",
    "  Beim Start wird automatisch eine vorhandene",
    "  Liste geladen. Fehlt diese, wird eine Standard-",
    "  liste mit zwanzig Wörtern benutzt. Es kann dann",
    "  eine neue Liste erstellt und gespeichert werden.",
    "  Die Liste muss erst freigeschaltet werden, um",
    "  eine versehentliche Veränderung zu verhindern.",
};

const char *const kSeite2[] = {
    "",
    "  Über den Sandeimer wird eingestellt, nach",
    "  wie vielen Wörtern eine Belohnung kommt.",
    "",
    "  Die Schriftarten werden mit einem Mausklick",
    "  auf den hellblauen Titelstreifen zugeordnet.",
    "",
    "  Mit dem Anklicken der Zahnraddiskette werden",
    "  die aktuellen Schriften mit der Wortmenge und",
    "  der Einstellung für die Laufwerke gespeichert.",
    "",
    "  Mit Klick auf das Stiftsymbol kann man Wörter",
    "  eingeben bzw. eine neue Liste erstellen.",
    "",
    "  Mit dem daneben sichtbaren Disketten-Symbol",
    "  wird diese Liste abgespeichert.",
    "",
    "  Durch Klick auf das Apfel-Symbol wird ein",
    "  einzelnes Wort aus der Liste gelöscht.",
    "",
    "  Anklicken des Mülleimer-Symbols löscht dann",
    "  die gesamte Liste.",
    "",
    "  Durch Ankreuzen des Kontrollkästchens können",
    "  Laufwerke und Ordner ausgeblendet werden.",
    "",
    "  Das Heft-Symbol zeigt den Fehlerbericht.",
    "",
    "  Die Bilder der Übung Bildwörter stehen für",
    "  den ersten Laut dieser Wörter:",
    "  A Apfel, Ä Ähre, B Ball, C Computer,",
    "  D Drachen, E Ente, F Fisch, G Gabel, H Haus,",
    "  I Igel, J Jojo, K Katze, L Leiter, M Mond,",
    "  N Nest, O Ohr, Ö Ölkanne, P Pilz, Q Qualle,",
    "  R Rakete, S Sonne, T Tisch, U Uhr,",
    "  Ü Überholverbot, V Vogel, W Würfel,",
    "  X Xylofon, Y Yeti, Z Zelt.",
    "  ß und andere Buchstaben stehen im Rahmen.",
};

template <std::size_t N> QStringList zeilen(const char *const (&seite)[N])
{
    QStringList l;
    for (const char *z : seite)
        l << QString::fromUtf8(z);
    return l;
}

QFont hilfeschrift()
{
    return Schrift::machen(QStringLiteral("MS Sans Serif"), 9.75);
}

const QSize kEntwurf(4395, 6870);
const QRect kFertig(1560, 6240, 1335, 495);

} // namespace

QSize Form7::groesse()
{
    // The narrow design size, made wider and taller where the font the
    // screen offers needs more room than the one the pages were written
    // for, so that every line stands whole above "Fertig". A little room is
    // left for the glyphs being wider when drawn larger.
    Zeichnung z;
    z.setSchrift(hilfeschrift());
    const QFontMetricsF fm(z.schrift());
    double breite = 0;
    qsizetype zeilen = 0;
    for (int nummer : {1, 2}) {
        const QStringList seite = Seite(nummer);
        zeilen = std::max(zeilen, seite.size());
        for (const QString &zeile : seite)
            breite = std::max(breite, fm.horizontalAdvance(zeile));
    }
    const int rand = 120;
    const int b = std::max(kEntwurf.width(), static_cast<int>(std::ceil(breite * 1.06 * Twips::proPixel())) + rand);
    const int knopfOben = std::max(kFertig.top(), static_cast<int>(zeilen) * z.zeilenhoehe() + rand);
    return {b, knopfOben + kEntwurf.height() - kFertig.top()};
}

Form7::Form7(Programm &programm)
    : Fenster(programm, QStringLiteral("Form7"), QStringLiteral("Tippolo: Hilfe"), groesse().width(),
              groesse().height()),
      m_programm(programm)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/hilfe.svg")));
    setHintergrund(QColor(192, 255, 255));
    Twips::setzeSchrift(this, hilfeschrift());
    zeichnung().setSchrift(hilfeschrift());
    zeichnung().setFarbe(Qt::black);

    // "Fertig" stays at the bottom, in the middle.
    Befehl1 = new Knopf(this, QStringLiteral("Befehl1"), QStringLiteral("Fertig"));
    const QSize g = twipsGroesse();
    Twips::setzen(Befehl1, kFertig.left() + (g.width() - kEntwurf.width()) / 2,
                  kFertig.top() + g.height() - kEntwurf.height(), kFertig.width(), kFertig.height());
    connect(Befehl1, &Knopf::Click, this, &Form7::Befehl1_Click);
}

QStringList Form7::Seite(int nummer)
{
    if (nummer == 1)
        return zeilen(kSeite1);
    if (nummer == 2)
        return zeilen(kSeite2);
    return {};
}

void Form7::Form_Activate()
{
    Cls();
    // The drawing keeps the font as the program names it; it is drawn at the window's factor.
    zeichnung().setSchrift(Twips::schrift(this));
    for (const QString &zeile : Seite(programm().modul.Hilfethema))
        zeichnung().print(zeile);
    update();
}

void Form7::Befehl1_Click()
{
    verbergen();
}

void Form7::zeigen()
{
    // The size it will have decides where it stands.
    faktorAnpassen(programm().faktor());
    Fenster *oeffner = programm().aktivesFenster();
    const bool schonAktiv = oeffner == this;
    if (oeffner && !schonAktiv && oeffner->isVisible() && (!isVisible() || m_neben != oeffner))
        nebenFensterStellen(oeffner);
    Fenster::zeigen();
    if (schonAktiv)
        Form_Activate();
}

void Form7::nebenFensterStellen(const QWidget *fenster)
{
    m_neben = const_cast<QWidget *>(fenster);
    const QScreen *s = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    const QRect daneben = fenster->frameGeometry();
    // The frame of this window as the window system draws it around the opener.
    const QSize rahmen = size() + (fenster->frameGeometry().size() - fenster->size());
    const int abstand = 4;
    int x = daneben.right() + 1 + abstand;
    int y = daneben.top();
    if (s) {
        const QRect platz = s->availableGeometry();
        if (x + rahmen.width() - 1 > platz.right()) {
            // No room to the right: to the left of the opener, else at the screen's right edge.
            const int links = daneben.left() - abstand - rahmen.width();
            x = links >= platz.left() ? links : platz.right() + 1 - rahmen.width();
        }
        x = std::max(platz.left(), x);
        y = std::clamp(y, platz.top(), std::max(platz.top(), platz.bottom() + 1 - rahmen.height()));
    }
    rahmenNach(QPoint(x, y));
}
