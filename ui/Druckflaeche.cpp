#include "ui/Druckflaeche.h"

#include "basis/Schrift.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

// ---------------------------------------------------------------- Druckflaeche

std::unique_ptr<Druckflaeche> Druckflaeche::standardDrucker()
{
    if (QPrinterInfo::defaultPrinter().isNull())  // none at all, or none chosen
        return nullptr;
    return std::make_unique<DruckerDruckflaeche>();
}

std::unique_ptr<Druckflaeche> Druckflaeche::pdfDatei(const QString &pfad, Dateischreiber schreiben)
{
    return std::make_unique<PdfDruckflaeche>(pfad, std::move(schreiben));
}

// ---------------------------------------------------------------- MalerDruckflaeche

MalerDruckflaeche::MalerDruckflaeche(QPagedPaintDevice &geraet)
    : m_geraet(geraet)
{
}

MalerDruckflaeche::~MalerDruckflaeche() = default;

void MalerDruckflaeche::aufhoeren()
{
    if (m_maler && m_maler->isActive())
        m_maler->end();
    m_maler.reset();
}

bool MalerDruckflaeche::beginnen()
{
    m_maler = std::make_unique<QPainter>();
    if (!m_maler->begin(&m_geraet)) {
        m_maler.reset();
        m_fehler = QStringLiteral("Der Drucker kann nicht angesprochen werden.");
        return false;
    }
    m_maler->setRenderHint(QPainter::TextAntialiasing);
    m_y = 0;
    return true;
}

void MalerDruckflaeche::setSchrift(const QString &name, double punkte)
{
    m_schriftname = name;
    m_punkte = punkte;
}

void MalerDruckflaeche::zeile(const QString &text, int spalte)
{
    if (!m_maler)
        return;
    const QFont schrift = Schrift::machen(m_schriftname, m_punkte);
    m_maler->setFont(schrift);
    const QFontMetricsF masse(m_maler->font(), &m_geraet);
    const double hoehe = masse.lineSpacing();
    const double seitenhoehe = m_maler->viewport().height();
    if (m_y > 0 && m_y + hoehe > seitenhoehe) {
        m_geraet.newPage();
        m_y = 0;
    }
    double x = (std::max(spalte, 1) - 1) * masse.averageCharWidth();
    // A line that would run past the right edge moves left so that it ends
    // there: the writing line of a worksheet must not be cut off.
    const double breite = masse.horizontalAdvance(text);
    const double seitenbreite = m_maler->viewport().width();
    if (x + breite > seitenbreite)
        x = std::max(0.0, seitenbreite - breite);
    m_maler->drawText(QPointF(x, m_y + masse.ascent()), text);
    m_y += hoehe;
}

bool MalerDruckflaeche::beenden()
{
    if (!m_maler)
        return false;
    const bool gut = m_maler->end();
    m_maler.reset();
    if (!gut) {
        m_fehler = QStringLiteral("Der Drucker hat einen Fehler gemeldet.");
        return false;
    }
    return abschliessen();
}

// ---------------------------------------------------------------- DruckerDruckflaeche

DruckerDruckflaeche::DruckerDruckflaeche()
    : DruckerDruckflaeche(std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter()))
{
}

DruckerDruckflaeche::DruckerDruckflaeche(std::unique_ptr<QPrinter> drucker)
    : MalerDruckflaeche(*drucker), m_drucker(std::move(drucker))
{
    m_drucker->setDocName(QStringLiteral("Tippolo"));
}

DruckerDruckflaeche::~DruckerDruckflaeche()
{
    aufhoeren();
}

// ---------------------------------------------------------------- PdfDruckflaeche

PdfDruckflaeche::Teile PdfDruckflaeche::machen()
{
    Teile t;
    t.puffer = std::make_unique<QBuffer>();
    t.schreiber = std::make_unique<QPdfWriter>(t.puffer.get());
    return t;
}

PdfDruckflaeche::PdfDruckflaeche(const QString &pfad, Dateischreiber schreiben)
    : PdfDruckflaeche(pfad, std::move(schreiben), machen())
{
}

PdfDruckflaeche::PdfDruckflaeche(const QString &pfad, Dateischreiber schreiben, Teile teile)
    : MalerDruckflaeche(*teile.schreiber), m_pfad(pfad), m_schreiben(std::move(schreiben)), m_puffer(std::move(teile.puffer)),
      m_schreiber(std::move(teile.schreiber))
{
}

PdfDruckflaeche::~PdfDruckflaeche()
{
    aufhoeren();
}

bool PdfDruckflaeche::beginnen()
{
    m_puffer->open(QIODevice::WriteOnly);
    m_schreiber->setTitle(QStringLiteral("Tippolo"));
    m_schreiber->setCreator(QStringLiteral("Tippolo"));
    m_schreiber->setPageSize(QPageSize(QPageSize::A4));
    m_schreiber->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    m_schreiber->setResolution(600);
    return MalerDruckflaeche::beginnen();
}

bool PdfDruckflaeche::abschliessen()
{
    if (m_schreiben)
        return m_schreiben(m_pfad, m_puffer->data(), &m_fehler);
    QSaveFile datei(m_pfad);
    const QByteArray &inhalt = m_puffer->data();
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit()) {
        // The system's own text would be English; the program's writer knows the German reasons.
        m_fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.").arg(QFileInfo(m_pfad).fileName());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- DruckAufzeichnung

void DruckAufzeichnung::setSchrift(const QString &name, double punkte)
{
    m_schrift = name;
    m_punkte = punkte;
}

void DruckAufzeichnung::zeile(const QString &text, int spalte)
{
    m_ziel.append(Druckzeile{text, spalte, m_schrift, m_punkte});
}
