#include "windows/TPOLABEL.h"

#include "ui/Elemente.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

namespace {

const QColor kHintergrund(255, 255, 232);
const QColor kDunkelblau(0, 0, 128);

} // namespace

TPOLABEL::TPOLABEL(Programm &programm)
    : Fenster(programm, QStringLiteral("TPOLABEL"), QStringLiteral("Programm-Info"), 5520, 3720), m_programm(programm)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/autor.svg")));
    setHintergrund(kHintergrund);

    Bild1 = new Bild(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/tippolo.svg"));
    Twips::setzen(Bild1, 360, 360, 1215, 1215);
    Bild1->setCursor(Qt::PointingHandCursor);

    // The name, one letter per label, each in its own colour.
    const QString name = QStringLiteral("Tippolo");
    const QColor farben[] = {QColor(204, 0, 0),   QColor(230, 115, 0), QColor(0, 140, 0),  QColor(0, 102, 204),
                             QColor(128, 0, 160), QColor(200, 0, 120), QColor(0, 128, 128)};
    for (int i = 0; i < name.size(); ++i) {
        auto *b = new Bezeichnung(this, QStringLiteral("Bezeichnung%1").arg(3 + i), name.mid(i, 1));
        b->setSchrift(QStringLiteral("Arial"), 18, true);
        b->setFarben(farben[i]);
        b->setAlignment(Qt::AlignCenter);
        Twips::setzen(b, 1920 + i * 450, 300, 450, 600);
        Namensbuchstaben << b;
    }

    Bezeichnung10 = new Bezeichnung(this, QStringLiteral("Bezeichnung10"),
                                    QStringLiteral("Rechtschreibtrainer für Kinder"));
    Bezeichnung10->setSchrift(QStringLiteral("MS Sans Serif"), 9.75);
    Bezeichnung10->setAlignment(Qt::AlignCenter);
    Twips::setzen(Bezeichnung10, 1800, 1020, 3390, 300);

    Bezeichnung2 = new Bezeichnung(this, QStringLiteral("Bezeichnung2"));
    Bezeichnung2->setSchrift(QStringLiteral("MS Sans Serif"), 9.75, true);
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Twips::setzen(Bezeichnung2, 1800, 1380, 3390, 300);

    Bezeichnung1 = new Bezeichnung(this, QStringLiteral("Bezeichnung1"), QStringLiteral("O k a y"));
    Bezeichnung1->setSchrift(QStringLiteral("Arial"), 18, true);
    Bezeichnung1->setFarben(Qt::red, kDunkelblau);
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setCursor(Qt::PointingHandCursor);
    Twips::setzen(Bezeichnung1, 1560, 2400, 2400, 645);

    connect(Bild1, &Bild::Click, this, &TPOLABEL::Bild1_Click);
    connect(Bezeichnung1, &Bezeichnung::Click, this, &TPOLABEL::Bezeichnung1_Click);
}

void TPOLABEL::Form_Activate()
{
    zentrieren(4);
    Bezeichnung2->setCaption(QStringLiteral("Release 13.08.2005"));
}

void TPOLABEL::Bild1_Click()
{
    verbergen();
    programm().form1().zeigen();
}

void TPOLABEL::Bezeichnung1_Click()
{
    Bild1_Click();
}
