#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QPainter;

/// One piece of text drawn onto a drawing surface. Positions are twips from
/// the surface's top-left corner; the text's top-left corner sits there.
struct Schriftzug
{
    int x = 0;
    int y = 0;
    QString text;
    QFont schrift;
    QColor farbe;
};

/// The recorded drawing of a picture box or a window: what was drawn since
/// the last clear, painted again on every paint event, so a covered window
/// repaints itself and a test can read what is shown.
///
/// Like the drawing surfaces it stands for, it has a current font, a current
/// colour and a current print position (CurrentX/CurrentY); print() writes a
/// line there and moves the position to the start of the next line.
class Zeichnung
{
public:
    /// Clears everything drawn and puts the print position to (0, 0).
    void Cls();

    /// Draws text with its top-left corner at (x, y) twips in the current
    /// font and colour. Does not move the print position.
    void text(int x, int y, const QString &text);
    /// Prints one line at the print position, then moves it to the next line
    /// (x back to 0). An empty text only advances by one line.
    void print(const QString &text);

    void setSchrift(const QFont &f) { m_schrift = f; }
    const QFont &schrift() const { return m_schrift; }
    void setFarbe(const QColor &c) { m_farbe = c; }
    const QColor &farbe() const { return m_farbe; }
    int CurrentX = 0;
    int CurrentY = 0;

    const QList<Schriftzug> &inhalt() const { return m_inhalt; }
    /// All texts drawn, in drawing order (convenience for tests).
    QStringList texte() const;
    /// The line height of the current font, in twips.
    int zeilenhoehe() const;

    void malen(QPainter &p) const;

private:
    QList<Schriftzug> m_inhalt;
    QFont m_schrift;
    QColor m_farbe = Qt::black;
};
