#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The bytes of every file the program reads or writes: Windows-1252 text
/// with CR LF line ends, the field reader of the list and settings files, and
/// writing through QSaveFile, so a failed write never destroys the old file.
namespace Dateien {

/// Decodes file bytes. Bytes that are valid UTF-8 and hold non-ASCII
/// characters (or start with a UTF-8 byte-order mark) are read as UTF-8, so a
/// list saved by a current editor shows its umlauts; everything else is
/// Windows-1252. A NUL byte reads as a blank.
QString dekodieren(const QByteArray &bytes);

/// Brings text to the composed form (NFC): an "a" followed by a combining
/// diaeresis becomes "ä". Text without combining marks comes back as it is.
QString zusammensetzen(const QString &text);

/// Encodes text in Windows-1252. Returns false when a character has no byte
/// there; `nichtKodierbar` then gets the first such character.
bool kodieren(const QString &text, QByteArray &bytes, QChar *nichtKodierbar = nullptr);
/// Whether Windows-1252 can hold every character of the text.
bool kodierbar(const QString &text);

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

/// Reads a whole file. False when it cannot be opened or read (or names a folder).
bool lesen(const QString &pfad, QByteArray &bytes);

/// Writes every line followed by CR LF, in Windows-1252, through QSaveFile.
/// On failure nothing on disk changes, the function returns false and
/// `fehler` gets a German sentence saying why (a line that Windows-1252 cannot
/// hold is named in it).
bool zeilenSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler = nullptr);

} // namespace Dateien

namespace Dateien {

/// Appends `bytes` to the end of a file, creating it when it is missing, and
/// hands them to the disk before it returns. An append cannot go through
/// QSaveFile (that rewrites the whole file); only the end of the file grows,
/// so what stands in it already is never touched. When the file is new or
/// empty, `anfang` is written first. When it does not end with a line end (a
/// line cut off by a crash), a CR LF is written first, so the new bytes begin
/// a line of their own. On failure `fehler` gets a German sentence saying why.
bool anhaengen(const QString &pfad, const QByteArray &bytes, const QByteArray &anfang = QByteArray(),
               QString *fehler = nullptr);

} // namespace Dateien
