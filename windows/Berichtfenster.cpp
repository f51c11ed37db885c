#include "windows/Berichtfenster.h"

#include "basis/Schrift.h"
#include "basis/Sortierung.h"
#include "lists/Dateien.h"
#include "lists/Drucken.h"
#include "lists/Listenspeicher.h"
#include "renderings/Schreibung.h"
#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Elemente.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTableWidget>
#include <limits>

namespace {

QTableWidget *tabelle(QWidget *eltern, const QString &name, const QString &spalte1, const QString &spalte2)
{
    auto *t = new QTableWidget(0, 2, eltern);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels({spalte1, spalte2});
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setFont(Schrift::machen(QStringLiteral("Arial"), 11));
    // Rows as high as their text at the window's factor.
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void zeileAnhaengen(QTableWidget *t, const QString &links, const QString &rechts)
{
    const int r = t->rowCount();
    t->insertRow(r);
    t->setItem(r, 0, new QTableWidgetItem(links));
    auto *zahl = new QTableWidgetItem(rechts);
    zahl->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(r, 1, zahl);
}

/// A cell of the overview that sorts by its key: a text in dictionary order, else a number.
class Zelle : public QTableWidgetItem
{
public:
    Zelle(const QString &text, const QVariant &schluessel) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, schluessel);
    }
    bool operator<(const QTableWidgetItem &o) const override
    {
        const QVariant a = data(Qt::UserRole), b = o.data(Qt::UserRole);
        if (a.typeId() == QMetaType::QString)
            return Sortierung::vergleichen(a.toString(), b.toString()) < 0;
        return a.toLongLong() < b.toLongLong();
    }
};

Bezeichnung *titel(QWidget *eltern, const QString &name, const QString &text, int x, int y, int breite)
{
    auto *b = new Bezeichnung(eltern, name, text);
    b->setSchrift(QStringLiteral("Arial"), 11, true);
    b->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Twips::setzen(b, x, y, breite, 330);
    return b;
}

} // namespace

// ---------------------------------------------------------------- Tagesbalken

Tagesbalken::Tagesbalken(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("balken"));
    setToolTip(QStringLiteral("Falsche Buchstaben je Übungstag"));
}

void Tagesbalken::setTage(const QList<Bericht::Tag> &tage, const QDate &von, const QDate &bis)
{
    m_tage = tage;
    m_von = von;
    m_bis = bis;
    update();
}

void Tagesbalken::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // Drawn at the window's factor like every other text of the window.
    QFont schrift = Schrift::machen(QStringLiteral("Arial"), 8 * Twips::faktor(this));
    p.setFont(schrift);
    const QFontMetrics fm(schrift);
    p.setPen(Qt::black);
    p.drawText(QRect(6, 2, width() - 12, fm.height()), Qt::AlignLeft, QStringLiteral("Falsche Buchstaben je Tag"));
    if (m_tage.isEmpty() || !m_von.isValid())
        return;
    const int tage = static_cast<int>(m_von.daysTo(m_bis)) + 1;
    int hoechst = 1;
    for (const Bericht::Tag &t : m_tage)
        hoechst = std::max(hoechst, t.fehler);
    const QRect flaeche(8, fm.height() + 6, width() - 16, height() - 2 * fm.height() - 12);
    const double breite = double(flaeche.width()) / tage;
    p.setPen(QColor(120, 120, 120));
    p.drawLine(flaeche.bottomLeft(), flaeche.bottomRight());
    for (const Bericht::Tag &t : m_tage) {
        const int i = static_cast<int>(m_von.daysTo(t.datum));
        if (i < 0 || i >= tage)
            continue;
        const int h = t.fehler * flaeche.height() / hoechst;
        const QRectF balken(flaeche.left() + i * breite + breite * 0.15, flaeche.bottom() - h, breite * 0.7, h);
        p.fillRect(balken, QColor(229, 57, 53));
        if (breite >= fm.horizontalAdvance(QStringLiteral("00"))) {
            p.setPen(Qt::black);
            p.drawText(QRectF(flaeche.left() + i * breite, flaeche.bottom() - h - fm.height(), breite, fm.height()),
                       Qt::AlignHCenter | Qt::AlignBottom, QString::number(t.fehler));
        }
    }
    p.setPen(Qt::black);
    p.drawText(QRect(flaeche.left(), flaeche.bottom() + 2, flaeche.width(), fm.height()), Qt::AlignLeft,
               m_von.toString(QStringLiteral("dd.MM.")));
    p.drawText(QRect(flaeche.left(), flaeche.bottom() + 2, flaeche.width(), fm.height()), Qt::AlignRight,
               m_bis.toString(QStringLiteral("dd.MM.")));
}

// ---------------------------------------------------------------- Berichtfenster

