// Tamsor's window program. For now an empty main window; the movement and qi
// grids come with the main window class.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tamsor"));
    window.resize(696, 562);
    window.show();
    return app.exec();
}
