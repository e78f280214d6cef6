#include "lesson/CLessonTitle.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "lesson/LessonContent.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonWindowServices.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/FindAncestor.h"

#include <QComboBox>
#include <QPainter>

#include <cstdio>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr int kButtonHover = 295, kButtonNormal = 294;
constexpr char kTitlePictureFile[] = "/child_title.bmp";

} // namespace

CLessonTitle::CLessonTitle(LessonContentService& content, QWidget* parent)
    : QWidget(parent), m_content(content), m_list(new QComboBox(this)), m_button(new BitmapButton(this)) {
    setObjectName("280");
    m_list->setObjectName(QString::number(kListId));
    m_list->setGeometry(5, 5, 425, 24);
    m_list->setStyleSheet(
        QString("QComboBox, QComboBox QAbstractItemView { background: %1; }").arg(g_clrListBk.name()));
    m_button->setObjectName(QString::number(kButtonId));
    m_button->setGeometry(432, 5, 24, 24);
    m_button->SetBitmaps(kButtonHover, kRed, kButtonNormal, kRed);
    m_button->DrawTransparent();
    m_button->SetBorder(false);
    m_button->SetCursorResource(artwork::kHandCursor);
    QObject::connect(m_button, &QPushButton::clicked, m_list, [this] { m_list->showPopup(); });
    QObject::connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            OnSelectionChange(index);
    });
    m_background.Load(GetProgramFolder() + "Lesson_res\\lesson_" + g_strLangSuffix + "\\combobox.bmp");
}

LessonWindowServices* CLessonTitle::Services() const {
    return m_services ? m_services : FindAncestor<LessonWindowServices>(this);
}

void CLessonTitle::LoadChildLessons(int lessonNumber) {
    g_log.Write("CLessonTitle.1");
    g_log.Write("CLessonTitle.2");
    std::vector<lesson::ChildLesson> children;
    m_filling = true;
    m_list->clear();
    m_ids.clear();
    if (!m_content.ReadChildLessons(lessonNumber, children) && !m_content.LastError().empty()) {
        m_filling = false;
        GetUserNotice().Show(UserNotice::Kind::Error, m_content.LastError(), "open database fail");
        return;
    }
    g_log.Write("CLessonTitle.3");
    for (const lesson::ChildLesson& child : children) {
        m_ids.push_back(child.id);
        m_list->addItem(QString::fromStdString(child.translation));
    }
    g_log.Write("CLessonTitle.4");
    m_current = 0;
    if (!m_ids.empty())
        SwitchTo(m_ids.front(), true);
    g_log.Write("CLessonTitle.Min_end");
    m_list->setCurrentIndex(m_ids.empty() ? -1 : 0);
    m_filling = false;
}

bool CLessonTitle::SwitchTo(const std::string& id, bool initialLoad) {
    if (initialLoad)
        g_log.Write("CLessonTitle.4.1.1");
    const std::string titlePath = g_strTempLessonDir + kTitlePictureFile;
    MakeDirectoryPath(g_strTempLessonDir);
    const LessonContentService::Stored title = m_content.SaveChildLessonTitle(id, titlePath);
    if (initialLoad)
        g_log.Write("CLessonTitle.4.1.1.1");
    if (title == LessonContentService::Stored::kQueryFailed || title == LessonContentService::Stored::kNoRow)
        return false;
    if (title != LessonContentService::Stored::kWritten)
        std::remove(titlePath.c_str());
    LessonWindowServices* window = Services();
    if (!initialLoad)
        g_log.Write("Begin Alter text Data");
    if (window) {
        window->SetSceneChildLesson(id);
        window->SetChildLesson(id);
    }
    if (!initialLoad)
        g_log.Write("Alter Text Data end");
    if (window)
        window->SetChildTitle(titlePath);
    if (!initialLoad)
        g_log.Write("Alter Text title Pic end");
    update();
    if (initialLoad)
        g_log.Write("CLessonTitle.5");
    if (window)
        window->SetTextScrollButtons(window->TextScrollState());
    return true;
}

void CLessonTitle::OnSelectionChange(int index) {
    if (index >= 0 && index < static_cast<int>(m_ids.size()) && index != m_current) {
        m_current = index;
        SwitchTo(m_ids[static_cast<size_t>(index)], false);
    }
    g_log.Write("SelCom_end");
}

void CLessonTitle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), g_clrListBk);
    m_background.Draw(painter, 0, 0, 480, 35);
}
