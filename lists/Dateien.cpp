#include "lists/Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <fcntl.h>
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
    const char16_t *const treffer = std::find(std::begin(kObereHaelfte), std::end(kObereHaelfte), u);
    if (treffer == std::end(kObereHaelfte))
        return false;
    b = static_cast<char>(0x80 + (treffer - kObereHaelfte));
    return true;
}

} // namespace

bool istUtf8MitUmlauten(QByteArrayView bytes)
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

QString windows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *ziel = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *ziel++ = b == 0 ? QChar(u' ') : b >= 0x80 && b < 0xA0 ? QChar(kObereHaelfte[b - 0x80]) : QChar(b);
    }
    return text;
}

QString dekodieren(const QByteArray &bytes)
{
    QString text;
    const bool utf16le = bytes.startsWith("\xFF\xFE");
    if (utf16le || bytes.startsWith("\xFE\xFF")) {
        // The decoder drops the byte-order mark and turns an odd last byte
        // into the replacement character; half a pair becomes one too, so
        // the text holds whole characters only.
        QStringDecoder utf16(utf16le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        const QList<uint> zeichen = QString(utf16.decode(bytes)).toUcs4();
        text = QString::fromUcs4(reinterpret_cast<const char32_t *>(zeichen.constData()), zeichen.size());
        text.replace(QChar(0), QLatin1Char(' '));
    } else if (istUtf8MitUmlauten(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        text.replace(QChar(0), QLatin1Char(' '));
    } else {
        text = windows1252(bytes);
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

QString ersetztNichtKodierbare(const QString &text)
{
    if (kodierbar(text))
        return text;
    QString s;
    for (const char32_t c : text.toUcs4()) {
        const QString z = QString::fromUcs4(&c, 1);
        s += kodierbar(z) ? z : QStringLiteral("?");
    }
    return s;
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

namespace {

QString kurzname(const QString &pfad)
{
    return QFileInfo(pfad).fileName();
}

QString schreibfehler(const QString &pfad, Grund g, int nummer = 0)
{
    return QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2").arg(kurzname(pfad), grund(g, nummer));
}

} // namespace

QString grund(Grund g, int nummer)
{
    switch (g) {
    case Grund::Verknuepfung:
        return QStringLiteral("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch Verknüpfungen.");
    case Grund::KeineDatei:
        return QStringLiteral("Sie ist keine gewöhnliche Datei (sondern zum Beispiel ein Gerät).");
    case Grund::Ordner:
        return QStringLiteral("An ihrer Stelle steht ein Ordner.");
    case Grund::ZuGross:
        return QStringLiteral("Sie ist größer als 64 MB.");
    case Grund::Unvollstaendig:
        return QStringLiteral("Die Daten sind nicht vollständig in der Datei angekommen.");
    case Grund::System:
        break;
    }
    switch (nummer) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Auf dem Datenträger ist nicht genug Platz frei.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Das Programm hat dafür keine Berechtigung.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Die Datei oder ihr Ordner wurde nicht gefunden.");
    case EISDIR:
        return grund(Grund::Ordner);
    case ENAMETOOLONG:
        return QStringLiteral("Der Name der Datei ist zu lang für den Datenträger.");
    default:
        return QStringLiteral("Der Datenträger meldet einen Fehler.");
    }
}

int fehlernummer(const QString &systemtext)
{
    static const int kBekannt[] = {ENOSPC, EDQUOT, EFBIG, EROFS, EACCES, EPERM, ENOENT, ENOTDIR, EISDIR, ENAMETOOLONG};
    for (int n : kBekannt)
        if (systemtext == qt_error_string(n))
            return n;
    // QSaveFile's own texts.
    if (systemtext.contains(QLatin1String("refers to a directory")))
        return EISDIR;
    if (systemtext.contains(QLatin1String("is not writable")))
        return EACCES;
    return 0;
}

Lesestand einlesen(const QString &pfad, QByteArray &bytes, QString *fehler, qint64 grenze)
{
    bytes.clear();
    bool zuGross = false;
    const Lesestand stand = stueckweise(
        pfad,
        [&](const Dateistand &d) {
            zuGross = d.groesse > grenze;
            if (!zuGross)
                bytes.reserve(d.groesse);
            return qint64(0);
        },
        [&](const char *daten, qsizetype n) {
            // The file may have grown since it was looked at.
            zuGross = zuGross || bytes.size() + n > grenze;
            if (!zuGross)
                bytes.append(daten, n);
            return !zuGross;
        },
        fehler);
    if (stand == Lesestand::Gelesen && !zuGross)
        return stand;
    bytes.clear();
    if (stand != Lesestand::Gelesen)
        return stand;
    if (fehler)
        *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\r%2").arg(kurzname(pfad), grund(Grund::ZuGross));
    return Lesestand::Abgelehnt;
}

Lesestand stueckweise(const QString &pfad, const std::function<qint64(const Dateistand &)> &ab,
                      const std::function<bool(const char *, qsizetype)> &stueck, QString *fehler)
{
    auto melden = [&](Lesestand stand, Grund g, int nummer = 0) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\r%2").arg(kurzname(pfad), grund(g, nummer));
        return stand;
    };
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        const int nummer = errno;
        struct stat link;
        if (nummer == ENOENT && ::lstat(name.constData(), &link) != 0)
            return Lesestand::Fehlt;
        return melden(nummer == ENOENT ? Lesestand::Abgelehnt : Lesestand::Fehler,
                      nummer == ENOENT ? Grund::KeineDatei : Grund::System, nummer);
    }
    if (S_ISDIR(st.st_mode))
        return melden(Lesestand::Abgelehnt, Grund::Ordner);
    if (!S_ISREG(st.st_mode))
        return melden(Lesestand::Abgelehnt, Grund::KeineDatei);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return melden(Lesestand::Fehler, Grund::System, errno);
    // Swapped for something else since the look above?
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return melden(Lesestand::Abgelehnt, Grund::KeineDatei);
    }
    Dateistand stand;
    stand.groesse = st.st_size;
    stand.kennung = (quint64(st.st_dev) << 40) ^ quint64(st.st_ino);
    qint64 pos = ab(stand);
    QByteArray puffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::pread(fd, puffer.data(), static_cast<size_t>(puffer.size()), pos);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int nummer = errno;
            ::close(fd);
            return melden(Lesestand::Fehler, Grund::System, nummer);
        }
        if (n == 0 || !stueck(puffer.constData(), n))
            break;
        pos += n;
    }
    ::close(fd);
    return Lesestand::Gelesen;
}

