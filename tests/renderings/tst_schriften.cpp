// The fonts the program brings along (the four exercise fonts and the
// stand-in): made by the generator, loaded at start-up, printed, and checked
// on their outlines against the base font.
#include "support/Testprogramm.h"

#include "ui/Druckflaeche.h"
#include "windows/Form7.h"
#include "windows/Form8.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString kBasis = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Bold.ttf");
const QString kPython = QStringLiteral("/usr/bin/python3");

QString quelle(const QString &pfad) { return QStringLiteral(TIPPOLO_QUELLE "/") + pfad; }

/// A font file at 200 pixels per em, for the outline checks.
QRawFont schrift(const QString &datei) { return QRawFont(dateiLesen(datei), 200); }
QRawFont eigene(const QString &name) { return schrift(QStringLiteral(":/fonts/%1.ttf").arg(name)); }
QString zeichen(char32_t c) { return QString::fromUcs4(&c, 1); }

/// The outline of one character, `gespiegelt` reflected within its advance.
QPainterPath umriss(const QRawFont &f, char32_t c, bool gespiegelt = false)
{
    const QList<quint32> g = f.glyphIndexesForString(zeichen(c));
    QPainterPath p = f.pathForGlyph(g.value(0));
    // Some letters of the base font are drawn with overlapping strokes.
    p.setFillRule(Qt::WindingFill);
    if (gespiegelt)
        p = QTransform(-1, 0, 0, 1, f.advancesForGlyphIndexes(g).value(0).x(), 0).map(p);
    return p;
}

/// The outline drawn into a fixed frame (baseline 250 pixels down), only
/// inside `nur` when given.
QImage raster(const QPainterPath &p, const QRectF &nur = QRectF())
{
    QImage bild(500, 400, QImage::Format_Grayscale8);
    bild.fill(0);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.translate(100, 250);
    if (nur.isValid())
        maler.setClipRect(nur);
    maler.fillPath(p, Qt::white);
    return bild;
}

/// Pixels inked in `a` but not in `ohne` (all of `a` without it).
int tinte(const QImage &a, const QImage &ohne = QImage())
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *z = a.constScanLine(y), *o = ohne.isNull() ? nullptr : ohne.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            n += z[x] > 127 && (!o || o[x] <= 127) ? 1 : 0;
    }
    return n;
}

/// The letters every font must draw as the base font's letters are shaped.
QList<char32_t> buchstaben()
{
    QList<char32_t> l;
    for (char32_t c = 'A'; c <= 'Z'; ++c)
        l << c << c + 32;
    return l << U'Ä' << U'Ö' << U'Ü' << U'ä' << U'ö' << U'ü' << U'ß' << U'ẞ';
}

/// Runs a program; its standard output, or a failure with what it said.
QByteArray ausfuehren(const QString &programm, const QStringList &argumente, bool *ok)
{
    QProcess p;
    p.start(programm, argumente);
    *ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!*ok)
        qWarning().noquote() << programm << argumente.join(' ') << p.errorString() << p.readAllStandardError();
    return p.readAllStandardOutput();
}

} // namespace

