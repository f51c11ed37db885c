#include "ui/Boxen.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QString QtBoxen::anzeigeText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

static QWidget *boxParent()
{
    QWidget *w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}

Antwort QtBoxen::meldung(const QString &text, const QString &titel, Knoepfe knoepfe, Symbol symbol,
                         Antwort standard)
{
    QMessageBox box(boxParent());
    box.setWindowTitle(titel);
    box.setText(anzeigeText(text));
    box.setTextFormat(Qt::PlainText);
    switch (symbol) {
    case Symbol::Keins: box.setIcon(QMessageBox::NoIcon); break;
    case Symbol::Information: box.setIcon(QMessageBox::Information); break;
    case Symbol::Frage: box.setIcon(QMessageBox::Question); break;
    case Symbol::Stop: box.setIcon(QMessageBox::Critical); break;
    }
    if (knoepfe == Knoepfe::OK) {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Antwort::OK;
    }
    QPushButton *ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(standard == Antwort::Ja ? ja : nein);
    box.setEscapeButton(nein);
    box.exec();
    return box.clickedButton() == ja ? Antwort::Ja : Antwort::Nein;
}

QString QtBoxen::eingabe(const QString &prompt, const QString &titel, const QString &vorgabe)
{
    QInputDialog dlg(boxParent());
    dlg.setWindowTitle(titel);
    dlg.setLabelText(anzeigeText(prompt));
    dlg.setTextValue(vorgabe);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    dlg.setInputMode(QInputDialog::TextInput);
    if (auto *edit = dlg.findChild<QLineEdit *>())
        edit->selectAll();
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.textValue();
}
