// Widget tests need one application object for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_application = new QApplication(m_argc, m_argv); }
    void TearDown() override {
        delete m_application;
        m_application = nullptr;
    }

private:
    int m_argc = 1;
    char m_name[12] = "render_gui";
    char* m_argv[2] = {m_name, nullptr};
    QApplication* m_application = nullptr;
};

[[maybe_unused]] ::testing::Environment* const g_qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
