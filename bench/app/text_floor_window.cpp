// The bare window with one line of text: what any Qt program that draws a
// word in its first frame pays on this machine for fontconfig, Qt's list of
// fonts and one face, beside the bare window itself.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.drawText(20, 20, QStringLiteral("File  Options  Help"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    TextWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setGeometry(10, 10, 480, 320);
    window.show();
    return QApplication::exec();
}
