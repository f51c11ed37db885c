#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

/// The practice log "TIPPOLO.LOG" in the working folder: one line per solved
/// word and per wrong letter, for the teacher's report.
///
/// A line is Windows-1252 text ended by CR LF, its fields separated by
/// semicolons, so that a spreadsheet opens it as a table:
///
///     2026-12-06 09:15:02;Fehler;Anna;13;Schreiben;Haus;1;H;h
///     2026-12-06 09:15:09;Wort;Anna;13;Schreiben;Haus
///
/// Fields: date and time, kind ("Wort" solved, "Fehler" a wrong letter), the
/// player's name, the exercise number, the mode ("Schreiben" or "Lesen"), the
/// word, and for a wrong letter its 1-based position in the word, the letter
/// expected and the letter typed. A field holding a semicolon or a double
/// quote is put in double quotes, a quote inside doubled. The file begins with
/// one line naming the fields.
namespace Protokoll {

/// What a line records.
enum class Art { Wort, Fehler };

/// One event of the log.
struct Eintrag
{
    QDate datum;
    QTime zeit;
    Art art = Art::Wort;
    QString name;
    int uebung = 0;        ///< exercise 1..28
    bool lesen = false;    ///< reading mode (the word was clicked)
    QString wort;
    int stelle = 0;        ///< wrong letter: 1-based position in the word
    QString soll;          ///< wrong letter: the letter expected
    QString ist;           ///< wrong letter: the letter typed

    bool operator==(const Eintrag &o) const;
};

/// The file name in the working folder.
QString dateiname();
/// The first line of a new log, with its CR LF.
QByteArray kopfzeile();

/// The bytes of one line, CR LF included. A character Windows-1252 cannot
/// hold is written as "?", a line break or other control character as a blank.
QByteArray zeile(const Eintrag &e);

/// Reads one line (without its line end). False for a line that is not a
/// complete event of this log (the header, a foreign or damaged line).
bool lesen(QStringView zeile, Eintrag &e);

/// All events of a log file's bytes, in file order. Lines that cannot be read
/// are skipped, and so is a last line without its line end (cut off while
/// being written).
QList<Eintrag> einlesen(const QByteArray &bytes);

/// The log of one working folder. An event is handed to a thread of the log,
/// which appends it to the file at once and forces it to the disk; the caller
/// (a key press) never waits for the disk. A log that cannot be written is
/// remembered, and practice goes on.
class Schreiber
{
public:
    explicit Schreiber(const QString &pfad) : m_pfad(pfad) {}
    /// Writes what is still waiting before it returns.
    ~Schreiber();
    Schreiber(const Schreiber &) = delete;
    Schreiber &operator=(const Schreiber &) = delete;

    QString pfad() const { return m_pfad; }
    /// The clock of the log (tests set a fixed one).
    std::function<QDateTime()> uhr = [] { return QDateTime::currentDateTime(); };
    QDateTime jetzt() const { return uhr(); }

    /// Hands the event with the current time to the log's thread.
    void schreiben(Eintrag e);
    void wortGeloest(const QString &name, int uebung, bool lesen, const QString &wort);
    void falscherBuchstabe(const QString &name, int uebung, bool lesen, const QString &wort, int stelle,
                           const QString &soll, const QString &ist);

    /// Returns when every event handed over so far is written or has failed.
    void warten() const;

    /// The reason of the last failed write in this run (after warten()); empty
    /// when every write has succeeded.
    QString fehler() const;

    /// Reads the whole log (empty when there is none), after warten().
    QList<Eintrag> alle() const;

private:
    void arbeiten();

    QString m_pfad;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_neu;     ///< lines are waiting, or the end has come
    mutable std::condition_variable m_fertig;  ///< the thread has written what it took
    QByteArray m_wartend;                      ///< lines not yet taken by the thread
    bool m_schreibt = false;                   ///< the thread is writing lines it took
    bool m_ende = false;
    QString m_fehler;
    std::thread m_faden;                       ///< started with the first event
};

} // namespace Protokoll
