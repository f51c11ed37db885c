#pragma once

#include <QString>
#include <QStringList>

/// The line format of the best lists, without any window or file.

/// How many entries a best list keeps on disk.
constexpr int BestenlisteGroesse = 50;

/// The entry for a score and a name: the last four digits of the score,
/// padded with zeros, two blanks, the name.
QString BestenEintrag(qint64 score, const QString &name);

/// The entries stored in best-list file text: one per line, blanks in front
/// skipped, a value in double quotes taken without its quotes; empty lines
/// are dropped. A name with a comma stays one entry.
QStringList BestenlisteEintraege(const QString &text);
