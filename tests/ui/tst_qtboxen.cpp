// The real message and input boxes, set up as they are shown but never
// shown: German buttons, default and Escape button, line breaks, symbols.
// Runs on a screen scaled by two, where a symbol must come out sharp.
#include "ui/Boxen.h"

#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class TestQtBoxen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void knoepfe_data();
    void knoepfe();
    void zeilenumbrueche();
    void symbole_data();
    void symbole();
    void eingabebox();
};

static QStringList beschriftungen(const QMessageBox &box)
{
    QStringList l;
    for (QAbstractButton *b : box.buttons())
        l << b->text();
    l.sort();
    return l;
}

void TestQtBoxen::knoepfe_data()
{
    QTest::addColumn<int>("knoepfe");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("texte");
    QTest::addColumn<QString>("vorgabe");
    QTest::addColumn<QString>("escape");
    QTest::newRow("OK") << int(Knoepfe::OK) << int(Antwort::OK) << QStringList{"OK"} << "OK" << "OK";
    QTest::newRow("Ja/Nein, Nein vorgegeben")
        << int(Knoepfe::JaNein) << int(Antwort::Nein) << QStringList{"Ja", "Nein"} << "Nein" << "Nein";
    QTest::newRow("Ja/Nein, Ja vorgegeben")
        << int(Knoepfe::JaNein) << int(Antwort::Ja) << QStringList{"Ja", "Nein"} << "Ja" << "Nein";
}

void TestQtBoxen::knoepfe()
{
    QFETCH(int, knoepfe);
    QFETCH(int, standard);
    QFETCH(QStringList, texte);
    QFETCH(QString, vorgabe);
    QFETCH(QString, escape);
    QMessageBox box;
    QtBoxen::meldungEinrichten(box, QStringLiteral("Dieses Programm jetzt beenden?\r"),
                               QStringLiteral("TIPPOLO, Release 13.08.2005"), Knoepfe(knoepfe), Symbol::Stop,
                               Antwort(standard));
    QCOMPARE(box.windowTitle(), QStringLiteral("TIPPOLO, Release 13.08.2005"));
    QCOMPARE(beschriftungen(box), texte);
    QVERIFY(box.defaultButton());
    QCOMPARE(box.defaultButton()->text(), vorgabe);
    QVERIFY(box.escapeButton());
    QCOMPARE(box.escapeButton()->text(), escape);
    for (QAbstractButton *b : box.buttons())
        QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
}

void TestQtBoxen::zeilenumbrueche()
{
    QMessageBox box;
    QtBoxen::meldungEinrichten(box, QStringLiteral("Unter der Ampel kannst du den\raktiven Programmteil ablesen."),
                               QStringLiteral("Programmteil"), Knoepfe::OK, Symbol::Information, Antwort::OK);
    QCOMPARE(box.text(), QStringLiteral("Unter der Ampel kannst du den\naktiven Programmteil ablesen."));
    QCOMPARE(box.textFormat(), Qt::PlainText);
    QMessageBox wunsch;
    QtBoxen::meldungEinrichten(wunsch, QStringLiteral("Du hast noch 3 Wünsche frei!\n\rMöchtest du einen benutzen?\n\r"),
                               QStringLiteral("Wunschbox"), Knoepfe::JaNein, Symbol::Frage, Antwort::Nein);
    QCOMPARE(wunsch.text(), QStringLiteral("Du hast noch 3 Wünsche frei!\nMöchtest du einen benutzen?\n"));
}

void TestQtBoxen::symbole_data()
{
    QTest::addColumn<int>("symbol");
    QTest::addColumn<bool>("bild");
    QTest::newRow("keins") << int(Symbol::Keins) << false;
    QTest::newRow("Information") << int(Symbol::Information) << true;
    QTest::newRow("Frage") << int(Symbol::Frage) << true;
    QTest::newRow("Stop") << int(Symbol::Stop) << true;
}

void TestQtBoxen::symbole()
{
    QFETCH(int, symbol);
    QFETCH(bool, bild);
    QMessageBox box;
    QtBoxen::meldungEinrichten(box, QStringLiteral("Text"), QStringLiteral("Titel"), Knoepfe::OK, Symbol(symbol),
                               Antwort::OK);
    const QPixmap p = box.iconPixmap();
    QCOMPARE(!p.isNull(), bild);
    if (!bild)
        return;
    // Drawn for the screen's scale from a vector picture: as many device
    // pixels as the scaled box shows, not a small picture blown up.
    QCOMPARE(box.devicePixelRatioF(), 2.0);
    const int groesse = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    QCOMPARE(p.devicePixelRatio(), 2.0);
    QCOMPARE(p.size(), QSize(2 * groesse, 2 * groesse));
    // The picture fills its square: a blown-up small picture or a missing
    // resource would leave it blank.
    const QImage bildpunkte = p.toImage();
    QVERIFY(bildpunkte.pixelColor(groesse, groesse).alpha() > 0);
    QVERIFY(bildpunkte.pixelColor(groesse / 2, groesse).alpha() > 0);
}

void TestQtBoxen::eingabebox()
{
    QInputDialog dlg;
    QtBoxen::eingabeEinrichten(dlg, QStringLiteral("Neuer Name:"), QStringLiteral("Eingabe"), QStringLiteral("Freund"));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Eingabe"));
    QCOMPARE(dlg.labelText(), QStringLiteral("Neuer Name:"));
    QCOMPARE(dlg.textValue(), QStringLiteral("Freund"));
    QCOMPARE(dlg.okButtonText(), QStringLiteral("OK"));
    QCOMPARE(dlg.cancelButtonText(), QStringLiteral("Abbrechen"));
    const auto knoepfe = dlg.findChildren<QPushButton *>();
    QCOMPARE(knoepfe.size(), 2);
    for (QPushButton *b : knoepfe)
        QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
}

/// A style that, like some desktops, puts small pictures on the standard
/// buttons of dialogs.
class BildknopfStil : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *rueckgabe) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setStyle(new BildknopfStil);
    Q_INIT_RESOURCE(tippolo);
    TestQtBoxen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_qtboxen.moc"
