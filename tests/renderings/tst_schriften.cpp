// The fonts the program brings along: made by the generator, loaded, printed, shaped like the base font.
#include "support/Testprogramm.h"

#include "ui/Druckflaeche.h"
#include "windows/Form8.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
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

/// The outline drawn into a fixed frame (baseline 250 pixels down).
QImage raster(const QPainterPath &p)
{
    QImage bild(500, 400, QImage::Format_Grayscale8);
    bild.fill(0);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.translate(100, 250);
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
        ausfuehren(kPython, {quelle(QStringLiteral("resources/fonts/schriften.py")), m_neu.path()}, &m_erzeugt);
    }

    // Each font: the generator's bytes, registered once, all of Windows-1252 and "ẞ", embedded when printed.
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

        Testprogramm t, zweites;
        QFont fett(name);
        fett.setBold(true);
        QVERIFY(QFontInfo(QFont(name)).family() == name && QFontInfo(fett).styleName() == u("Bold"));
        QCOMPARE(QFontDatabase::families().count(name), 1);
        for (const char *n : {"Arial", "Comic Sans MS", "MS Sans Serif"})  // the stand-in where these are missing
            QVERIFY(QFontDatabase::families().contains(u(n)) || QFontInfo(QFont(u(n))).family() == u("Fibel"));

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
        QStringList eingebettet;  // columns: name, type, encoding, emb, sub, uni, object ID
        for (const QString &zeile : schriften.split(QLatin1Char('\n')).mid(2))
            if (const QStringList s = zeile.simplified().split(QLatin1Char(' ')); s.size() >= 7 && s.at(s.size() - 5) == u("yes"))
                eingebettet << s.at(0).section(QLatin1Char('+'), -1);
        // Besides it only the display font of the blank and underscore lines.
        QVERIFY2(eingebettet.size() == 2 && eingebettet.filter(name).size() == 1, qPrintable(schriften));
    }

    // Every letter against the base font: Spiegel draws it reflected, Abgedeckt cuts it at half the
    // x-height (y grows downwards), Wortruinen break part of its ink out, Anlaut has a picture for each capital.
    void umrisseDerUebungsschriften()
    {
        const QRawFont spiegel = eigene(QStringLiteral("tpospiegel")), halb = eigene(QStringLiteral("tpohalb"));
        const QRawFont ruinen = eigene(QStringLiteral("tpofenster")), bilder = eigene(QStringLiteral("Anlaut"));
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
            if (p.isEmpty() || p.boundingRect().bottom() > 1 - m_basis.xHeight() / 2)
                fehler << z + u(" abgedeckt");
            const QImage ganz = raster(umriss(m_basis, c));
            const double anteil = double(tinte(raster(umriss(ruinen, c)))) / tinte(ganz);
            if (anteil < 0.45 || anteil > 0.90)
                fehler << z + QStringLiteral(" Ruine %1").arg(anteil);
            if (QChar(c).isLower() || c == U'ẞ')
                continue;
            const QImage bild = raster(umriss(bilder, c));
            if (bild != raster(umriss(bilder, QChar(c).toLower().unicode())) || bildGesehen.contains(bild)
                || tinte(bild) < 2000 || tinte(bild, ganz) < tinte(bild) / 4)
                fehler << z + u(" kein eigenes Bild");
            bildGesehen << bild;
        }
        // The stand-in keeps I, l and 1 apart: shapes, each drawn from the corner of its own box.
        QList<QImage> il1;
        for (char32_t c : {U'I', U'l', U'1'}) {
            const QPainterPath p = umriss(eigene(QStringLiteral("Fibel")), c);
            il1 << raster(p.translated(-p.boundingRect().topLeft() - QPointF(0, 200)));
        }
        for (int i = 0; i < 3; ++i)
            if (tinte(il1[i], il1[(i + 1) % 3]) + tinte(il1[(i + 1) % 3], il1[i]) <= tinte(il1[i]) / 5)
                fehler << zeichen(U"Il1"[i]) + u(" wie ") + zeichen(U"Il1"[(i + 1) % 3]);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u(", "))));
    }

    // The settings name the letters of the word list a font lacks: for the preview while it
    // is shown, for a font assigned to a sample until the list no longer needs them.
    void fehlendeBuchstabenWerdenGenannt()
    {
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
        // Once shown, the list holds every font, the preview the first.
        e.Zeit1_Timer();
        QVERIFY(e.Liste1->eintraege() == QFontDatabase::families() && !e.Zeit1->isActive());
        QVERIFY(e.Bezeichnung2->FontName() == e.Liste1->List(0) && t.f1().Bezeichnung2->Caption().isEmpty());
        const auto vorschau = [&e](const QString &name) { e.Liste1->setListIndex(int(e.Liste1->eintraege().indexOf(name))); };
        const QString hinweis = u("Der Schrift „Ohneumlaute“ fehlen Buchstaben der Wortliste: ä ß Ö");
        vorschau(u("Ohneumlaute"));
        QCOMPARE(e.Schrifthinweis->Caption(), hinweis);
        // Assigned to a sample, it is still named while another font is previewed.
        e.Bezeichnung4_Click();
        vorschau(u("Fibel"));
        QCOMPARE(e.Schrifthinweis->Caption(), hinweis);
        t.liste({u("Haus"), u("Maus-Falle")}, true);
        e.Form_Activate();
        QCOMPARE(e.Schrifthinweis->Caption(), QString());
    }
};

QTEST_MAIN(TestSchriften)
#include "tst_schriften.moc"
