#include "lists/Form8.h"

#include "trainer/Programm.h"
#include "ui/Twips.h"

Form8::Form8(Programm &programm)
    : Fenster(programm, QStringLiteral("Form8"), QStringLiteral("Tippolo: Einstellungen"), 9600, 6600)
{
    auto muster = [this](const char *name, const char *schrift, int y) {
        auto *b = new Bezeichnung(this, QString::fromLatin1(name), QStringLiteral("Beispielwort"));
        b->setSchrift(QString::fromLatin1(schrift), 12, true);
        Twips::setzen(b, 120, y, 2400, 375);
        return b;
    };
    Bezeichnung9 = muster("Bezeichnung9", "Arial", 900);
    Bezeichnung12 = muster("Bezeichnung12", "Comic Sans MS", 1500);
    Bezeichnung15 = muster("Bezeichnung15", "Lateinaus", 2100);
    Bezeichnung20 = muster("Bezeichnung20", "MS Sans Serif", 2700);
    Bezeichnung11 = muster("Bezeichnung11", "tpohalb", 3300);
    Bezeichnung18 = muster("Bezeichnung18", "Anlaut", 3900);
    Bezeichnung14 = muster("Bezeichnung14", "tpospiegel", 4500);
    Bezeichnung13 = muster("Bezeichnung13", "tpofenster", 5100);
    Kontroll1 = new Kontrollkaestchen(this, QStringLiteral("Kontroll1"), QStringLiteral("Laufwerke und Ordner sperren"));
    Twips::setzen(Kontroll1, 6000, 120, 3400, 300);
    Kontroll1->setValue(0);
    Liste2 = new Liste(this, QStringLiteral("Liste2"), true, true);
    Liste2->setTwips(6600, 900, 2800, 5000);
}

Form8::~Form8() = default;

void Form8::Form_Load()
{
    zentrieren();
}
