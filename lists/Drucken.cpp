#include "lists/Drucken.h"

#include "lists/Dateien.h"
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

void drucken(const Druckziel &ziel, QWidget &fenster, const Druckauftrag &a,
             const std::function<void(Druckflaeche &)> &seiten)
{
    Boxen &boxen = ziel.boxen;
    const QDir ordner(ziel.arbeitsordner);
    std::unique_ptr<Druckflaeche> flaeche = ziel.druckflaeche ? ziel.druckflaeche() : Druckflaeche::standardDrucker();
    QString pdf, gefragt;
    if (!flaeche) {
        gefragt = Dateien::freierName(ziel.arbeitsordner, a.stamm, QStringLiteral("PDF"));
        if (!boxen.frage(QStringLiteral("Es ist kein Drucker eingerichtet.\r"
                                        "Soll %1 stattdessen als PDF-Datei \"%2\" "
                                        "im Arbeitsordner gespeichert werden?\r")
                             .arg(a.was, gefragt),
                         a.titel))
            return;
        pdf = ordner.filePath(gefragt);
        // The name is taken only when the file is written: another program
        // on the same folder may have written a PDF since the question.
        flaeche = Druckflaeche::pdfDatei(pdf, [&](const QString &, const QByteArray &inhalt, QString *fehler) {
            const QString name = Dateien::neueDatei(ziel.arbeitsordner, gefragt, a.stamm, QStringLiteral("PDF"), inhalt, fehler);
            if (!name.isEmpty())
                pdf = ordner.filePath(name);
            return !name.isEmpty();
        });
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
        boxen.meldung(QStringLiteral("%1 wurde als PDF-Datei gespeichert:\r%2\r").arg(was, QDir::toNativeSeparators(pdf)) +
                          (pdf == ordner.filePath(gefragt) ? QString()
                                                   : QStringLiteral("Den Namen \"%1\" hat inzwischen eine andere Datei.\r")
                                                         .arg(gefragt)),
                      a.titel, Knoepfe::OK, Symbol::Information);
    else
        boxen.meldung(a.laeuft, a.titel);
}
