#include "ui/Boxen.h"

#include "basis/Schrift.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

QString QtBoxen::anzeigeText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

/// The symbol of a box, drawn from the program's own SVG pictures so that it
/// stays sharp at every screen scale.
static QPixmap symbolBild(Symbol symbol, int groesse, double pixelDichte)
{
    QString bild;
    switch (symbol) {
    case Symbol::Keins: return {};
    case Symbol::Information: bild = QStringLiteral(":/icons/box_info.svg"); break;
    case Symbol::Frage: bild = QStringLiteral(":/icons/box_frage.svg"); break;
    case Symbol::Stop: bild = QStringLiteral(":/icons/box_stop.svg"); break;
    }
    return QIcon(bild).pixmap(QSize(groesse, groesse), pixelDichte);
}

QFont QtBoxen::boxSchrift(const QWidget *parent)
{
    // Large and plain, so that a child reads the box from its seat; it grows
    // with the window the box belongs to.
    return Schrift::machen(QStringLiteral("Arial"), 16 * Twips::faktor(parent));
}

static QWidget *boxParent()
{
    QWidget *w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}

Meldungsbox::Meldungsbox(QWidget *parent, const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                         Antwort standard)
    : QDialog(parent)
{
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(QtBoxen::boxSchrift(parent));
    const QFontMetrics fm(font());
    const int abstand = fm.height();

    auto *raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    raster->setContentsMargins(abstand, abstand, abstand, abstand);
    raster->setHorizontalSpacing(abstand);
    raster->setVerticalSpacing(abstand);
    int symbolBreite = 0;
    if (symbol != Symbol::Keins) {
        auto *bild = new QLabel(this);
        bild->setObjectName(QStringLiteral("symbol"));
        const int symbolGroesse = 2 * fm.height();
        bild->setPixmap(symbolBild(symbol, symbolGroesse, devicePixelRatioF()));
        bild->setAlignment(Qt::AlignTop);
        raster->addWidget(bild, 0, 0);
        symbolBreite = symbolGroesse + abstand;
    }
    // The line break that ends many of the program's texts adds no line.
    QString zeilen = QtBoxen::anzeigeText(text);
    while (zeilen.endsWith(QLatin1Char('\n')))
        zeilen.chop(1);
    m_text = new QLabel(zeilen, this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    // The lines as they are written; a line only breaks where the screen ends.
    int breitesteZeile = 0;
    for (const QString &zeile : m_text->text().split(QLatin1Char('\n')))
        breitesteZeile = std::max(breitesteZeile, fm.horizontalAdvance(zeile));
    const QScreen *s = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const int platz = (s ? s->availableGeometry().width() : 1024) - 2 * abstand - symbolBreite - 32;
    if (breitesteZeile > platz) {
        m_text->setWordWrap(true);
        m_text->setFixedWidth(std::max(fm.averageCharWidth() * 10, platz));
    }
    raster->addWidget(m_text, 0, 1);

    auto *reihe = new QHBoxLayout;
    reihe->addStretch(1);
    if (knoepfe == Knoepfe::OK) {
        m_escape = knopf(QStringLiteral("OK"), Antwort::OK);
        m_standard = m_escape;
    } else {
        QPushButton *ja = knopf(QStringLiteral("Ja"), Antwort::Ja);
        m_escape = knopf(QStringLiteral("Nein"), Antwort::Nein);
        m_standard = standard == Antwort::Ja ? ja : m_escape;
    }
    for (QPushButton *k : std::as_const(m_knoepfe))
        reihe->addWidget(k);
    reihe->addStretch(1);
    raster->addLayout(reihe, 1, 0, 1, 2);
    m_standard->setDefault(true);
    m_standard->setFocus();
    m_antwort = knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Nein;
}

QPushButton *Meldungsbox::knopf(const QString &text, Antwort antwort)
{
    auto *k = new QPushButton(text, this);
    k->setAutoDefault(false);
    k->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("Nein")) * 2);
    connect(k, &QPushButton::clicked, this, [this, antwort] {
        m_antwort = antwort;
        accept();
    });
    m_knoepfe << k;
    return k;
}

Antwort QtBoxen::meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                         Antwort standard)
{
    // Escape and the frame's close button reject the box, which leaves the
    // Escape button's answer.
    Meldungsbox box(boxParent(), text, titel, knoepfe, symbol, standard);
    box.exec();
    return box.antwort();
}

void QtBoxen::eingabeEinrichten(QInputDialog &dlg, const QString &prompt, const QString &titel,
                                const QString &vorgabe)
{
    dlg.setWindowTitle(titel);
    dlg.setFont(boxSchrift(dlg.parentWidget()));
    dlg.setLabelText(anzeigeText(prompt));
    dlg.setTextValue(vorgabe);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    dlg.setInputMode(QInputDialog::TextInput);
    // Plain buttons, like those of the message boxes (some styles put
    // small pictures on the dialog's standard buttons).
    for (QPushButton *b : dlg.findChildren<QPushButton *>())
        b->setIcon(QIcon());
    if (auto *edit = dlg.findChild<QLineEdit *>())
        edit->selectAll();
}

QString QtBoxen::eingabe(const QString &prompt, const QString &titel, const QString &vorgabe)
{
    QInputDialog dlg(boxParent());
    eingabeEinrichten(dlg, prompt, titel, vorgabe);
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}
