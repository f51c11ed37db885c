#pragma once

#include <QString>

/// Case conversion by the trainer's one rule: "a"-"z" and "ä", "ö", "ü" turn
/// into their capitals and back; "ß" has no capital and stays; every other
/// character stays as it is. No locale is asked.
namespace Schreibung {
QChar gross(QChar c);
QChar klein(QChar c);
QString gross(const QString &text);
QString klein(const QString &text);
} // namespace Schreibung