bool lesen(const QString &pfad, QByteArray &bytes)
{
    return einlesen(pfad, bytes) == Lesestand::Gelesen;
}

/// True when something other than a plain file stands in the file's place (a
/// link, a folder, a device, a pipe): it is never written through.
static bool nichtEineDatei(const QByteArray &name, Grund &g)
{
    struct stat st;
    if (::lstat(name.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return false;
    g = S_ISLNK(st.st_mode) ? Grund::Verknuepfung : S_ISDIR(st.st_mode) ? Grund::Ordner : Grund::KeineDatei;
    return true;
}

bool bytesSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler)
{
    auto scheitern = [&](Grund g, int nummer = 0) {
        if (fehler)
            *fehler = schreibfehler(pfad, g, nummer);
        return false;
    };
    const QByteArray name = QFile::encodeName(pfad);
    Grund fremd;
    if (nichtEineDatei(name, fremd))
        return scheitern(fremd);
    QSaveFile f(pfad);
    // Unbuffered, so that every write reaches the system and its failure is
    // seen here rather than lost in a flush that nobody checks.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        int nummer = fehlernummer(f.errorString());
        // Qt words a refused old file in its own way ("not writable"); the
        // system knows the cause (read-only disk or missing permission).
        if (nummer == 0 || nummer == EACCES) {
            const QByteArray ordner = QFile::encodeName(QFileInfo(pfad).absolutePath());
            if (::access(name.constData(), W_OK) != 0 && errno != ENOENT)
                nummer = errno;
            else if (::access(ordner.constData(), W_OK) != 0)
                nummer = errno;
        }
        return scheitern(Grund::System, nummer);
    }
    if (f.write(inhalt) != inhalt.size()) {
        const int nummer = fehlernummer(f.errorString());
        f.cancelWriting();
        return scheitern(Grund::System, nummer ? nummer : ENOSPC);
    }
    if (::fsync(f.handle()) != 0) {
        const int nummer = errno;
        f.cancelWriting();
        return scheitern(Grund::System, nummer);
    }
    struct stat st;
    if (::fstat(f.handle(), &st) != 0 || st.st_size != inhalt.size()) {
        f.cancelWriting();
        return scheitern(Grund::Unvollstaendig);
    }
    if (!f.commit())
        return scheitern(Grund::System, fehlernummer(f.errorString()));
    if (::stat(name.constData(), &st) != 0 || st.st_size != inhalt.size())
        return scheitern(Grund::Unvollstaendig);
    return true;
}

