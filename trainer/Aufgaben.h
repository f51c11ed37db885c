#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Zufall;

/// Rules of the task cycle without any window. The word list is passed as
/// its size and a function that returns entry i (0-based), so a list of a
/// hundred thousand words is not copied for every task.
namespace Aufgaben {

using Eintrag = std::function<QString(int index)>;

/// How many words the candidate list shows at most.
constexpr int Kandidatenzahl = 20;

/// The candidate list for the word just drawn. A list of fewer than twenty
/// entries is offered whole. Otherwise the list starts with `loesungswort`
/// and takes words drawn at random, each word once, until it holds twenty;
/// after 400 draws that found only words already taken, the rest is drawn
/// from the words not taken yet, until there are twenty or none is left.
QStringList kandidaten(int anzahl, const Eintrag &eintrag, const QString &loesungswort, Zufall &zufall);

/// The index of the first entry that equals `wort` once both are turned
/// into capitals; -1 when there is none (or `wort` is empty).
int vorhanden(int anzahl, const Eintrag &eintrag, const QString &wort);

} // namespace Aufgaben
