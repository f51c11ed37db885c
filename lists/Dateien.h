#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

/// The bytes of every file the program reads or writes: Windows-1252 text
/// with CR LF line ends, the field reader of the list and settings files, and
/// writing through QSaveFile, so a failed write never destroys the old file.
namespace Dateien {

/// Decodes file bytes. Bytes that start with a UTF-16 byte-order mark (FF FE
/// little-endian, FE FF big-endian, as some Windows editors save) are read as
/// UTF-16; bytes that are valid UTF-8 and hold non-ASCII characters (or start
/// with a UTF-8 byte-order mark) are read as UTF-8, so a list saved by a
/// current editor shows its umlauts; everything else is Windows-1252. The
/// byte-order mark is not part of the text; a NUL character reads as a blank.
QString dekodieren(const QByteArray &bytes);

/// Whether the bytes are valid UTF-8 and hold non-ASCII characters (or begin
/// with a UTF-8 byte-order mark). Stops at the first byte that cannot be UTF-8.
bool istUtf8MitUmlauten(QByteArrayView bytes);
/// Windows-1252 bytes as text, a NUL as a blank (no guessing, no byte-order mark).
QString windows1252(QByteArrayView bytes);

/// Brings text to the composed form (NFC): an "a" followed by a combining
/// diaeresis becomes "ä". Text without combining marks comes back as it is.
QString zusammensetzen(const QString &text);

/// Encodes text in Windows-1252. Returns false when a character has no byte
/// there; `nichtKodierbar` then gets the first such character.
bool kodieren(const QString &text, QByteArray &bytes, QChar *nichtKodierbar = nullptr);
/// Whether Windows-1252 can hold every character of the text.
bool kodierbar(const QString &text);
/// The text with "?" for every character Windows-1252 lacks (one for a whole
/// surrogate pair, or for half of one).
QString ersetztNichtKodierbare(const QString &text);

/// Reads fields as the list and settings files are read: a field ends at a
/// comma, a CR, an LF or a CR LF; blanks and tabs in front of a field are
/// skipped, and so are blanks and tabs at its end; a field that begins with a
/// double quote runs to the next double quote (and may hold commas), and
/// what follows the closing quote up to the next field end is dropped.
class Feldleser
{
public:
    explicit Feldleser(const QString &text) : m_text(text) {}
    /// Whether another field is left.
    bool weitere() const { return m_pos < m_text.size(); }
    /// The next field (possibly empty).
    QString naechstes();

private:
    QString m_text;
    qsizetype m_pos = 0;
};

/// All fields of a text that are not empty, in order (the word-list rule).
QStringList felder(const QString &text);

/// The largest file the program reads (64 MB); a word list that large is
/// surely no word list, and reading it could exhaust the memory.
constexpr qint64 kLesegrenze = 64 * 1024 * 1024;

/// How reading a file went.
enum class Lesestand {
    Gelesen,   ///< the whole file was read
    Fehlt,     ///< there is no file (nor a link) of that name
    Abgelehnt, ///< not a regular file, or larger than the limit: nothing was read
    Fehler,    ///< it could not be opened or read; what was read before the fault is kept
};

/// Reads a whole regular file of at most `grenze` bytes. A folder, a device,
/// a pipe or a link to one of them is refused without being opened. Unless
/// the whole file was read, `fehler` gets the German reason (see grund()).
Lesestand einlesen(const QString &pfad, QByteArray &bytes, QString *fehler = nullptr, qint64 grenze = kLesegrenze);

/// What stueckweise() learns of a file before it reads: its size and which
/// file it is (device and inode), so a reader can tell a file that grew from
/// one that was replaced.
struct Dateistand
{
    qint64 groesse = 0;
    quint64 kennung = 0;
};

/// Reads a regular file of any size a piece at a time, never holding it
/// whole: `ab` gets the file's state and returns the byte to begin at; then
/// `stueck` gets the bytes from there to the end in pieces and may return
/// false to stop early. Refuses what einlesen() refuses (but not for size),
/// with the German reason in `fehler`.
Lesestand stueckweise(const QString &pfad, const std::function<qint64(const Dateistand &)> &ab,
                      const std::function<bool(const char *, qsizetype)> &stueck, QString *fehler = nullptr);

/// Reads a whole file. True only when einlesen() read all of it.
bool lesen(const QString &pfad, QByteArray &bytes);

/// Writes every line followed by CR LF, in Windows-1252, through QSaveFile.
/// On failure nothing on disk changes, the function returns false and
/// `fehler` gets a German sentence saying why (a line that Windows-1252 cannot
/// hold is named in it).
bool zeilenSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler = nullptr);

/// The bytes of the lines, each followed by CR LF, in Windows-1252. False
/// when a line holds a character Windows-1252 has no byte for; `fehler` then
/// names the line.
bool zeilenKodieren(const QStringList &zeilen, QByteArray &bytes, QString *fehler = nullptr);

