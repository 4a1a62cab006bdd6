#include <QApplication>
#include <QLabel>
#include <QTimer>

// The calculator's windows arrive with the desktop program; until then the program shows one
// window and ends cleanly, also when asked to quit after a delay (--quit-after MS).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nuvra"));
    QLabel window(QStringLiteral("Nuvra"));
    window.setObjectName(QStringLiteral("wm"));
    window.setMinimumSize(194, 200);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    const QStringList args = QApplication::arguments();
    const qsizetype quitAt = args.indexOf(QStringLiteral("--quit-after"));
    if (quitAt >= 0 && quitAt + 1 < args.size())
        QTimer::singleShot(args.at(quitAt + 1).toInt(), &app, &QApplication::quit);
    return app.exec();
}
