// The floor the window's start-up is measured against: an empty widgets window of the given size,
// frameless like the real one and without a GL driver.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    const QStringList arguments = QCoreApplication::arguments();
    window.resize(arguments.value(1, QStringLiteral("999")).toInt(),
                  arguments.value(2, QStringLiteral("640")).toInt());
    window.show();
    return app.exec();
}