Berichtfenster::Berichtfenster(Programm &programm)
    : Fenster(programm, QStringLiteral("Berichtfenster"), QStringLiteral("Tippolo: Fehlerbericht"), groesse().width(),
               groesse().height()),
      m_programm(programm)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/bericht.svg")));
    setFont(Schrift::machen(QStringLiteral("Arial"), 10));

    ansichtWahl = new QTabBar(this);
    ansichtWahl->setObjectName(QStringLiteral("ansichtWahl"));
    ansichtWahl->setFont(Schrift::machen(QStringLiteral("Arial"), 11));
    ansichtWahl->addTab(QStringLiteral("Kind"));
    ansichtWahl->addTab(QStringLiteral("Klasse"));
    ansichtWahl->setToolTip(QStringLiteral("Ein Kind oder die ganze Klasse"));
    Twips::setzen(ansichtWahl, 8880, 120, 3720, 420);

    auto *kind = new Bezeichnung(this, QStringLiteral("kindTitel"), QStringLiteral("Kind:"));
    kind->setSchrift(QStringLiteral("Arial"), 11, true);
    Twips::setzen(kind, 240, 150, 720, 360);
    kindWahl = new QComboBox(this);
    kindWahl->setObjectName(QStringLiteral("kindWahl"));
    kindWahl->setFont(Schrift::machen(QStringLiteral("Arial"), 11));
    Twips::setzen(kindWahl, 960, 120, 3240, 420);
    auto *zeit = new Bezeichnung(this, QStringLiteral("zeitraumTitel"), QStringLiteral("Zeitraum:"));
    zeit->setSchrift(QStringLiteral("Arial"), 11, true);
    Twips::setzen(zeit, 4440, 150, 1200, 360);
    zeitraumWahl = new QComboBox(this);
    zeitraumWahl->setObjectName(QStringLiteral("zeitraumWahl"));
    zeitraumWahl->setFont(Schrift::machen(QStringLiteral("Arial"), 11));
    for (Bericht::Zeitraum z : {Bericht::Zeitraum::Heute, Bericht::Zeitraum::SiebenTage,
                                Bericht::Zeitraum::DreissigTage, Bericht::Zeitraum::Alle})
        zeitraumWahl->addItem(Bericht::zeitraumname(z), static_cast<int>(z));
    zeitraumWahl->setCurrentIndex(1);
    Twips::setzen(zeitraumWahl, 5640, 120, 2760, 420);

    zusammenfassung = new Bezeichnung(this, QStringLiteral("zusammenfassung"));
    zusammenfassung->setSchrift(QStringLiteral("Arial"), 11);
    zusammenfassung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    zusammenfassung->setIndent(4);
    Twips::setzen(zusammenfassung, 240, 720, 6000, 1740);
    balken = new Tagesbalken(this);
    Twips::setzen(balken, 6480, 720, 6120, 1740);

    const int oben = 2640;
    titel(this, QStringLiteral("verwechslungenTitel"), QStringLiteral("Verwechselte Buchstaben"), 240, oben, 3960);
    titel(this, QStringLiteral("klassenTitel"), QStringLiteral("Fehlerarten"), 4440, oben, 3960);
    titel(this, QStringLiteral("woerterTitel"), QStringLiteral("Wörter mit den meisten Fehlern"), 8640, oben, 3960);
    verwechslungen = tabelle(this, QStringLiteral("verwechslungen"), QStringLiteral("erwartet → getippt"),
                             QStringLiteral("Anzahl"));
    Twips::setzen(verwechslungen, 240, oben + 360, 3960, 4920);
    klassen = tabelle(this, QStringLiteral("klassen"), QStringLiteral("Fehlerart"), QStringLiteral("Anzahl"));
    Twips::setzen(klassen, 4440, oben + 360, 3960, 4920);
    woerter = tabelle(this, QStringLiteral("woerter"), QStringLiteral("Wort"), QStringLiteral("Fehler"));
    Twips::setzen(woerter, 8640, oben + 360, 3960, 4920);
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w != ansichtWahl && w != zeitraumWahl && w->objectName() != QLatin1String("zeitraumTitel"))
            m_kindansicht << w;

    const QStringList spalten = Bericht::klassenspalten();
    klassenTabelle = tabelle(this, QStringLiteral("klassenTabelle"), spalten.at(0), spalten.at(1));
    klassenTabelle->setColumnCount(static_cast<int>(spalten.size()));
    klassenTabelle->setHorizontalHeaderLabels(spalten);
    klassenTabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    klassenTabelle->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    klassenTabelle->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    klassenTabelle->setSortingEnabled(true);
    klassenTabelle->horizontalHeader()->setToolTip(QStringLiteral("Klick auf eine Spalte sortiert nach ihr"));
    Twips::setzen(klassenTabelle, 240, 720, 12360, 7200);
    klassenTabelle->hide();

    hinweis = new Bezeichnung(this, QStringLiteral("hinweis"));
    hinweis->setSchrift(QStringLiteral("Arial"), 10, true);
    hinweis->setFarben(QColor(183, 28, 28));
    hinweis->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hinweis->setWordWrap(true);
    Twips::setzen(hinweis, 240, 8010, 12360, 480);

    speichernKnopf = new Knopf(this, QStringLiteral("speichernKnopf"), QStringLiteral("Übungsliste speichern"));
    speichernKnopf->setToolTip(QStringLiteral("Die Wörter mit Fehlern als Wortliste speichern"));
    Twips::setzen(speichernKnopf, 240, 8580, 3000, 495);
    druckenKnopf = new Knopf(this, QStringLiteral("druckenKnopf"), QStringLiteral("Drucken"));
    druckenKnopf->setToolTip(QStringLiteral("Den Bericht drucken"));
    Twips::setzen(druckenKnopf, 3480, 8580, 1800, 495);
    schliessenKnopf = new Knopf(this, QStringLiteral("schliessenKnopf"), QStringLiteral("Schließen"));
    Twips::setzen(schliessenKnopf, 10800, 8580, 1800, 495);

    connect(ansichtWahl, &QTabBar::currentChanged, this, &Berichtfenster::aktualisieren);
    connect(kindWahl, &QComboBox::currentIndexChanged, this, &Berichtfenster::aktualisieren);
    connect(zeitraumWahl, &QComboBox::currentIndexChanged, this, &Berichtfenster::aktualisieren);
    connect(speichernKnopf, &Knopf::Click, this, &Berichtfenster::speichernKnopf_Click);
    connect(druckenKnopf, &Knopf::Click, this, &Berichtfenster::druckenKnopf_Click);
    connect(schliessenKnopf, &Knopf::Click, this, &Berichtfenster::schliessenKnopf_Click);
}

