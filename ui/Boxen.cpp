#include "ui/Boxen.h"

#include "basis/Schrift.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

QString QtBoxen::anzeigeText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

/// The symbol of a box, drawn from the program's own SVG pictures so that it
/// stays sharp at every screen scale (the style's pixmaps are 32 pixels and
/// blur when scaled up).
static void symbolSetzen(QMessageBox &box, Symbol symbol)
{
    QString bild;
    switch (symbol) {
    case Symbol::Keins: box.setIcon(QMessageBox::NoIcon); return;
    case Symbol::Information: bild = QStringLiteral(":/icons/box_info.svg"); break;
    case Symbol::Frage: bild = QStringLiteral(":/icons/box_frage.svg"); break;
    case Symbol::Stop: bild = QStringLiteral(":/icons/box_stop.svg"); break;
    }
    const int groesse = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(QIcon(bild).pixmap(QSize(groesse, groesse), box.devicePixelRatioF()));
}

QFont QtBoxen::boxSchrift(const QWidget *parent)
{
    // Large and plain, so that a child reads the box from its seat; it grows
    // with the window the box belongs to.
    return Schrift::machen(QStringLiteral("Arial"), 16 * Twips::faktor(parent));
}

static QWidget *boxParent()
{
    QWidget *w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}

void QtBoxen::meldungEinrichten(QMessageBox &box, const QString &text, const QString &titel, Knoepfe knoepfe,
                                Symbol symbol, Antwort standard)
{
    box.setWindowTitle(titel);
    box.setFont(boxSchrift(box.parentWidget()));
    box.setText(anzeigeText(text));
    box.setTextFormat(Qt::PlainText);
    symbolSetzen(box, symbol);
    if (knoepfe == Knoepfe::OK) {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        return;
    }
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(standard == Antwort::Ja ? ja : nein);
    box.setEscapeButton(nein);
}

Antwort QtBoxen::meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                         Antwort standard)
{
    QMessageBox box(boxParent());
    meldungEinrichten(box, text, titel, knoepfe, symbol, standard);
    box.exec();
    if (knoepfe == Knoepfe::OK)
        return Antwort::OK;
    return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole ? Antwort::Ja : Antwort::Nein;
}

void QtBoxen::eingabeEinrichten(QInputDialog &dlg, const QString &prompt, const QString &titel,
                                const QString &vorgabe)
{
    dlg.setWindowTitle(titel);
    dlg.setFont(boxSchrift(dlg.parentWidget()));
    dlg.setLabelText(anzeigeText(prompt));
    dlg.setTextValue(vorgabe);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    dlg.setInputMode(QInputDialog::TextInput);
    // Plain buttons, like those of the message boxes (some styles put
    // small pictures on the dialog's standard buttons).
    for (QPushButton *b : dlg.findChildren<QPushButton *>())
        b->setIcon(QIcon());
    if (auto *edit = dlg.findChild<QLineEdit *>())
        edit->selectAll();
}

QString QtBoxen::eingabe(const QString &prompt, const QString &titel, const QString &vorgabe)
{
    QInputDialog dlg(boxParent());
    eingabeEinrichten(dlg, prompt, titel, vorgabe);
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}
