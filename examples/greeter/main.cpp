// Greeter: a small Qt Widgets program whose moc, uic and rcc outputs kelvor
// generates. With --self-check it runs headless (QT_QPA_PLATFORM=offscreen),
// presses its button once and says what worked.
#include "core/counter.h"
#include "ui/mainwindow.h"
#include "ui/ui_mainwindow.h"

#include <QApplication>
#include <QTextStream>

namespace {

int selfCheck(MainWindow &window, Counter &counter)
{
    QTextStream out(stdout);
    window.form().greetButton->click();
    const QString label = window.form().greetingLabel->text();
    const bool signalsWork = counter.value() == 1;
    const bool resourceLoaded = label.startsWith(QStringLiteral("Hello from the resources"));
    if (!signalsWork || !resourceLoaded) {
        out << "self-check failed: signal and slot " << (signalsWork ? "ok" : "missing")
            << ", resource " << (resourceLoaded ? "ok" : "missing") << ", label \"" << label << "\"\n";
        return 1;
    }
    out << "self-check passed: button click reached Counter::increment, changed() reached "
           "MainWindow::showCount, form label shows \"" << label << "\" from :/text/greeting.txt\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Counter counter;
    MainWindow window(counter);
    if (app.arguments().contains(QStringLiteral("--self-check")))
        return selfCheck(window, counter);
    window.show();
    return app.exec();
}
