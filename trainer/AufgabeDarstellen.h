#pragma once

class Sitzung;

/// The rendering dispatch: turns `Loesungswort` into `Anzeigetext` for the
/// selected exercise `Uebung`, with the side effects of its type (the task
/// display's font for types 1, 10, 12 and 24; the emptied candidate list and
/// input line of type 20; the message of type 14 for a word that is too
/// long). For any number outside 1..28 nothing happens.
void AufgabeDarstellen(Sitzung &sitzung);
