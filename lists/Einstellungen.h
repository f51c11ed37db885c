#pragma once

#include <QString>
#include <QStringList>

/// The records of the settings file "TIPPOLO.INI": the reward interval,
/// the eight font names and the lock of the file browser, one record a line.
///
/// The window that holds the settings while the program runs is not needed
/// here: reading turns the file's text into these values, writing turns
/// them into the ten lines.
struct Einstellungen
{
    /// Number of font records (records 2 to 9).
    static constexpr int kSchriften = 8;

    int wortmenge = 20;
    /// Font names in file order: Anzeigeschrift, AbgedecktSchrift,
    /// Druckschrift, WortruinenSchrift, SpiegelSchrift, Schreibschrift,
    /// BildwoerterSchrift, WoerterlisteSchrift.
    QStringList schriften = QStringList(kSchriften, QStringLiteral("Arial"));
    int sperre = 0;

    /// The values of a newly written file: "Arial" for all fonts but the
    /// four exercise fonts (records 3, 5, 6, 8: "tpohalb", "tpofenster",
    /// "tpospiegel", "Anlaut"); the lock keeps its current value.
    static Einstellungen standard(int sperre);

    /// Reads the ten records from the file's text. Returns false when the
    /// text ends before record 10 or record 10 is not 0, 1 or 2; the values
    /// are then unchanged. A record 1 that is not a number of at least 1
    /// (after rounding to a whole number) reads as 20.
    bool lesen(const QString &text);

    /// The ten lines of the file, numbers with a blank in front and behind.
    QStringList zeilen() const;
};

/// The number a text begins with (leading blanks skipped; sign, digits, a
/// point as decimal separator, an exponent). `gefunden` tells whether there
/// was one; without one the result is 0.
double zahlAmAnfang(const QString &text, bool *gefunden = nullptr);
