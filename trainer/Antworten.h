#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

/// The rules of answer checking and progress, without any window: which keys
/// are letters, which letter is expected next, and the texts of the progress
/// message, the solution box and the evaluation.
namespace Antworten {

/// The letters a child can type: A-Z, a-z, the umlauts and "ß".
bool istBuchstabe(QChar c);
/// The same for one whole character (one or two UTF-16 units).
bool istBuchstabe(QStringView zeichen);

/// The letter expected after `eingabe`: the character of `loesung` at
/// position length(eingabe) + 1; empty when `eingabe` is as long as the
/// solution or longer. Lengths and positions count whole characters, so a
/// character outside the Basic Multilingual Plane is expected whole.
QString erwarteterBuchstabe(const QString &loesung, const QString &eingabe);

/// Words still needed for the next reward once the word just completed is
/// counted; 0 when that word makes the reward due. `loesungen` does not yet
/// include the word just completed.
int restBisBelohnung(int wortmenge, int loesungen);

/// The progress message for `rest` words still needed (rest > 0).
QString fortschrittsText(int rest);

/// The solution word spelt out: every whole character followed by one blank.
QString buchstabiert(const QString &wort);

/// The verdict for fehler / loesungen * 100 (loesungen > 0). A value exactly
/// on a band limit gets the verdict of the band above; 60 and more (also 99
/// and more) get "Du musst viel mehr üben!".
QString urteil(int fehler, int loesungen);

/// The whole evaluation prompt: percentage, two line breaks (LF CR each) and
/// the verdict.
QString auswertungsText(int fehler, int loesungen);

} // namespace Antworten
