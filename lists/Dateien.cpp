#include "lists/Dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <unistd.h>

namespace Dateien {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves unassigned
// map to the C1 control characters of the same number, so every byte
// survives a round trip.
const char16_t kObereHaelfte[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool byteFuer(char16_t u, char &b)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        b = static_cast<char>(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kObereHaelfte[i] == u) {
            b = static_cast<char>(0x80 + i);
            return true;
        }
    return false;
}

/// Whether the bytes are valid UTF-8 and hold non-ASCII characters (or begin
/// with a UTF-8 byte-order mark). Stops at the first byte that cannot be UTF-8.
bool istUtf8MitUmlauten(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *e = p + bytes.size();
    bool umlaut = false;
    while (p < e) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int folge;
        char32_t cp;
        if (b >= 0xC2 && b <= 0xDF) { folge = 1; cp = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) { folge = 2; cp = b & 0x0F; }
        else if (b >= 0xF0 && b <= 0xF4) { folge = 3; cp = b & 0x07; }
        else return false;
        if (e - p <= folge)
            return false;
        for (int i = 1; i <= folge; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        if ((folge == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (folge == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        umlaut = true;
        p += folge + 1;
    }
    return umlaut;
}

} // namespace

QString dekodieren(const QByteArray &bytes)
{
    QString text;
    if (istUtf8MitUmlauten(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        text.replace(QChar(0), QLatin1Char(' '));
    } else {
        text = QString(bytes.size(), Qt::Uninitialized);
        QChar *ziel = text.data();
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            *ziel++ = b == 0 ? QChar(u' ') : b >= 0x80 && b < 0xA0 ? QChar(kObereHaelfte[b - 0x80]) : QChar(b);
        }
    }
    // Umlauts stored as a base letter and a combining mark become one
    // character, as the keyboard types them.
    return zusammensetzen(text);
}

QString zusammensetzen(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x0300 && c.unicode() <= 0x036F)
            return text.normalized(QString::NormalizationForm_C);
    return text;
}

bool kodieren(const QString &text, QByteArray &bytes, QChar *nichtKodierbar)
{
    bytes.clear();
    bytes.reserve(text.size());
    for (QChar c : text) {
        char b;
        if (!byteFuer(c.unicode(), b)) {
            if (nichtKodierbar)
                *nichtKodierbar = c;
            return false;
        }
        bytes.append(b);
    }
    return true;
}

bool kodierbar(const QString &text)
{
    char b;
    for (QChar c : text)
        if (!byteFuer(c.unicode(), b))
            return false;
    return true;
}

static bool leer(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString Feldleser::naechstes()
{
    const qsizetype n = m_text.size();
    auto feldende = [&](qsizetype i) {
        // Consumes the delimiter at i (comma, CR, LF or CR LF).
        if (i >= n)
            return n;
        if (m_text.at(i) == QLatin1Char('\r') && i + 1 < n && m_text.at(i + 1) == QLatin1Char('\n'))
            return i + 2;
        return i + 1;
    };
    auto istTrenner = [&](qsizetype i) {
        const QChar c = m_text.at(i);
        return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    qsizetype i = m_pos;
    while (i < n && leer(m_text.at(i)))
        ++i;
    QString feld;
    if (i < n && m_text.at(i) == QLatin1Char('"')) {
        const qsizetype zu = m_text.indexOf(QLatin1Char('"'), i + 1);
        const qsizetype ende = zu < 0 ? n : zu;
        feld = m_text.mid(i + 1, ende - i - 1);
        i = zu < 0 ? n : zu + 1;
        while (i < n && !istTrenner(i))
            ++i;
    } else {
        const qsizetype start = i;
        while (i < n && !istTrenner(i))
            ++i;
        qsizetype e = i;
        while (e > start && leer(m_text.at(e - 1)))
            --e;
        feld = m_text.mid(start, e - start);
    }
    m_pos = feldende(i);
    return feld;
}

QStringList felder(const QString &text)
{
    QStringList l;
    Feldleser leser(text);
    while (leser.weitere()) {
        QString f = leser.naechstes();
        if (!f.isEmpty())
            l << f;
    }
    return l;
}

bool lesen(const QString &pfad, QByteArray &bytes)
{
    bytes.clear();
    if (QFileInfo(pfad).isDir())
        return false;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool zeilenSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler)
{
    QByteArray inhalt;
    for (const QString &z : zeilen) {
        QByteArray b;
        if (!kodieren(z, b)) {
            if (fehler)
                *fehler = QStringLiteral("Das Wort \"%1\" enthält ein Zeichen, das in der Datei nicht "
                                         "gespeichert werden kann.")
                              .arg(z);
            return false;
        }
        inhalt += b;
        inhalt += "\r\n";
    }
    const QString name = QFileInfo(pfad).fileName();
    QSaveFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size() || !f.commit()) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2")
                          .arg(name, f.errorString());
        return false;
    }
    return true;
}

} // namespace Dateien

namespace Dateien {

bool anhaengen(const QString &pfad, const QByteArray &bytes, const QByteArray &anfang, QString *fehler)
{
    const QFileInfo info(pfad);
    auto scheitern = [&](const QString &grund) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2").arg(info.fileName(), grund);
        return false;
    };
    if (info.isDir())
        return scheitern(QStringLiteral("An ihrer Stelle steht ein Ordner."));
    QFile f(pfad);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        if (!QFileInfo(info.absolutePath()).isWritable())
            return scheitern(QStringLiteral("Der Ordner ist schreibgeschützt."));
        if (info.exists() && !info.isWritable())
            return scheitern(QStringLiteral("Sie ist schreibgeschützt."));
        return scheitern(QStringLiteral("Sie lässt sich nicht öffnen."));
    }
    QByteArray inhalt;
    const qint64 groesse = f.size();
    if (groesse == 0) {
        inhalt = anfang;
    } else {
        char letztes = '\n';
        if (!f.isSequential() && f.seek(groesse - 1) && f.getChar(&letztes) && letztes != '\n')
            inhalt = "\r\n";
    }
    if (!f.isSequential() && !f.seek(groesse))
        return scheitern(QStringLiteral("Sie lässt sich nicht öffnen."));
    inhalt += bytes;
    const bool geschrieben = f.write(inhalt) == inhalt.size() && f.flush();
    // The bytes reach the disk now: a power cut afterwards loses nothing.
    const bool gesichert = geschrieben && ::fdatasync(f.handle()) == 0;
    f.close();
    if (!gesichert)
        return scheitern(QStringLiteral("Der Datenträger ist voll oder nicht bereit."));
    return true;
}

} // namespace Dateien