bool zeilenKodieren(const QStringList &zeilen, QByteArray &inhalt, QString *fehler)
{
    inhalt.clear();
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
    return true;
}

bool zeilenSchreiben(const QString &pfad, const QStringList &zeilen, QString *fehler)
{
    QByteArray inhalt;
    return zeilenKodieren(zeilen, inhalt, fehler) && bytesSchreiben(pfad, inhalt, fehler);
}

bool neuSchreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler, bool *vergeben)
{
    *vergeben = false;
    const QByteArray name = QFile::encodeName(pfad);
    // The empty file claims the name; QSaveFile then replaces it with the
    // whole content at once, so nobody ever reads half a file.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        const int nummer = errno;
        *vergeben = nummer == EEXIST;
        if (fehler)
            *fehler = *vergeben ? QStringLiteral("Die Datei \"%1\" gibt es inzwischen schon.").arg(kurzname(pfad))
                                : schreibfehler(pfad, Grund::System, nummer);
        return false;
    }
    ::close(fd);
    const QFileInfo info(pfad);
    const QStringList eintraege =
        QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &e : eintraege)
        if (e != info.fileName() && e.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            // The same name in other capitals came first.
            ::unlink(name.constData());
            *vergeben = true;
            if (fehler)
                *fehler = QStringLiteral("Die Datei \"%1\" gibt es inzwischen schon.").arg(e);
            return false;
        }
    if (bytesSchreiben(pfad, inhalt, fehler))
        return true;
    ::unlink(name.constData());
    return false;
}

QString neueDatei(const QString &ordner, const QString &name, const QString &stamm, const QString &endung,
                  const QByteArray &inhalt, QString *fehler)
{
    QString versuch = name;
    // Each round loses the name only to a file that appeared in between.
    for (int runde = 0; runde < 1000; ++runde) {
        bool vergeben = false;
        if (neuSchreiben(QDir(ordner).filePath(versuch), inhalt, fehler, &vergeben))
            return versuch;
        if (!vergeben)
            return QString();
        versuch = freierName(ordner, stamm, endung);
    }
    return QString();
}

QString freierName(const QString &ordner, const QString &stamm, const QString &endung)
{
    QString name = stamm + QLatin1Char('.') + endung;
    for (int n = 2; !vorhandenerName(ordner, name).isEmpty(); ++n)
        name = QStringLiteral("%1-%2.%3").arg(stamm).arg(n).arg(endung);
    return name;
}

QString vorhandenerName(const QString &ordner, const QString &name)
{
    const QStringList eintraege =
        QDir(ordner).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    if (eintraege.contains(name))
        return name;
    for (const QString &e : eintraege)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return QString();
}

