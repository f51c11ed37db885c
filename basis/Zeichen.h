#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

/// A text as a row of whole characters (code points). QString keeps a
/// character outside the Basic Multilingual Plane (an emoji, a mathematical
/// letter) in two UTF-16 units; here it is one character, as the child sees
/// it, so it is never split, turned round or counted twice. A lone surrogate
/// unit counts as a character of its own.
///
/// The row only looks at the text: the text must live as long as the row.
class Zeichenfolge
{
public:
    explicit Zeichenfolge(QStringView text);

    /// The number of whole characters.
    qsizetype size() const { return m_einfach ? m_text.size() : m_anfang.size() - 1; }
    bool isEmpty() const { return m_text.isEmpty(); }
    /// Character i (0-based), one or two UTF-16 units.
    QStringView at(qsizetype i) const { return m_text.mid(anfang(i), anfang(i + 1) - anfang(i)); }
    /// The first n characters.
    QStringView left(qsizetype n) const { return m_text.first(anfang(n)); }
    /// The characters from i (0-based) to the end.
    QStringView mid(qsizetype i) const { return m_text.sliced(anfang(i)); }
    /// Where character i starts in UTF-16 units; size() gives the text's length.
    qsizetype anfang(qsizetype i) const { return m_einfach ? i : m_anfang.at(i); }

private:
    QStringView m_text;
    bool m_einfach = true;                   ///< every character is one unit
    QVarLengthArray<qsizetype, 1> m_anfang;  ///< start of each character, then the end
};

namespace Zeichen {

/// The length of a text in whole characters.
qsizetype anzahl(QStringView text);
/// Units of the character that starts at i: two for a surrogate pair, else one.
qsizetype laenge(QStringView text, qsizetype i);

/// Whether a whole character occurs in a class string (a string of single
/// units); a character of two units belongs to no class.
inline bool in(QStringView klasse, QStringView zeichen)
{
    return zeichen.size() == 1 && klasse.contains(zeichen.front());
}

/// The text without its last whole character.
QString ohneLetztes(const QString &text);

/// The first `hoechstens` whole characters of the text, with "…" when it was longer.
QString gekuerzt(const QString &text, qsizetype hoechstens);

} // namespace Zeichen
