#pragma once

#include <QString>

/// How the trainer writes letters and numbers, the same in every window and
/// every file. No locale is asked.
namespace Schreibung {

/// Case conversion by the trainer's one rule: "a"-"z" and "ä", "ö", "ü" turn
/// into their capitals and back; "ß" has no capital and stays; every other
/// character stays as it is.
QChar gross(QChar c);
QChar klein(QChar c);
QString gross(const QString &text);
QString klein(const QString &text);

/// A number as it is composed into a message, a caption or a file record:
/// one leading blank in the place of the sign (" 20", "-3").
QString zahl(long long n);

} // namespace Schreibung
