#include "trainer/Aufgaben.h"

#include "basis/Zufall.h"
#include "renderings/Schreibung.h"

#include <QSet>

namespace Aufgaben {

QStringList kandidaten(int anzahl, const Eintrag &eintrag, const QString &loesungswort, Zufall &zufall)
{
    if (anzahl < Kandidatenzahl) {
        QStringList alle;
        alle.reserve(anzahl);
        for (int i = 0; i < anzahl; ++i)
            alle << eintrag(i);
        return alle;
    }
    QStringList liste{loesungswort};
    // Random draws as long as they find new words quickly; a list with few
    // distinct words is then finished from the words not drawn yet, and
    // stops when there are none.
    int fehlversuche = 0;
    while (liste.size() < Kandidatenzahl && fehlversuche < 400) {
        const QString w = eintrag(zufall.index(anzahl));
        if (liste.contains(w))
            ++fehlversuche;
        else
            liste << w;
    }
    if (liste.size() < Kandidatenzahl) {
        QStringList rest;
        QSet<QString> gesehen(liste.begin(), liste.end());
        for (int i = 0; i < anzahl; ++i) {
            const QString w = eintrag(i);
            if (!gesehen.contains(w)) {
                gesehen.insert(w);
                rest << w;
            }
        }
        while (liste.size() < Kandidatenzahl && !rest.isEmpty())
            liste << rest.takeAt(zufall.index(static_cast<int>(rest.size())));
    }
    return liste;
}

int vorhanden(int anzahl, const Eintrag &eintrag, const QString &wort)
{
    if (wort.isEmpty())
        return -1;
    const QString gesucht = Schreibung::gross(wort);
    for (int i = 0; i < anzahl; ++i)
        if (Schreibung::gross(eintrag(i)) == gesucht)
            return i;
    return -1;
}

} // namespace Aufgaben
