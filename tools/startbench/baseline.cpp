// The yardstick of the start-up benchmark: the plainest Qt main window the
// game could be, a menu bar of two menus over a line of text, started the
// same way (one QApplication, one window shown).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QLabel(QStringLiteral("A line of text."), &window));
    window.show();
    return app.exec();
}