/// Writes bytes through QSaveFile and makes sure they reached the disk:
/// every write is checked, the file is synced and its size compared before
/// it replaces the old one. A link, a folder or anything else that is not a
/// regular file is never written through or replaced. On failure the old file
/// stays, the function returns false and `fehler` gets "Die Datei "NAME"
/// konnte nicht gespeichert werden." and the German reason on a second line.
bool bytesSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler = nullptr);

/// Writes bytes into a file that is not there yet. The name is taken at the
/// moment of writing (the file is created exclusively), so a file that
/// appeared in the meantime, also in other capitals, is never replaced: then
/// `vergeben` is set and nothing is written. Otherwise as bytesSchreiben();
/// on failure no file of that name is left behind.
bool neuSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler, bool *vergeben);

/// Writes bytes into a new file of the folder: under `name` when it is still
/// free at the moment of writing, else under the next free name that
/// freierName() gives for `stamm` and `endung`. Returns the name written, or
/// an empty string on failure (`fehler` says why).
QString neueDatei(const QString &ordner, const QString &name, const QString &stamm, const QString &endung,
                  const QByteArray &inhalt, QString *fehler = nullptr);

/// Reasons a file operation fails that the program finds out itself.
enum class Grund {
    System,        ///< the system refused; see the error number
    Verknuepfung,  ///< a symbolic link stands where the file should be written
    KeineDatei,    ///< a device, a pipe or the like instead of a regular file
    Ordner,        ///< a folder stands where the file should be
    ZuGross,       ///< larger than kLesegrenze
    Unvollstaendig ///< the bytes did not all arrive in the file
};

/// The German sentence a teacher understands for why a file could not be
/// read or written: for Grund::System chosen by the system's error number
/// (no space, read-only, no permission, not found, a folder), else by the
/// reason itself.
QString grund(Grund g, int fehlernummer = 0);

/// The system's error number behind the error text of a failed Qt file
/// device (Qt keeps only the text); 0 when the text names none of the
/// common causes.
int fehlernummer(const QString &systemtext);

/// The name of the working folder's entry that is the same file as `name`
/// for the user: the entry itself, or else one that differs only in capitals
/// (the file browser lists names ignoring case). Empty when there is none.
/// Links and folders count as entries too.
QString vorhandenerName(const QString &ordner, const QString &name);

/// "STAMM.ENDUNG", or when that name is taken (in any capitals, also by a
/// link or a folder) the first free one of "STAMM-2.ENDUNG", "STAMM-3.ENDUNG" …,
/// so an earlier file is never replaced.
QString freierName(const QString &ordner, const QString &stamm, const QString &endung);

/// Whether `name` (in any capitals) is one of the program's own files in the
/// working folder, which a word list must never replace: the settings and
/// their copy, the best lists and their lock files, the practice log, and
/// the PDF files of worksheet and report with their numbered names; blanks
/// and dots at the end do not make another name.
bool eigeneDatei(const QString &name);

/// The longest file name in bytes the writer can use in `ordner`: what the
/// file system holds, less the room of the temporary copy beside the file.
int laengsterName(const QString &ordner);

/// `name` shortened at the end of its stem (before the last dot), whole
/// characters at a time, until it fits laengsterName(ordner).
QString passenderName(const QString &ordner, const QString &name);

/// Checks a file name typed for saving a word list into `ordner`. Lists are
/// saved only into the working folder, so a name with a path separator, a
/// name of dots only, a control character, only blanks, a name longer than
/// the file system holds, or one of the program's own files is refused: the
/// result is the German reason, empty when the name may be used.
QString nameAblehnen(const QString &name, const QString &ordner);

} // namespace Dateien

namespace Dateien {

/// Appends `bytes` to the end of a file, creating it when it is missing, and
/// hands them to the disk before it returns. An append cannot go through
/// QSaveFile (that rewrites the whole file); only the end of the file grows,
/// so what stands in it already is never touched. When the file is new or
/// empty, `anfang` is written first. When it does not end with a line end (a
/// line cut off by a crash), a lone CR and a CR LF are written first: the new
/// bytes begin a line of their own, and the cut line holds a CR no whole line
/// ever holds, so it can never be taken for a complete one. Programs on
/// several computers may append to one file at once: each append holds the
/// lock file "NAME.lock" beside it (a lock left by a program that died is
/// taken over), so two appends never mix. A link, a folder or anything else
/// that is not a regular file is never written through. On failure `fehler` gets "Die Datei
/// "NAME" kann nicht geschrieben werden: " and the German reason (grund()).
bool anhaengen(const QString &pfad, const QByteArray &bytes, const QByteArray &anfang = QByteArray(),
               QString *fehler = nullptr);

} // namespace Dateien
