// The smallest Qt widget program: one empty window and the event loop. Its start-up figures
// are what the calculator's are compared with.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare_qt_window"));
    window.resize(240, 320);
    window.show();
    return application.exec();
}
