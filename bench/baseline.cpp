// The floor for any window that shows text: a fixed window of the program's
// size with one line of Cyrillic in the program's font, and nothing else.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Ойлер - просто число"));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setFixedSize(462, 345);
    window.show();
    return app.exec();
}
