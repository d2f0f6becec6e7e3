// The floor of the start-up measurement: the smallest Qt Widgets program that
// shows a 480 x 320 window at (10, 10), built and run like the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setGeometry(10, 10, 480, 320);
    window.show();
    return QApplication::exec();
}
