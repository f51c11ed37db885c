// The main window's enlarged display of the task: a click on the task display
// copies its caption, in its font, into the zoom box over the top of the
// window; the six "A" labels redraw it at their sizes; a click on the box
// closes it.
#include "ui/Twips.h"
#include "windows/Form1.h"

#include <QFontMetricsF>

namespace {
constexpr double kStartgroesse = 28;
constexpr int kTextLinks = 840;
constexpr int kTextOben = 120;
// Room for the text in the box: from its left edge to a small margin before the right edge.
constexpr int kTextRechts = 10335 - 120;

double breiteTwips(const QFont &schrift, const QString &text)
{
    return QFontMetricsF(schrift).horizontalAdvance(text) * Twips::proPixel();
}
} // namespace

void Form1::Bezeichnung1_Click()
{
    Bild4->show();
    Bild4->raise();
    Vergroessern(kStartgroesse);
}

void Form1::Vergroessern(double punkte)
{
    Bild4->setFontName(Bezeichnung1->FontName());
    Bild4->setFontBold(Bezeichnung1->FontBold());
    Bild4->setFontSize(punkte);
    Bild4->Cls();
    // One line: the caption is a copy; later changes of the task display leave it.
    QString zeile = Bezeichnung1->Caption();
    zeile.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A rendering wider than the box is drawn smaller so that it fits whole;
    // the box keeps the size that was asked for.
    const QFont gewaehlt = Bild4->zeichnung().schrift();
    const double platz = kTextRechts - kTextLinks;
    const double breite = breiteTwips(gewaehlt, zeile);
    if (breite > platz) {
        QFont klein = gewaehlt;
        klein.setPointSizeF(gewaehlt.pointSizeF() * platz / breite);
        // Hinted type does not shrink quite in proportion: step down until it fits.
        for (int i = 0; i < 20 && klein.pointSizeF() > 1.0 && breiteTwips(klein, zeile) > platz; ++i)
            klein.setPointSizeF(klein.pointSizeF() * 0.95);
        Bild4->zeichnung().setSchrift(klein);
        Bild4->text(kTextLinks, kTextOben, zeile);
        Bild4->zeichnung().setSchrift(gewaehlt);
        return;
    }
    Bild4->text(kTextLinks, kTextOben, zeile);
}

void Form1::Bild4_Click()
{
    Bild4->hide();
}
