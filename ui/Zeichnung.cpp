#include "ui/Zeichnung.h"

#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <cmath>

void Zeichnung::Cls()
{
    m_inhalt.clear();
    CurrentX = 0;
    CurrentY = 0;
}

void Zeichnung::text(int x, int y, const QString &t)
{
    m_inhalt.append(Schriftzug{x, y, t, m_schrift, m_farbe});
}

void Zeichnung::print(const QString &t)
{
    if (!t.isEmpty())
        text(CurrentX, CurrentY, t);
    CurrentX = 0;
    CurrentY += zeilenhoehe();
}

int Zeichnung::zeilenhoehe() const
{
    // Point sizes: a point is 20 twips; line spacing as the font reports it.
    QFontMetricsF fm(m_schrift);
    const double pixel = fm.lineSpacing();
    return static_cast<int>(std::lround(pixel * Twips::proPixel()));
}

QStringList Zeichnung::texte() const
{
    QStringList l;
    for (const auto &s : m_inhalt)
        l << s.text;
    return l;
}

void Zeichnung::malen(QPainter &p) const
{
    for (const auto &s : m_inhalt) {
        p.setFont(s.schrift);
        p.setPen(s.farbe);
        QFontMetricsF fm(s.schrift);
        const QPointF pos(Twips::zuPixel(s.x), Twips::zuPixel(s.y) + fm.ascent());
        p.drawText(pos, s.text);
    }
}
