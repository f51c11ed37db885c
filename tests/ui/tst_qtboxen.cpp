// The real boxes, set up but never shown: German buttons without pictures (also where the
// style puts pictures on them), the default and Escape buttons, CR as a line break.
#include "ui/Boxen.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>

class TestQtBoxen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void meldung_data()
    {
        QTest::addColumn<int>("knoepfe");
        QTest::addColumn<int>("standard");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");  // text shown, buttons, default, Escape
        QTest::newRow("OK") << int(Knoepfe::OK) << int(Antwort::OK) << "Unter der Ampel\raktiven"
                            << QStringList{"Unter der Ampel\naktiven", "OK", "OK", "OK"};
        QTest::newRow("Nein vorgegeben") << int(Knoepfe::JaNein) << int(Antwort::Nein) << "frei!\n\rMöchtest du?\n\r"
                                         << QStringList{"frei!\nMöchtest du?\n", "Ja Nein", "Nein", "Nein"};
        QTest::newRow("Ja vorgegeben") << int(Knoepfe::JaNein) << int(Antwort::Ja) << "<b>x</b>"
                                       << QStringList{"<b>x</b>", "Ja Nein", "Ja", "Nein"};
    }
    void meldung()
    {
        QFETCH(int, knoepfe);
        QFETCH(int, standard);
        QFETCH(QString, text);
        QFETCH(QStringList, erwartet);
        QMessageBox box;
        QtBoxen::meldungEinrichten(box, text, QStringLiteral("Titel"), Knoepfe(knoepfe), Symbol::Stop, Antwort(standard));
        QStringList texte;
        for (QAbstractButton *b : box.buttons()) {
            texte << b->text();
            QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
        }
        texte.sort();
        QVERIFY(box.defaultButton() && box.escapeButton());
        QCOMPARE((QStringList{box.text(), texte.join(' '), box.defaultButton()->text(), box.escapeButton()->text()}), erwartet);
        QVERIFY(box.textFormat() == Qt::PlainText && box.windowTitle() == QStringLiteral("Titel"));
    }
    void eingabebox()
    {
        QInputDialog dlg;
        QtBoxen::eingabeEinrichten(dlg, QStringLiteral("Neuer Name:"), QStringLiteral("Eingabe"), QStringLiteral("Freund"));
        QCOMPARE((QStringList{dlg.windowTitle(), dlg.labelText(), dlg.textValue(), dlg.okButtonText(), dlg.cancelButtonText()}),
                 (QStringList{"Eingabe", "Neuer Name:", "Freund", "OK", "Abbrechen"}));
        for (QPushButton *b : dlg.findChildren<QPushButton *>())
            QVERIFY2(b->icon().isNull(), qPrintable(b->text()));
    }
};

/// A style that, like some desktops, puts small pictures on the standard buttons of dialogs.
class BildknopfStil : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *r) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, r);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new BildknopfStil);
    TestQtBoxen t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_qtboxen.moc"
