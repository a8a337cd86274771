// The floor of the start-up benchmark: a bare Qt Widgets program that opens one window with a
// 240 x 320 client area and runs the event loop, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(240, 320);
    window.show();
    return app.exec();
}
