// The yardstick of the session benchmark: a Qt program that opens a window the size of the lesson
// catalogue and quits right after the window's first paint.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (!m_painted)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        m_painted = true;
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.resize(1000, 680);
    window.show();
    return app.exec();
}
