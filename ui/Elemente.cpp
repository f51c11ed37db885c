#include "ui/Elemente.h"

#include "ui/Twips.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

// ---------------------------------------------------------------- Bezeichnung

Bezeichnung::Bezeichnung(QWidget *parent, const QString &name, const QString &caption)
    : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    m_fontName = font().family();
}

void Bezeichnung::setFontName(const QString &name)
{
    m_fontName = name;
    QFont f = Twips::schrift(this);
    f.setFamily(name);
    f.setFamilies({name});
    Twips::setzeSchrift(this, f);
}

void Bezeichnung::setFontSize(double punkte)
{
    QFont f = Twips::schrift(this);
    f.setPointSizeF(punkte);
    Twips::setzeSchrift(this, f);
}

void Bezeichnung::setFontBold(bool fett)
{
    QFont f = Twips::schrift(this);
    f.setBold(fett);
    Twips::setzeSchrift(this, f);
}

void Bezeichnung::setSchrift(const QString &name, double punkte, bool fett)
{
    m_fontName = name;
    Twips::setzeSchrift(this, Schrift::machen(name, punkte, fett));
}

double Bezeichnung::FontSize() const
{
    return Twips::schrift(this).pointSizeF();
}

bool Bezeichnung::FontBold() const
{
    return Twips::schrift(this).bold();
}

void Bezeichnung::setFarben(const QColor &vorne, const QColor &hinten)
{
    QPalette pal = palette();
    if (vorne.isValid())
        pal.setColor(QPalette::WindowText, vorne);
    if (hinten.isValid()) {
        pal.setColor(QPalette::Window, hinten);
        setAutoFillBackground(true);
    }
    setPalette(pal);
}

QColor Bezeichnung::ForeColor() const
{
    return palette().color(QPalette::WindowText);
}

QColor Bezeichnung::BackColor() const
{
    return palette().color(QPalette::Window);
}

void Bezeichnung::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        // A label that handles its click keeps it from the picture box it lies on.
        if (isSignalConnected(QMetaMethod::fromSignal(&Bezeichnung::Click)))
            e->accept();
        Q_EMIT Click();
    }
}

void Bezeichnung::paintEvent(QPaintEvent *e)
{
    if (!m_einpassen) {
        QLabel::paintEvent(e);
        return;
    }
    const QRect platz = contentsRect().adjusted(indent() > 0 ? indent() : 0, 0, indent() > 0 ? -indent() : 0, 0);
    const int breite = fontMetrics().horizontalAdvance(text());
    if (breite <= platz.width()) {
        QLabel::paintEvent(e);
        return;
    }
    QFrame::paintEvent(e);
    QPainter p(this);
    QFont klein = font();
    klein.setPointSizeF(font().pointSizeF() * platz.width() / breite);
    // Hinted type does not shrink quite in proportion: step down until it fits.
    for (int i = 0; i < 20 && klein.pointSizeF() > 1.0 &&
                    QFontMetrics(klein).horizontalAdvance(text()) > platz.width();
         ++i)
        klein.setPointSizeF(klein.pointSizeF() * 0.95);
    p.setFont(klein);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(platz, static_cast<int>(alignment()), text());
}

// ---------------------------------------------------------------- Knopf

Knopf::Knopf(QWidget *parent, const QString &name, const QString &caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &Knopf::Click);
}

// ---------------------------------------------------------------- Bild

Bild::Bild(QWidget *parent, const QString &name, const QString &bild)
    : QWidget(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    m_fontName = font().family();
    m_zeichnung.setSchrift(font());
    if (!bild.isEmpty())
        setPicture(bild);
}

void Bild::setPicture(const QString &bild)
{
    m_bild = bild;
    // The picture is read when it is first drawn: the icons of windows that
    // stay hidden (the settings window from the start on) cost nothing.
    delete m_renderer;
    m_renderer = nullptr;
    update();
}

void Bild::setHintergrund(const QColor &c)
{
    m_hintergrund = c;
    update();
}

void Bild::Cls()
{
    m_zeichnung.Cls();
    update();
}

void Bild::text(int x, int y, const QString &t)
{
    m_zeichnung.text(x, y, t);
    update();
}

void Bild::print(const QString &t)
{
    m_zeichnung.print(t);
    update();
}

void Bild::setFontName(const QString &name)
{
    m_fontName = name;
    QFont f = m_zeichnung.schrift();
    f.setFamily(name);
    f.setFamilies({name});
    m_zeichnung.setSchrift(f);
}

