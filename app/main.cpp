#include "app/calculator_app.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    // The calculator places its windows itself and grabs system-wide keys, which Wayland does
    // not allow; on a Wayland session it runs on XWayland unless told otherwise.
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nuvra"));
    QApplication::setQuitOnLastWindowClosed(false);

    nuvra::app::CalculatorApp calculator;
    calculator.start();

    // Scripts and tests may ask for a quit after a delay.
    const QStringList args = QApplication::arguments();
    const qsizetype quitAt = args.indexOf(QStringLiteral("--quit-after"));
    if (quitAt >= 0 && quitAt + 1 < args.size())
        QTimer::singleShot(args.at(quitAt + 1).toInt(), &application, &QApplication::quit);
    return application.exec();
}