Berichtfenster::~Berichtfenster() = default;

void Berichtfenster::Form_Load()
{
    zentrieren();
}

bool Berichtfenster::klassenansicht() const
{
    return ansichtWahl->currentIndex() == 1;
}

void Berichtfenster::Form_Activate()
{
    programm().protokoll().warten();
    m_lesefehler.clear();
    if (!m_bestand.nachlesen(programm().protokoll().pfad(), &m_lesefehler))
        m_lesefehler.replace(QLatin1Char('\r'), QLatin1Char(' '));
    else
        m_lesefehler.clear();
    const QStringList namen = Bericht::namen(m_bestand);
    // The child chosen before stays chosen; at first the child practising now.
    QString gewaehlt = kindWahl->currentText();
    if (gewaehlt.isEmpty() || !namen.contains(gewaehlt))
        gewaehlt = programm().form1().Bezeichnung7->Caption();
    {
        const QSignalBlocker stumm(kindWahl);
        kindWahl->clear();
        kindWahl->addItems(namen);
        kindWahl->setCurrentIndex(std::max(0, static_cast<int>(namen.indexOf(gewaehlt))));
    }
    aktualisieren();
}

void Berichtfenster::aktualisieren()
{
    const auto z = static_cast<Bericht::Zeitraum>(zeitraumWahl->currentData().toInt());
    const QDate heute = programm().protokoll().jetzt().date();
    QStringList gruende;
    if (!programm().protokoll().fehler().isEmpty())
        gruende << programm().protokoll().fehler() + QStringLiteral(" Die Übungen seit dem Start fehlen im Bericht.");
    if (!m_lesefehler.isEmpty())
        gruende << m_lesefehler;
    else if (m_bestand.size() == 0)
        gruende << QStringLiteral("Es sind noch keine Übungen aufgezeichnet.");
    const bool klasse = klassenansicht();
    for (QWidget *w : std::as_const(m_kindansicht))
        w->setVisible(!klasse);
    klassenTabelle->setVisible(klasse);
    if (klasse) {
        klasseZeigen(z, heute);
        hinweis->setCaption(gruende.join(QLatin1Char(' ')));
        speichernKnopf->setEnabled(false);
        return;
    }
    m_auswertung = Bericht::auswerten(m_bestand, kindWahl->currentText(), z, heute);
    const Bericht::Auswertung &a = m_auswertung;

    zusammenfassung->setCaption(Bericht::zusammenfassung(a).join(QLatin1Char('\n')));
    QDate von = Bericht::grenzen(z, heute).first;
    if (z == Bericht::Zeitraum::Alle)
        von = a.tage.isEmpty() ? heute : std::min(a.tage.first().datum, heute);
    balken->setTage(a.tage, von, heute);

    verwechslungen->setRowCount(0);
    for (const Bericht::Verwechslung &v : a.verwechslungen)
        zeileAnhaengen(verwechslungen, QStringLiteral("%1 → %2").arg(v.soll, v.ist), QStringLiteral("%1×").arg(v.anzahl));
    klassen->setRowCount(0);
    for (int k = 0; k < Bericht::kAnzahlKlassen; ++k)
        zeileAnhaengen(klassen, Bericht::klassenname(static_cast<Bericht::Fehlerklasse>(k)),
                       QString::number(a.klassen.value(k)));
    woerter->setRowCount(0);
    for (const Bericht::Fehlerwort &w : a.woerter.mid(0, 20))
        zeileAnhaengen(woerter, w.wort, QString::number(w.fehler));

    if (m_bestand.size() > 0 && a.geloest == 0 && a.fehler == 0)
        gruende << QStringLiteral("In diesem Zeitraum hat %1 nicht geübt.").arg(a.name);
    hinweis->setCaption(gruende.join(QLatin1Char(' ')));
    speichernKnopf->setEnabled(!a.woerter.isEmpty());
}

