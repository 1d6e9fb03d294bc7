// The baseline: a bare Qt window of the quiz's size with one button.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(784, 624);
    QPushButton button(QStringLiteral("Exit"), &window);
    button.setGeometry(16, 501, 117, 27);
    QObject::connect(&button, &QPushButton::clicked, &window, &QWidget::close);
    window.show();
    return app.exec();
}
