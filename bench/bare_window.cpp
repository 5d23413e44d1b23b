// The yardstick for PhysCalc's start: the least a Qt Widgets program can
// show, one main window holding a line edit and a button.
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(new QLineEdit(central));
    layout->addWidget(new QPushButton(QStringLiteral("Compute"), central));
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