void Berichtfenster::klasseZeigen(Bericht::Zeitraum z, const QDate &heute)
{
    m_kinder = Bericht::klasse(m_bestand, z, heute);
    constexpr qint64 ohne = std::numeric_limits<qint64>::min();
    klassenTabelle->setSortingEnabled(false);
    klassenTabelle->setRowCount(0);
    for (int i = 0; i < m_kinder.size(); ++i) {
        const Bericht::Kind &k = m_kinder.at(i);
        const QStringList text = Bericht::zellen(k);
        const QList<QVariant> schluessel = {
            k.name, k.geloest, k.jeHundert < 0 ? ohne : k.jeHundert,
            k.haeufigsteKlasse < 0 ? QString() : text.at(3), k.zuletzt.isValid() ? k.zuletzt.toJulianDay() : ohne,
            k.hatAenderung() ? k.aenderung() : ohne};
        klassenTabelle->insertRow(i);
        for (int s = 0; s < text.size(); ++s) {
            auto *zelle = new Zelle(text.at(s), schluessel.at(s));
            if (s != 0 && s != 3)
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            zelle->setData(Qt::UserRole + 1, i);
            klassenTabelle->setItem(i, s, zelle);
        }
    }
    klassenTabelle->setSortingEnabled(true);
}

void Berichtfenster::speichernKnopf_Click()
{
    Boxen &boxen = programm().boxen();
    const QString titel = QStringLiteral("Übungsliste speichern");
    const QStringList liste = m_auswertung.uebungsliste();
    if (liste.isEmpty()) {
        boxen.meldung(QStringLiteral("In diesem Zeitraum gibt es keine Wörter mit Fehlern."), titel, Knoepfe::OK,
                      Symbol::Information);
        return;
    }
    // A very long name is shortened to what the file system holds.
    const QString vorschlag = Dateien::passenderName(programm().arbeitsordner(), Bericht::listenname(m_auswertung.name));
    const QString name = listeSpeichern(programm().boxen(), programm().arbeitsordner(), *programm().form1().Datei1, titel, vorschlag, liste);
    if (name.isEmpty())
        return;
    boxen.meldung(QStringLiteral("Die Liste mit") + Schreibung::zahl(liste.size()) +
                      (liste.size() == 1 ? QStringLiteral(" Wort") : QStringLiteral(" Wörtern")) +
                      QStringLiteral(" wurde gespeichert.\rSie kann mit \"Laden\" geladen werden."),
                  name, Knoepfe::OK, Symbol::Information);
}

void Berichtfenster::druckenKnopf_Click()
{
    if (klassenansicht()) {
        // In the order the table shows.
        QList<Bericht::Kind> kinder;
        for (int r = 0; r < klassenTabelle->rowCount(); ++r)
            kinder << m_kinder.at(klassenTabelle->item(r, 0)->data(Qt::UserRole + 1).toInt());
        const auto z = static_cast<Bericht::Zeitraum>(zeitraumWahl->currentData().toInt());
        const QDate heute = programm().protokoll().jetzt().date();
        ::drucken(programm().druckziel(), *this,
                  {QStringLiteral("Klassenübersicht drucken"), QStringLiteral("die Klassenübersicht"),
                   QStringLiteral("BERICHT"), QStringLiteral("Die Klassenübersicht wird gedruckt ...")},
                  [&](Druckflaeche &flaeche) { Bericht::klasseDrucken(kinder, z, heute, flaeche); });
        return;
    }
    ::drucken(programm().druckziel(), *this,
            {QStringLiteral("Bericht drucken"), QStringLiteral("der Bericht"), QStringLiteral("BERICHT"),
             QStringLiteral("Der Bericht wird gedruckt ...")},
            [this](Druckflaeche &flaeche) { Bericht::drucken(m_auswertung, flaeche); });
}

void Berichtfenster::schliessenKnopf_Click()
{
    verbergen();
}