class TestSchriften : public QObject
{
    Q_OBJECT
    QTemporaryDir m_neu;
    bool m_erzeugt = false;
    QRawFont m_basis;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(kBasis), "fonts-sil-andika is not installed (./test.sh installs it).");
        m_basis = schrift(kBasis);
        // The generator runs once; the rows below compare its output.
        ausfuehren(kPython, {quelle(QStringLiteral("resources/fonts/schriften.py")), m_neu.path()}, &m_erzeugt);
    }

    // Each font file: the generator's bytes, registered at start-up and
    // listed in the settings, every character of Windows-1252 and "ẞ" drawn,
    // and embedded in the worksheet of its exercise.
    void uebungsschrift_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("uebung");  // 0: the stand-in, which no exercise uses
        for (const auto &[n, uebung] : QList<std::pair<const char *, int>>{
                 {"tpohalb", 1}, {"tpofenster", 10}, {"tpospiegel", 12}, {"Anlaut", 24}, {"Fibel", 0}, {"Fibel-Fett", 0}})
            QTest::newRow(n) << QString::fromLatin1(n) << uebung;
    }
    void uebungsschrift()
    {
        QFETCH(QString, datei);
        QFETCH(int, uebung);
        const QString name = datei.section(QLatin1Char('-'), 0, 0);
        QVERIFY2(m_erzeugt, "The generator failed; it needs python3-fontforge (./test.sh installs it).");
        const QByteArray gespeichert = dateiLesen(quelle(QStringLiteral("resources/fonts/%1.ttf").arg(datei)));
        QVERIFY2(gespeichert.size() > 10000 && dateiLesen(m_neu.filePath(datei + QStringLiteral(".ttf"))) == gespeichert,
                 "The committed font differs from what the generator makes today.");
        // What the program carries is the committed file.
        QVERIFY(dateiLesen(QStringLiteral(":/fonts/%1.ttf").arg(datei)) == gespeichert);

        Testprogramm t;
        QFont fett(name);
        fett.setBold(true);
        QVERIFY(QFontInfo(QFont(name)).family() == name && QFontInfo(fett).styleName() == u("Bold"));
        // The settings list every font once filled, the preview in the one chosen.
        Form8 &e = t.programm->form8();
        e.Zeit1_Timer();
        QVERIFY(e.Liste1->eintraege() == QFontDatabase::families() && e.Liste1->eintraege().contains(name) && !e.Zeit1->isActive());
        QVERIFY(e.Bezeichnung2->FontName() == e.Liste1->List(0) && t.f1().Bezeichnung2->Caption().isEmpty());
        e.Liste1->setListIndex(int(e.Liste1->eintraege().indexOf(name)));
        QCOMPARE(e.Bezeichnung2->FontName(), name);
        // A second program in the same process registers nothing twice.
        Testprogramm zweites;
        QCOMPARE(QFontDatabase::families().count(name), 1);

        const QRawFont f = eigene(datei);
        QByteArray cp1252;
        for (int b = 0x20; b <= 0xFF; ++b)
            cp1252 += char(b);
        QString fehlt;
        for (QChar z : QStringDecoder("windows-1252").decode(cp1252) + u("ẞ"))
            if (z.category() != QChar::Other_Control && z != QChar::ReplacementCharacter && !f.supportsCharacter(z))
                fehlt += z;
        QVERIFY2(f.isValid() && fehlt.isEmpty(), qPrintable(fehlt));
        if (uebung == 0)
            return;

        t.f1().Befehl[uebung - 1]->click();
        const QString pfad = t.programm->datei(QStringLiteral("blatt.pdf"));
        t.programm->druckflaeche = [pfad] { return Druckflaeche::pdfDatei(pfad); };
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        bool ok = false;
        const QString schriften = QString::fromUtf8(ausfuehren(QStringLiteral("pdffonts"), {pfad}, &ok));
        QVERIFY2(ok, "pdffonts failed (poppler-utils; ./test.sh installs it).");
        QStringList eingebettet;
        for (const QString &zeile : schriften.split(QLatin1Char('\n')).mid(2)) {
            const QStringList spalten = zeile.simplified().split(QLatin1Char(' '));
            // name, type, encoding, emb, sub, uni, object ID
            if (spalten.size() >= 7 && spalten.at(spalten.size() - 5) == QLatin1String("yes"))
                eingebettet << spalten.at(0).section(QLatin1Char('+'), -1);
        }
        QVERIFY2(eingebettet.filter(name).size() == 1, qPrintable(schriften));
        // The blank and underscore lines stay in the display font.
        QCOMPARE(eingebettet.size(), 2);
    }

    // The outlines of every letter against the base font's: Spiegel draws it
    // reflected, Abgedeckt cuts it at one line (half the x-height; y grows
    // downwards), Wortruinen break part of its ink out but never from a dot
    // or accent, Anlaut draws one picture of its own for the capital and the
    // small letter, or the letter itself in a frame, in its own case.
    void umrisseDerUebungsschriften()
    {
        const QRawFont spiegel = eigene(QStringLiteral("tpospiegel")), halb = eigene(QStringLiteral("tpohalb"));
        const QRawFont ruinen = eigene(QStringLiteral("tpofenster")), bilder = eigene(QStringLiteral("Anlaut"));
        const qreal linie = -m_basis.xHeight() / 2;
        QStringList fehler;
        QList<QImage> bildGesehen;
        for (char32_t c : buchstaben() + QList<char32_t>{U'1', U'7', U'?'}) {
            const QString z = zeichen(c);
            const QImage soll = raster(umriss(m_basis, c, true)), gespiegelt = raster(umriss(spiegel, c));
            if (tinte(soll) == 0 || tinte(soll, gespiegelt) + tinte(gespiegelt, soll) > tinte(soll) / 50)
                fehler << z + u(" gespiegelt");
            if (!QChar(c).isLetter())
                continue;
            const QPainterPath p = umriss(halb, c);
            if (p.isEmpty() || p.boundingRect().bottom() > linie + 1)
                fehler << z + QStringLiteral(" unten bei %1").arg(p.boundingRect().bottom());
            const QImage ganz = raster(umriss(m_basis, c));
            const double anteil = double(tinte(raster(umriss(ruinen, c)))) / tinte(ganz);
            if (anteil < 0.45 || anteil > 0.90)
                fehler << z + QStringLiteral(" Ruine %1").arg(anteil);
            if (QChar(c).isLower() || c == U'ẞ' || c == U'ß')
                continue;
            const QImage bild = raster(umriss(bilder, c));
            if (bild != raster(umriss(bilder, QChar(c).toLower().unicode())) || bildGesehen.contains(bild)
                || tinte(bild) < 2000 || tinte(bild, ganz) < tinte(bild) / 4)
                fehler << z + u(" kein eigenes Bild");
            bildGesehen << bild;
        }
        // Above the letter's own height lie only its dots and accents.
        for (const QChar c : u("äöüÄÖÜijàéêîñòûÿÅÉÎÑÒÛŸšŽ")) {
            const int zeile = 250 - qCeil((c.isLower() ? m_basis.xHeight() : m_basis.capHeight()) + 2);
            const QImage ganz = raster(umriss(m_basis, c.unicode())).copy(0, 0, 500, zeile);
            if (tinte(ganz) < 200 || tinte(ganz, raster(umriss(ruinen, c.unicode())).copy(0, 0, 500, zeile)) > tinte(ganz) / 100)
                fehler << QString(c) + u(" Zeichen beschädigt");
        }
        // A framed letter: the base font's letter, in the middle of the
        // frame (its inner box a tenth of the frame's size inside).
        for (const QChar c : u("ßẞæÆøØ")) {
            const QPainterPath bild = umriss(bilder, c.unicode()), soll = umriss(m_basis, c.unicode());
            const QRectF r = bild.boundingRect(), a = soll.boundingRect();
            const QRectF innen = r.adjusted(r.width() / 9.2, r.height() / 9.2, -r.width() / 9.2, -r.height() / 9.2);
            const qreal mass = std::min({innen.width() / a.width(), innen.height() / a.height(), 1.0});
            const QPointF mitte = innen.center() - mass * a.center();
            const QImage eingepasst = raster(QTransform(mass, 0, 0, mass, mitte.x(), mitte.y()).map(soll));
            const QImage ist = raster(bild, innen);
            if (tinte(eingepasst, ist) + tinte(ist, eingepasst) > tinte(eingepasst) / 20)
                fehler << QString(c) + u(" nicht im Rahmen");
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u(", "))));
    }

    // Where the sans-serif fonts the program names are missing, the stand-in
    // takes their place; whichever font it is, I, l and 1 look different.
    void ersatzschriftUnterscheidetIl1()
    {
        Testprogramm t;
        for (const char *n : {"Arial", "Comic Sans MS", "MS Sans Serif"}) {
            QFont f(QString::fromLatin1(n));
            f.setPixelSize(200);
            QVERIFY(QFontDatabase::families().contains(f.family()) || QFontInfo(f).family() == u("Fibel"));
            QList<QImage> b;  // each drawn from the corner of its own box: shapes, not places
            for (char32_t c : {U'I', U'l', U'1'}) {
                const QPainterPath p = umriss(QRawFont::fromFont(f), c);
                b << raster(p.translated(-p.boundingRect().topLeft() - QPointF(0, 200)));
            }
            for (int i = 0; i < 3; ++i)
                QVERIFY2(tinte(b[i], b[(i + 1) % 3]) + tinte(b[(i + 1) % 3], b[i]) > tinte(b[i]) / 5, n);
        }
    }

    // The settings' help page names the picture words ("A Apfel, Ä Ähre, …") of the generator's table.
    void bildwoerterInDerHilfe()
    {
        const QString generator = QString::fromUtf8(dateiLesen(quelle(QStringLiteral("resources/fonts/schriften.py"))));
        QStringList tabelle;
        for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("\"(\\w)\": \\(\"(\\w+)\""),
                                                                   QRegularExpression::UseUnicodePropertiesOption)
                                                    .globalMatch(generator))
            tabelle << m.captured(1) + QLatin1Char(' ') + m.captured(2);
        QVERIFY(tabelle.size() == 29 && Form7::Seite(2).join(QLatin1Char(' ')).simplified().contains(tabelle.join(u(", "))));
    }

    // For a font without umlauts and ß the settings name the letters of
    // the word list it lacks: for the preview while it is shown, for a font
    // assigned to a sample until the list no longer needs them.
    void fehlendeBuchstabenWerdenGenannt()
    {
        // A font without umlauts and ß, made from the base font.
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath(QStringLiteral("ohne.ttf"));
        bool ok = false;
        ausfuehren(kPython, {QStringLiteral("-c"),
                             QStringLiteral("import fontforge, sys\n"
                                            "f = fontforge.open(sys.argv[1])\n"
                                            "for c in 'äöüÄÖÜßẞ': f.removeGlyph(f[ord(c)])\n"
                                            "f.familyname = f.fontname = f.fullname = 'Ohneumlaute'\n"
                                            "f.sfnt_names = ()\n"
                                            "f.generate(sys.argv[2])\n"),
                             kBasis, ziel},
                   &ok);
        QVERIFY(ok && QFontDatabase::addApplicationFont(ziel) >= 0);

        Testprogramm t;
        t.liste({u("Öl"), u("Bär"), u("Fuß"), u("Bälle")}, true);
        Form8 &e = t.programm->form8();
        e.Form_Activate();
        QCOMPARE(e.Schrifthinweis->Caption(), QString());
        const auto vorschau = [&e](const QString &name) {
            e.Liste1->AddItem(name);
            e.Liste1->setListIndex(e.Liste1->eintraege().indexOf(name));
            e.Liste1_Click();
        };
        const QString hinweis = u("Der Schrift „Ohneumlaute“ fehlen Buchstaben der Wortliste: ä ß Ö");
        vorschau(u("Ohneumlaute"));
        QCOMPARE(e.Schrifthinweis->Caption(), hinweis);
        vorschau(u("Arial"));
        QCOMPARE(e.Schrifthinweis->Caption(), QString());
        vorschau(u("Ohneumlaute"));
        e.Bezeichnung4_Click();
        vorschau(u("Arial"));
        QCOMPARE(e.Schrifthinweis->Caption(), hinweis);
        t.liste({u("Haus"), u("Maus-Falle")}, true);
        e.Form_Activate();
        QCOMPARE(e.Schrifthinweis->Caption(), QString());
    }
};

QTEST_MAIN(TestSchriften)
#include "tst_schriften.moc"
