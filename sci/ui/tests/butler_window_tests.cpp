#include "art/kit/butler_channel.h"
#include "core/feedback.h"
#include "core/session.h"
#include "sci/ui/butler_window.h"

#include <QTest>

using namespace nuvra;

class ButlerWindowTests : public QObject {
    Q_OBJECT
private slots:
    void builds()
    {
        core::CountingFeedback sounds;
        core::Session session{sounds};
        sci::ScienceState science;
        kit::ButlerChannel butler;
        sci::ui::ButlerWindow window(session, science, butler, [] { return false; });
        QCOMPARE(window.windowTitle(), QString("Butler (Help)"));
    }
};

QTEST_MAIN(ButlerWindowTests)
#include "butler_window_tests.moc"
