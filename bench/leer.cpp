// The floor for the start-up benchmark: a bare Qt Widgets window.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel fenster(QStringLiteral("T i p p o l o"));
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.resize(687, 457);
    fenster.show();
    return QApplication::exec();
}
