// Font rendering needs a GUI application object; the tests run on the offscreen platform.
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class GuiApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "contentbuild";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

const testing::Environment* const g_guiEnvironment =
    testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

} // namespace
