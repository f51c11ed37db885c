#pragma once

#include "basis/Schrift.h"
#include "ui/Zeichnung.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

class QSvgRenderer;

/// A label: caption, font by name, colours, alignment, click.
class Bezeichnung : public QLabel
{
    Q_OBJECT
public:
    Bezeichnung(QWidget *parent, const QString &name, const QString &caption = QString());

    QString Caption() const { return text(); }
    void setCaption(const QString &c) { setText(c); }

    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    /// Font size and weight as the program set them (the label shows the
    /// size at its window's factor, see Twips).
    double FontSize() const;
    void setFontSize(double punkte);
    bool FontBold() const;
    void setFontBold(bool fett);
    void setSchrift(const QString &name, double punkte, bool fett = false);

    void setFarben(const QColor &vorne, const QColor &hinten = QColor());
    QColor ForeColor() const;
    QColor BackColor() const;

Q_SIGNALS:
    void Click();

public:
    /// A caption too wide for the label is drawn smaller so that it fits
    /// (its font size stays as set).
    void setEinpassen(bool an) { m_einpassen = an; update(); }
    bool einpassen() const { return m_einpassen; }

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    QString m_fontName;
    bool m_einpassen = false;
};

/// A command button that never takes the keyboard focus, so a key typed
/// while the child works never presses it.
class Knopf : public QPushButton
{
    Q_OBJECT
public:
    Knopf(QWidget *parent, const QString &name, const QString &caption);
    QString Caption() const { return text(); }
    void setCaption(const QString &c) { setText(c); }

Q_SIGNALS:
    void Click();
};

/// A picture box: shows a picture (an SVG from the resources), reacts to a
/// click, and serves as a drawing surface (see Zeichnung).
class Bild : public QWidget
{
    Q_OBJECT
public:
    Bild(QWidget *parent, const QString &name, const QString &bild = QString());

    /// The picture: a resource path such as ":/icons/ende.svg"; empty for none.
    QString Picture() const { return m_bild; }
    void setPicture(const QString &bild);

    void setHintergrund(const QColor &c);
    /// Draws a frame around the box (panels).
    void setRahmen(bool rahmen) { m_rahmen = rahmen; update(); }

    Zeichnung &zeichnung() { return m_zeichnung; }
    const Zeichnung &zeichnung() const { return m_zeichnung; }
    void Cls();
    /// Draws text at (x, y) twips in the current font and colour.
    void text(int x, int y, const QString &t);
    void print(const QString &t);
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    double FontSize() const { return m_zeichnung.schrift().pointSizeF(); }
    void setFontSize(double punkte);
    void setFontBold(bool fett);

Q_SIGNALS:
    void Click();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString m_bild;
    QSvgRenderer *m_renderer = nullptr;
    QColor m_hintergrund;
    bool m_rahmen = false;
    QString m_fontName;
    Zeichnung m_zeichnung;
};

/// A straight line between two points given in the parent's twips.
class Linie : public QWidget
{
    Q_OBJECT
public:
    Linie(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, const QColor &farbe,
          int staerke = 1);
    int X1, Y1, X2, Y2;
    QColor farbe;
    int staerke;

protected:
    void paintEvent(QPaintEvent *) override;
};

/// A filled shape (rectangle, rounded rectangle or oval) in the parent's twips,
/// with a border `randStaerke` pixels wide (at least 1).
class Figur : public QWidget
{
    Q_OBJECT
public:
    enum Form { Rechteck, Oval, Rund };
    Figur(QWidget *parent, const QString &name, Form form, const QColor &fuellung,
          const QColor &rand = Qt::black, int randStaerke = 1);
    Form form;
    QColor fuellung;
    QColor rand;
    int randStaerke;

protected:
    void paintEvent(QPaintEvent *) override;
};

/// A check box with three states: 0 off, 1 on, 2 grey.
class Kontrollkaestchen : public QCheckBox
{
    Q_OBJECT
public:
    Kontrollkaestchen(QWidget *parent, const QString &name, const QString &caption);
    int Value() const;
    void setValue(int v);

protected:
    /// A click switches between off and on; the grey state comes only from the program.
    void nextCheckState() override;
    /// The box grows with the font, so a window drawn big has a box to match.
    void changeEvent(QEvent *e) override;

private:
    int m_kasten = 0;
};

/// A horizontal scroll bar: Change after a value change, Scroll while the
/// thumb is dragged.
class Bildlauf : public QScrollBar
{
    Q_OBJECT
public:
    Bildlauf(QWidget *parent, const QString &name);
    int Value() const { return value(); }
    void setValue(int v) { QScrollBar::setValue(v); }

Q_SIGNALS:
    void Change();
    void Scroll();
};

/// A timer whose handler is a plain method, so tests call it directly.
class Zeitgeber : public QTimer
{
    Q_OBJECT
public:
    Zeitgeber(QObject *parent, const QString &name, int intervall);
    bool Enabled() const { return isActive(); }
    void setEnabled(bool an);

Q_SIGNALS:
    void Timer();
};