bool eigeneDatei(const QString &name)
{
    static const QRegularExpression kEigene(
        QStringLiteral("^(TIPPOLO\\.INI(\\.alt)?|(TIPPOLO\\.LOG|BEST(HANG|SUCH|FANG)\\.LST)(\\.lock(\\.rmlock)?)?|"
                       "(TIPPOLO|BERICHT)(-[0-9]+)?\\.PDF)$"),
        QRegularExpression::CaseInsensitiveOption);
    // Windows file servers drop blanks and dots at the end of a name.
    QString kern = name;
    while (kern.endsWith(QLatin1Char(' ')) || kern.endsWith(QLatin1Char('.')))
        kern.chop(1);
    return kEigene.match(kern).hasMatch();
}

int laengsterName(const QString &ordner)
{
    long grenze = ::pathconf(QFile::encodeName(ordner).constData(), _PC_NAME_MAX);
    if (grenze <= 0 || grenze > NAME_MAX)
        grenze = NAME_MAX;
    // QSaveFile writes beside the file under its name and ".XXXXXX".
    return static_cast<int>(grenze) - 7;
}

QString passenderName(const QString &ordner, const QString &name)
{
    const int grenze = laengsterName(ordner);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    QString stamm = punkt > 0 ? name.left(punkt) : name;
    const QString endung = punkt > 0 ? name.mid(punkt) : QString();
    while (!stamm.isEmpty() && QFile::encodeName(stamm + endung).size() > grenze)
        stamm.chop(stamm.size() >= 2 && stamm.back().isLowSurrogate() ? 2 : 1);
    return stamm + endung;
}

QString nameAblehnen(const QString &name, const QString &ordner)
{
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QStringLiteral("Der Name enthält ein Steuerzeichen (zum Beispiel einen Zeilenumbruch).");
    if (name.trimmed().isEmpty())
        return QStringLiteral("Der Name besteht nur aus Leerzeichen.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("Der Name \"%1\" enthält einen Schrägstrich. Listen werden nur im Arbeitsordner "
                              "gespeichert; bitte nur den Namen der Datei eingeben.")
            .arg(name);
    if (name.count(QLatin1Char('.')) == name.size())
        return QStringLiteral("\"%1\" ist kein Name für eine Datei.").arg(name);
    if (QFile::encodeName(name).size() > laengsterName(ordner))
        return QStringLiteral("Der Name ist zu lang für den Datenträger; bitte einen kürzeren Namen wählen.");
    if (eigeneDatei(name))
        return QStringLiteral("\"%1\" ist eine Datei des Programms selbst und kann nicht als Wortliste "
                              "überschrieben werden.")
            .arg(name);
    return QString();
}

} // namespace Dateien

namespace Dateien {

bool anhaengen(const QString &pfad, const QByteArray &bytes, const QByteArray &anfang, QString *fehler)
{
    auto scheitern = [&](Grund g, int nummer = 0) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                          .arg(QFileInfo(pfad).fileName(), grund(g, nummer));
        return false;
    };
    const QByteArray name = QFile::encodeName(pfad);
    Grund fremd;
    if (nichtEineDatei(name, fremd))
        return scheitern(fremd);
    // Appends of other programs wait; a lock that cannot be had at all (a
    // read-only folder) or not in time does not stop the append: the log
    // loses nothing for it.
    QLockFile sperre(pfad + QStringLiteral(".lock"));
    sperre.setStaleLockTime(std::chrono::seconds(20));
    sperre.tryLock(std::chrono::seconds(10));
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return scheitern(Grund::System, errno);
    QByteArray inhalt;
    char letztes = '\n';
    struct stat st;
    if (::fstat(fd, &st) == 0 && st.st_size == 0)
        inhalt = anfang;
    else if (::pread(fd, &letztes, 1, st.st_size - 1) == 1 && letztes != '\n')
        inhalt = "\r\r\n";
    inhalt += bytes;
    qsizetype geschrieben = 0;
    int nummer = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, static_cast<size_t>(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            nummer = n < 0 ? errno : ENOSPC;
            break;
        }
        geschrieben += n;
    }
    // The bytes reach the disk now: a power cut afterwards loses nothing.
    if (nummer == 0 && ::fdatasync(fd) != 0)
        nummer = errno;
    ::close(fd);
    return nummer == 0 || scheitern(Grund::System, nummer);
}

} // namespace Dateien
