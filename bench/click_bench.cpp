// A click on "Въведи" in the real window, offscreen: from the mouse press to
// the frame that shows the new transcript.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "application.h"
#include "main_window.h"

namespace {

// Counts the frames painted into one widget.
class PaintCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++frames;
        }
        return QObject::eventFilter(watched, event);
    }
};

void ClickCheck(benchmark::State& state) {
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* check = window.findChild<QPushButton*>(QStringLiteral("Command1(0)"));
    auto* transcript = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1(0)"));
    PaintCounter painted;
    transcript->viewport()->installEventFilter(&painted);

    const QString inputs[] = {QStringLiteral("5"), QStringLiteral("7")};
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        input->setText(inputs[round++ % 2]);  // a new transcript every time
        QCoreApplication::processEvents();
        const int before = painted.frames;
        state.ResumeTiming();

        QTest::mouseClick(check, Qt::LeftButton);
        while (painted.frames == before) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
}
BENCHMARK(ClickCheck)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    // Offscreen, and frames as soon as they are asked for: the platform's
    // default waits 5 ms between frames, which is not the program's time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
