#pragma once

#include <QList>
#include <QString>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QBuffer;
class QPrinter;

/// A printer canvas: a current font (by name) and size, lines printed one
/// below the other from a given column, a new page when the page is full,
/// and the end of the document.
///
/// Columns count from 1 at the left edge of the printable area; one column
/// is the average character width of the font in use.
class Druckflaeche
{
public:
    virtual ~Druckflaeche() = default;

    /// Starts the document. False when the device cannot be used; fehler()
    /// then says why, and nothing has been printed.
    virtual bool beginnen() = 0;
    virtual void setSchrift(const QString &name, double punkte) = 0;
    /// Prints one line of text from column `spalte` and moves to the next line.
    virtual void zeile(const QString &text, int spalte = 1) = 0;
    /// Ends the document and hands it on. False on an error (see fehler()).
    virtual bool beenden() = 0;
    /// A German sentence about the last failure.
    QString fehler() const { return m_fehler; }

    /// The system's default printer, or nullptr when no printer is installed.
    static std::unique_ptr<Druckflaeche> standardDrucker();
    /// A PDF file at `pfad`. The document is built in memory and written
    /// through a QSaveFile at the end, so a failure leaves an old file as it was.
    static std::unique_ptr<Druckflaeche> pdfDatei(const QString &pfad);

protected:
    QString m_fehler;
};

/// Draws on a paged device with a QPainter (printer or PDF writer). A line
/// too long for the page at its column is moved left so that it ends at the
/// right edge of the printable area instead of being cut off.
class MalerDruckflaeche : public Druckflaeche
{
public:
    bool beginnen() override;
    void setSchrift(const QString &name, double punkte) override;
    void zeile(const QString &text, int spalte = 1) override;
    bool beenden() override;

protected:
    explicit MalerDruckflaeche(QPagedPaintDevice &geraet);
    ~MalerDruckflaeche() override;
    /// What to do after the painter has ended (commit a file); false on error.
    virtual bool abschliessen() { return true; }
    /// Ends an open painter; the subclasses call it before their device goes.
    void aufhoeren();

private:
    QPagedPaintDevice &m_geraet;
    std::unique_ptr<QPainter> m_maler;
    QString m_schriftname = QStringLiteral("Arial");
    double m_punkte = 12;
    double m_y = 0;
};

/// The system's default printer.
class DruckerDruckflaeche : public MalerDruckflaeche
{
public:
    DruckerDruckflaeche();
    ~DruckerDruckflaeche() override;

private:
    explicit DruckerDruckflaeche(std::unique_ptr<QPrinter> drucker);
    std::unique_ptr<QPrinter> m_drucker;
};

/// A PDF file.
class PdfDruckflaeche : public MalerDruckflaeche
{
public:
    explicit PdfDruckflaeche(const QString &pfad);
    ~PdfDruckflaeche() override;
    bool beginnen() override;

protected:
    bool abschliessen() override;

private:
    struct Teile
    {
        std::unique_ptr<QBuffer> puffer;
        std::unique_ptr<QPdfWriter> schreiber;
    };
    static Teile machen();
    PdfDruckflaeche(const QString &pfad, Teile teile);
    QString m_pfad;
    std::unique_ptr<QBuffer> m_puffer;
    std::unique_ptr<QPdfWriter> m_schreiber;
};

/// One line as the recording canvas keeps it.
struct Druckzeile
{
    QString text;
    int spalte = 1;
    QString schrift;
    double punkte = 0;
};

/// The test canvas: records every line with its column and font into a list
/// the test owns, so the list outlives the canvas.
class DruckAufzeichnung : public Druckflaeche
{
public:
    explicit DruckAufzeichnung(QList<Druckzeile> &ziel) : m_ziel(ziel) {}
    bool beginnen() override { ++begonnen; return true; }
    void setSchrift(const QString &name, double punkte) override;
    void zeile(const QString &text, int spalte = 1) override;
    bool beenden() override { ++beendet; return true; }

    int begonnen = 0;
    int beendet = 0;

private:
    QList<Druckzeile> &m_ziel;
    QString m_schrift;
    double m_punkte = 0;
};
