// The main window's small commands: mode, name, list sizes, information boxes,
// help and program information.
#include "windows/Form1.h"

#include "lists/Dateien.h"
#include "ui/Boxen.h"
#include "windows/Form7.h"
#include "windows/Programm.h"
#include "windows/TPOLABEL.h"

void Form1::Bild26_Click()
{
    MODUL1 &m = programm().modul;
    m.Lesemodus = 1;
    Bild26->hide();
    Bild25->show();
    Bild10->setPicture(Bild25->Picture());
    m.Leeren();
    m.NaechsteAufgabe();
}

void Form1::Bild25_Click()
{
    MODUL1 &m = programm().modul;
    m.Lesemodus = 0;
    Bild26->show();
    Bild25->hide();
    Bild10->setPicture(Bild26->Picture());
    m.Leeren();
    m.NaechsteAufgabe();
}

void Form1::Bild23_Click()
{
    Boxen &boxen = programm().boxen();
    QString name = boxen.eingabe(QStringLiteral("Neuer Name:"), QStringLiteral("Eingabe"), QStringLiteral("Freund"));
    // A pasted line break or NUL would become extra lines in the best lists.
    name.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
    if (name.isEmpty())
        return;
    // The name goes into the log, the best lists and file names, all
    // Windows-1252: a character without a byte there would turn two
    // children into one, so such a name is not taken.
    name = Dateien::zusammensetzen(name);
    QByteArray bytes;
    QChar zeichen;
    if (!Dateien::kodieren(name, bytes, &zeichen)) {
        const qsizetype i = name.indexOf(zeichen);
        const QString ganz = zeichen.isHighSurrogate() ? name.mid(i, 2) : QString(zeichen);
        boxen.meldung(QStringLiteral("Der Name \"%1\" enthält das Zeichen \"%2\", das das Programm nicht "
                                     "speichern kann.\rBitte den Namen ohne dieses Zeichen eingeben.")
                          .arg(name, ganz),
                      QStringLiteral("Eingabe"), Knoepfe::OK, Symbol::Information);
        return;
    }
    Bezeichnung7->setCaption(name);
}

void Form1::Bezeichnung27_Click()
{
    Liste2->setFontSize(8.25);
    Liste2->setHoehe(5295);
}

void Form1::Bezeichnung28_Click()
{
    Liste2->setFontSize(9.75);
    Liste2->setHoehe(5310);
}

void Form1::Bezeichnung29_Click()
{
    Liste2->setFontSize(12);
    Liste2->setHoehe(5430);
}

void Form1::Bild21_Click()
{
    programm().boxen().meldung(QStringLiteral("Schreibe dieses Wort ab!\r"), QStringLiteral("Befehlsfenster"));
}

void Form1::Bild10_Click()
{
    programm().boxen().meldung(QStringLiteral("Hier stehen deine Eingaben!\r"), QStringLiteral("Schreibfenster"));
}

void Form1::Bild13_Click()
{
    programm().boxen().meldung(QStringLiteral("Unter der Ampel kannst du den\raktiven Programmteil ablesen."),
                               QStringLiteral("Programmteil"), Knoepfe::OK, Symbol::Information);
}

void Form1::Bild7_Click()
{
    programm().modul.Hilfethema = 1;
    programm().form7().zeigen();
}

void Form1::Bild16_Click()
{
    verbergen();
    programm().tpolabel().zeigen();
}
