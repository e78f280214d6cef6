// The yardstick of the start benchmarks: a Qt program that opens a window the size of the lesson
// catalogue and quits right after the window's first paint. With --with-text the window also shows
// one line of text, which makes Qt set up its fonts: the least any window showing words pays.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

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
    if (argc > 1 && std::strcmp(argv[1], "--with-text") == 0)
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Choose the meaning of the word.")));
    window.resize(1000, 680);
    window.show();
    return app.exec();
}
