#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

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

    bool operator==(const Eintrag &o) const
    {
        return datum == o.datum && zeit == o.zeit && art == o.art && name == o.name && uebung == o.uebung &&
               lesen == o.lesen && wort == o.wort && stelle == o.stelle && soll == o.soll && ist == o.ist;
    }
};

/// The file name in the working folder.
QString dateiname();
/// The first line of a new log, with its CR LF.
QByteArray kopfzeile();

/// The bytes of one line, CR LF included. A character Windows-1252 cannot
/// hold is written as "?", a line break or other control character as a blank.
QByteArray zeile(const Eintrag &e);

/// One event as the report keeps it: a few numbers, the texts as indexes
/// into its Bestand, so that a year of practice fits in little memory.
struct Satz
{
    qint32 tag = 0;            ///< QDate::toJulianDay()
    quint32 name = 0;          ///< index into Bestand::namen()
    quint32 wort = 0;          ///< index into Bestand::woerter()
    quint32 stelle = 0;
    char32_t soll = 0, ist = 0;
    quint32 sekunde : 17;      ///< seconds since midnight
    quint32 uebung : 5;
    quint32 fehler : 1;        ///< Art::Fehler
    quint32 lesen : 1;
    quint32 klasse : 4;        ///< Bericht::Fehlerklasse of a wrong letter
    Satz() : sekunde(0), uebung(0), fehler(0), lesen(0), klasse(0) {}
};

/// The events of a log, read line by line and kept compactly. A line is read
/// on its own footing: UTF-8 when it is valid UTF-8, UTF-16 when its line end
/// is (a log an editor saved as "Unicode"), else Windows-1252, so a log
/// re-saved by an editor and then appended to keeps one name as one child.
/// A line counts only when it is whole: its form, its fields and its line end
/// (LF, a CR before it belongs to the line end); a line holding any other
/// control character, a CR among them, was cut off and is skipped.
class Bestand
{
public:
    Bestand() = default;

    /// Reads the log at `pfad`: only what was appended since the last call,
    /// or all of it again when the file was replaced or has shrunk. A line
    /// still without its line end is left for the next call. False, with the
    /// German reason in `fehler`, when the file cannot be read; a missing file
    /// is an empty log.
    bool nachlesen(const QString &pfad, QString *fehler = nullptr);
    /// Reads the bytes of a whole log.
    void lesen(const QByteArray &bytes);
    void leeren();

    const std::vector<Satz> &saetze() const { return m_saetze; }
    qsizetype size() const { return static_cast<qsizetype>(m_saetze.size()); }
    /// How many bytes of the file were read, up to the last line end.
    qint64 gelesen() const { return m_gelesen; }
    /// The names and words in the order they first came.
    const QStringList &namen() const { return m_namen; }
    const QStringList &woerter() const { return m_woerter; }
    /// The index of a name, -1 when the log does not hold it.
    int nameIndex(const QString &name) const { return m_namenIndex.value(name, -1); }
    Eintrag eintrag(qsizetype i) const;
    QList<Eintrag> eintraege() const;

private:
    /// Reads the whole lines of a piece of the file; the last, unended one waits for the next piece.
    void stueck(const char *p, qsizetype n);
    void zeile(const char *anfang, const char *ende);
    void felder(const char *anfang, const char *ende, bool utf8);
    quint32 text(QStringList &liste, QHash<QString, quint32> &index, QHash<QByteArray, quint32> *roh,
                 const char *p, qsizetype n, bool utf8);

    std::vector<Satz> m_saetze;
    QStringList m_namen, m_woerter;
    QHash<QString, quint32> m_namenIndex, m_woerterIndex;
    QHash<QByteArray, quint32> m_namenRoh[2], m_woerterRoh[2];  ///< by the line's bytes: [0] Windows-1252, [1] UTF-8
    QHash<quint64, quint8> m_klassen;  ///< the error class by the two letters and the one before
    char m_letztesDatum[11] = {};      ///< "yyyy-MM-dd " of the last line read
    qint32 m_letzterTag = 0;
    qint64 m_gelesen = 0;      ///< bytes of the file read, up to a line end
    quint64 m_kennung = 0;     ///< which file they came from
    QByteArray m_ende;         ///< the last bytes read, to notice a file rewritten in place
    QByteArray m_rest;         ///< a line begun at the end of a piece
    qint64 m_lang = 0;         ///< bytes of a line too long to be an event, skipped
};

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
