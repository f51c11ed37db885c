#include "lists/Arbeitsordner.h"

#include "lists/Dateien.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryFile>

namespace Arbeitsordner {

Aufruf aufrufLesen(const QStringList &argumente)
{
    Aufruf a;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString &arg = argumente.at(i);
        if (arg == QLatin1String("--ordner")) {
            if (i + 1 < argumente.size())
                a.ordner = argumente.at(++i);
            else
                a.fehler << QStringLiteral("Nach --ordner fehlt der Name des Ordners.");
        } else if (arg.startsWith(QLatin1String("--ordner="))) {
            a.ordner = arg.mid(9);
        } else if (arg == QLatin1String("--probelauf")) {
            a.probelauf = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.hilfe = true;
        } else {
            a.fehler << QStringLiteral("Die Angabe \"%1\" kennt Tippolo nicht; sie wird übergangen.").arg(arg);
        }
    }
    return a;
}

QString hilfetext()
{
    return QStringLiteral(
        "Aufruf: tippolo [--ordner ORDNER]\n"
        "\n"
        "Tippolo arbeitet in einem Ordner: dort liegen die Wortlisten (*.TXT), die\n"
        "Einstellungen (TIPPOLO.INI), die Bestenlisten und das Übungsprotokoll.\n"
        "\n"
        "  --ordner ORDNER  in diesem Ordner arbeiten\n"
        "  --probelauf      starten, das Hauptfenster melden und wieder beenden\n"
        "  --help           diesen Text zeigen\n"
        "\n"
        "Ohne --ordner gilt die Umgebungsvariable TIPPOLO_ORDNER, sonst eine Zeile\n"
        "\"Ordner=...\" in /etc/tippolo.conf, sonst ${XDG_DATA_HOME:-~/.local/share}/tippolo.\n");
}

Umgebung umgebung(const QString &systemdatei)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    Umgebung u;
    u.variable = env.value(QStringLiteral("TIPPOLO_ORDNER"));
    u.xdgDataHome = env.value(QStringLiteral("XDG_DATA_HOME"));
    u.home = QDir::homePath();
    QByteArray bytes;
    if (Dateien::einlesen(systemdatei, bytes, nullptr, 64 * 1024) == Dateien::Lesestand::Gelesen)
        u.systemweit = Dateien::dekodieren(bytes);
    return u;
}

QString systemweiterOrdner(const QString &text)
{
    QString ordner;
    for (const QString &zeile : QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'))) {
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich > 0 && zeile.left(gleich).trimmed().compare(QLatin1String("ordner"), Qt::CaseInsensitive) == 0)
            ordner = zeile.mid(gleich + 1).trimmed();
    }
    return ordner;
}

Zustand pruefen(const QString &ordner, bool anlegen)
{
    if (anlegen && !QFileInfo::exists(ordner))
        QDir().mkpath(ordner);
    if (!QFileInfo(ordner).isDir())
        return Zustand::Fehlt;
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral(".tippolo-XXXXXX")));
    return probe.open() ? Zustand::Beschreibbar : Zustand::NichtBeschreibbar;
}

namespace {

QString absolut(QString pfad, const QString &home)
{
    if (pfad == QLatin1String("~") || pfad.startsWith(QLatin1String("~/")))
        pfad.replace(0, 1, home);
    return QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
}

} // namespace

Wahl waehlen(const QString &befohlen, const Umgebung &u, const Pruefung &pruefung)
{
    // XDG: a relative XDG_DATA_HOME is to be ignored.
    const QString daten = QDir::isAbsolutePath(u.xdgDataHome) ? u.xdgDataHome
                                                              : u.home + QStringLiteral("/.local/share");
    Wahl w{absolut(daten + QStringLiteral("/tippolo"), u.home), QString()};

    QString genannt, quelle;
    if (!befohlen.isEmpty()) {
        genannt = befohlen;
        quelle = QStringLiteral("--ordner");
    } else if (!u.variable.isEmpty()) {
        genannt = u.variable;
        quelle = QStringLiteral("TIPPOLO_ORDNER");
    } else {
        genannt = systemweiterOrdner(u.systemweit);
        quelle = QStringLiteral("/etc/tippolo.conf");
    }
    if (!genannt.isEmpty()) {
        const QString ordner = absolut(genannt, u.home);
        switch (pruefung(ordner, false)) {
        case Zustand::Beschreibbar:
            return {ordner, QString()};
        case Zustand::Fehlt:
            w.meldung = QStringLiteral("Den Ordner \"%1\" (aus %2) gibt es nicht.\r").arg(ordner, quelle);
            break;
        case Zustand::NichtBeschreibbar:
            w.meldung = QStringLiteral("In den Ordner \"%1\" (aus %2) kann Tippolo nicht schreiben.\r")
                            .arg(ordner, quelle);
            break;
        }
        w.meldung += QStringLiteral("Tippolo arbeitet im Ordner \"%1\".\r").arg(w.ordner);
    }
    switch (pruefung(w.ordner, true)) {
    case Zustand::Beschreibbar:
        break;
    case Zustand::Fehlt:
        w.meldung += QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.\r"
                                    "Listen und Einstellungen können nicht gespeichert werden.\r")
                         .arg(w.ordner);
        break;
    case Zustand::NichtBeschreibbar:
        w.meldung += QStringLiteral("In den Ordner \"%1\" kann Tippolo nicht schreiben.\r"
                                    "Listen und Einstellungen können nicht gespeichert werden.\r")
                         .arg(w.ordner);
        break;
    }
    return w;
}

} // namespace Arbeitsordner
