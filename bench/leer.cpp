// The floor for the start-up benchmark: a bare Qt Widgets window, as large as
// the trainer's main window when its size is given ("1024x681").
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel fenster(QStringLiteral("T i p p o l o"));
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    const QStringList groesse = app.arguments().value(1).split(QLatin1Char('x'));
    if (groesse.size() == 2)
        fenster.resize(groesse[0].toInt(), groesse[1].toInt());
    else
        fenster.resize(687, 457);
    fenster.show();
    return QApplication::exec();
}
