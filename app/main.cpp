#include "app/calculator_app.h"

#include <QApplication>
#include <QTimer>

#include <string>
#include <vector>

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

    // Scripts and tests may ask for a quit after a delay; every other word goes to the start-up.
    std::vector<std::string> arguments;
    int quitAfterMs = -1;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--quit-after") && i + 1 < args.size())
            quitAfterMs = args.at(++i).toInt();
        else
            arguments.push_back(args.at(i).toStdString());
    }

    nuvra::app::CalculatorApp calculator(QApplication::applicationDirPath());
    if (!calculator.start(arguments))
        return 0;
    if (quitAfterMs >= 0)
        QTimer::singleShot(quitAfterMs, &application, &QApplication::quit);
    return application.exec();
}
