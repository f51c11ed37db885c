#pragma once

#include "info/Bericht.h"
#include "ui/Fenster.h"

class Bezeichnung;
class Knopf;
class Programm;
class QComboBox;
class QTabBar;
class QTableWidget;

/// A small bar chart: wrong letters per day of the report's period.
class Tagesbalken : public QWidget
{
    Q_OBJECT
public:
    explicit Tagesbalken(QWidget *parent);
    /// The days to draw, oldest first, and the period they belong to.
    void setTage(const QList<Bericht::Tag> &tage, const QDate &von, const QDate &bis);
    const QList<Bericht::Tag> &tage() const { return m_tage; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QList<Bericht::Tag> m_tage;
    QDate m_von, m_bis;
};

/// The teacher's report window, opened from the settings window: for a chosen
/// child and period the numbers of the practice log, the letters most often
/// mistyped, the error classes, the words with the most errors and the errors
/// per day. It saves the words with errors as a word list and prints the
/// report. Its second view, "Klasse", shows one row per child for the period.
/// The log is read once and then only what was appended since. The trainer
/// itself is not touched by it.
class Berichtfenster : public Fenster
{
    Q_OBJECT
public:
    explicit Berichtfenster(Programm &programm);
    ~Berichtfenster() override;

    Programm &programm() const { return m_programm; }
    /// The client area in twips.
    static QSize groesse() { return QSize(12840, 9240); }

    QTabBar *ansichtWahl;         ///< "Kind" (one child's report) or "Klasse" (the overview)
    QComboBox *kindWahl;          ///< the children named in the log
    QComboBox *zeitraumWahl;      ///< "Heute", "Letzte 7 Tage", "Letzte 30 Tage", "Alle Tage"
    Bezeichnung *zusammenfassung; ///< words solved, practised, wrong letters, per hundred words
    Tagesbalken *balken;          ///< wrong letters per day
    QTableWidget *verwechslungen; ///< expected → typed, count
    QTableWidget *klassen;        ///< error class, count
    QTableWidget *woerter;        ///< the 20 words with the most errors
    QTableWidget *klassenTabelle; ///< the overview: one row per child, sortable by every column
    Bezeichnung *hinweis;         ///< why the report is empty or incomplete
    Knopf *speichernKnopf;        ///< saves the words with errors as a word list
    Knopf *druckenKnopf;          ///< prints the report
    Knopf *schliessenKnopf;

    /// The report as it is shown now.
    const Bericht::Auswertung &auswertung() const { return m_auswertung; }
    /// The log as read so far.
    const Protokoll::Bestand &bestand() const { return m_bestand; }
    bool klassenansicht() const;

    void Form_Load() override;
    /// Reads what was appended to the log and shows the report.
    void Form_Activate() override;
    /// Shows the report (or the overview) for the child and period chosen.
    void aktualisieren();
    void speichernKnopf_Click();
    void druckenKnopf_Click();
    void schliessenKnopf_Click();

private:
    Programm &m_programm;
    void klasseZeigen(Bericht::Zeitraum z, const QDate &heute);

    Protokoll::Bestand m_bestand;
    QString m_lesefehler;               ///< why the log could not be read, else empty
    Bericht::Auswertung m_auswertung;
    QList<Bericht::Kind> m_kinder;      ///< the overview's rows
    QList<QWidget *> m_kindansicht;     ///< what only the one child's report shows
};
