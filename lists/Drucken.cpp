#include "lists/Drucken.h"

#include "lists/Dateien.h"
#include "trainer/Programm.h"
#include "ui/Boxen.h"
#include "ui/Druckflaeche.h"

#include <QDir>
#include <QWidget>

namespace {

QString satzanfang(QString s)
{
    if (!s.isEmpty())
        s[0] = s.at(0).toUpper();
    return s;
}

} // namespace

void drucken(Programm &p, QWidget &fenster, const Druckauftrag &a, const std::function<void(Druckflaeche &)> &seiten)
{
    Boxen &boxen = p.boxen();
    std::unique_ptr<Druckflaeche> flaeche = p.druckflaeche ? p.druckflaeche() : Druckflaeche::standardDrucker();
    QString pdf;
    if (!flaeche) {
        const QString name = Dateien::freierName(p.arbeitsordner(), a.stamm, QStringLiteral("PDF"));
        pdf = p.datei(name);
        if (!boxen.frage(QStringLiteral("Es ist kein Drucker eingerichtet.\r"
                                        "Soll %1 stattdessen als PDF-Datei \"%2\" "
                                        "im Arbeitsordner gespeichert werden?\r")
                             .arg(a.was, name),
                         a.titel))
            return;
        flaeche = Druckflaeche::pdfDatei(pdf, Dateien::bytesSchreiben);
    }
    if (!flaeche->beginnen()) {
        boxen.meldung(flaeche->fehler() + QStringLiteral("\rEs wurde nichts gedruckt."), a.titel, Knoepfe::OK,
                      Symbol::Stop);
        return;
    }
    fenster.setCursor(Qt::WaitCursor);
    seiten(*flaeche);
    const bool gut = flaeche->beenden();
    fenster.unsetCursor();

    const QString was = satzanfang(a.was);
    if (!gut)
        boxen.meldung(flaeche->fehler() + QStringLiteral("\r%1 wurde nicht %2.")
                                              .arg(was, pdf.isEmpty() ? QStringLiteral("gedruckt")
                                                                      : QStringLiteral("gespeichert")),
                      a.titel, Knoepfe::OK, Symbol::Stop);
    else if (!pdf.isEmpty())
        boxen.meldung(QStringLiteral("%1 wurde als PDF-Datei gespeichert:\r%2\r").arg(was, QDir::toNativeSeparators(pdf)),
                      a.titel, Knoepfe::OK, Symbol::Information);
    else
        boxen.meldung(a.laeuft, a.titel);
}