void Bild::setFontSize(double punkte)
{
    QFont f = m_zeichnung.schrift();
    f.setPointSizeF(punkte);
    m_zeichnung.setSchrift(f);
}

void Bild::setFontBold(bool fett)
{
    QFont f = m_zeichnung.schrift();
    f.setBold(fett);
    m_zeichnung.setSchrift(f);
}

void Bild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (m_hintergrund.isValid())
        p.fillRect(rect(), m_hintergrund);
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_bild, this);
    if (m_renderer && m_renderer->isValid()) {
        // Keep the picture's proportions, centred in the box.
        QSizeF s = m_renderer->defaultSize();
        s.scale(size(), Qt::KeepAspectRatio);
        const QRectF r((width() - s.width()) / 2.0, (height() - s.height()) / 2.0, s.width(), s.height());
        m_renderer->render(&p, r);
    }
    if (m_rahmen) {
        p.setPen(QPen(palette().color(QPalette::Dark), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // What was drawn is kept in twips and points; it is painted at the window's factor.
    const double f = Twips::faktor(this);
    p.scale(f, f);
    m_zeichnung.malen(p);
}

void Bild::mouseReleaseEvent(QMouseEvent *e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT Click();
}

// ---------------------------------------------------------------- Linie

Linie::Linie(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, const QColor &f,
             int s)
    : QWidget(parent), X1(x1), Y1(y1), X2(x2), Y2(y2), farbe(f), staerke(s)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int rand = std::max(s, 1) * 15 + 30;
    Twips::setzen(this, std::min(x1, x2) - rand, std::min(y1, y2) - rand, std::abs(x2 - x1) + 2 * rand,
                  std::abs(y2 - y1) + 2 * rand);
}

void Linie::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double f = Twips::faktor(this) / Twips::proPixel();
    p.setPen(QPen(farbe, std::max(1.0, staerke * Twips::faktor(this)), Qt::SolidLine, Qt::RoundCap));
    const int l = Twips::links(this), o = Twips::oben(this);
    p.drawLine(QPointF((X1 - l) * f, (Y1 - o) * f), QPointF((X2 - l) * f, (Y2 - o) * f));
}

// ---------------------------------------------------------------- Figur

Figur::Figur(QWidget *parent, const QString &name, Form fo, const QColor &fu, const QColor &ra, int rs)
    : QWidget(parent), form(fo), fuellung(fu), rand(ra), randStaerke(rs)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Figur::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fuellung);
    p.setPen(QPen(rand, randStaerke));
    const QRectF r = QRectF(rect()).adjusted(randStaerke / 2.0, randStaerke / 2.0, -randStaerke / 2.0 - 0.5,
                                             -randStaerke / 2.0 - 0.5);
    switch (form) {
    case Rechteck: p.drawRect(r); break;
    case Oval: p.drawEllipse(r); break;
    case Rund: p.drawRoundedRect(r, 4, 4); break;
    }
}

// ---------------------------------------------------------------- Kontrollkaestchen

Kontrollkaestchen::Kontrollkaestchen(QWidget *parent, const QString &name, const QString &caption)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

int Kontrollkaestchen::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return 2;
    }
}

void Kontrollkaestchen::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void Kontrollkaestchen::changeEvent(QEvent *e)
{
    QCheckBox::changeEvent(e);
    if (e->type() != QEvent::FontChange)
        return;
    // The style draws its box at a fixed size; at a bigger font it follows
    // the height of a capital letter and a bit.
    const int kastenGroesse = std::max(13, fontMetrics().ascent());
    if (kastenGroesse == m_kasten)
        return;
    m_kasten = kastenGroesse;
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(kastenGroesse));
}

void Kontrollkaestchen::setValue(int v)
{
    setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

// ---------------------------------------------------------------- Bildlauf

Bildlauf::Bildlauf(QWidget *parent, const QString &name)
    : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (isSliderDown())
            Q_EMIT Scroll();
        else
            Q_EMIT Change();
    });
    connect(this, &QScrollBar::sliderReleased, this, &Bildlauf::Change);
}

// ---------------------------------------------------------------- Zeitgeber

Zeitgeber::Zeitgeber(QObject *parent, const QString &name, int intervall)
    : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervall);
    connect(this, &QTimer::timeout, this, &Zeitgeber::Timer);
}

void Zeitgeber::setEnabled(bool an)
{
    if (an)
        start();
    else
        stop();
}
