// The floor of the start-up benchmark: a bare Qt Widgets program that opens one window with a
// 240 x 320 client area and runs the event loop, nothing else.
//
// With --text the window also shows one line of text. Drawing text is what makes Qt set up its
// font database (fontconfig reads the system's configuration and font caches); the bare window
// never does, every program that shows a word does. The second floor tells that share apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(240, 320);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* label = new QLabel(QStringLiteral("Where is the station?"), &window);
        label->move(8, 8);
    }
    window.show();
    return app.exec();
}
