// The floor of the start-up measurement: the least a Qt Widgets program does to put one window
// with a line of text and a button on the screen.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Plurquiz")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.show();
    return QApplication::exec();
}
