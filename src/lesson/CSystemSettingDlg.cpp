#include "lesson/CSystemSettingDlg.h"

#include "app/ContentPath.h"
#include "app/UserNotice.h"
#include "lesson/DialogControls.h"
#include "lesson/LessonSettings.h"
#include "render/GlyphScale.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/CColourPicker.h"
#include "ui/SkinLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

using namespace skinlayout::settings;

namespace {

constexpr int kPickerIds[] = {1110, 1111, 1112, 1115};

QSpinBox* AddDistance(QWidget* parent, int id, const QRect& place) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::number(id));
    box->setRange(0, 999);
    box->setGeometry(place);
    return box;
}

QComboBox* AddTextSize(QWidget* parent) {
    auto* label =
        new QLabel(g_lessonSettings.QTextOr(LessonText::ChineseTextSize_Label, "Chinese text size"), parent);
    label->setGeometry(kTextSizeLabel);
    // Like the labels drawn on the skin.
    QFont face = label->font();
    face.setPixelSize(14);
    label->setFont(face);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(46, 58, 75));
    label->setPalette(palette);
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("1119"));
    for (const int size : glyphscale::kTextSizes)
        box->addItem(QStringLiteral("%1 %").arg(size), size);
    box->setGeometry(kTextSize);
    label->setBuddy(box);
    return box;
}

void SplitColour(const QColor& colour, int& r, int& g, int& b) {
    r = colour.red();
    g = colour.green();
    b = colour.blue();
}

} // namespace

CSystemSettingDlg::CSystemSettingDlg(QWidget* parent) : SkinDialog(kSize, parent) {
    setObjectName(QStringLiteral("481"));
    InitSkin(GetProgramFolder() + "image\\systensetting.bmp");
    for (int i = 0; i < 4; ++i) {
        m_pickers[i] = new CColourPicker(this);
        m_pickers[i]->setObjectName(QString::number(kPickerIds[i]));
        m_pickers[i]->setGeometry(Picker(i));
    }
    m_askAgain = new QCheckBox(this);
    m_askAgain->setObjectName(QStringLiteral("1109"));
    m_askAgain->setGeometry(kAskAgain);
    m_sentenceDistance = AddDistance(this, 1116, kSentenceDistance);
    m_lineDistance = AddDistance(this, 1117, kLineDistance);
    m_textSize = AddTextSize(this);
    auto* defaults =
        dialogs::AddButton(this, 1118, kDefaults, artwork::kDefaultsHover, artwork::kDefaultsNormal);
    auto* ok = dialogs::AddButton(this, 1, kOk, artwork::kOkHover, artwork::kOkNormal);
    auto* cancel = dialogs::AddButton(this, 2, kCancel, artwork::kCancelHover, artwork::kCancelNormal);
    connect(defaults, &QPushButton::clicked, this, &CSystemSettingDlg::OnDefaults);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowSettings();
}

void CSystemSettingDlg::ShowSettings() {
    const DisplaySettings& d = g_lessonSettings.m_effective;
    m_pickers[0]->SetColour(d.NewWordColor());
    m_pickers[1]->SetColour(d.WordColor());
    m_pickers[2]->SetColour(d.PinyinColor());
    m_pickers[3]->SetColour(d.MeaningColor());
    m_askAgain->setChecked(g_lessonSettings.m_resumePrompt);
    m_sentenceDistance->setValue(d.sentenceDistance);
    m_lineDistance->setValue(d.lineDistance);
    m_textSize->setCurrentIndex(std::max(0, m_textSize->findData(d.chineseTextSize)));
}

void CSystemSettingDlg::OnDefaults() {
    DisplaySettings& d = g_lessonSettings.m_effective;
    const DisplaySettings& defaults = g_lessonSettings.m_default;
    d.newWordR = defaults.newWordR, d.newWordG = defaults.newWordG, d.newWordB = defaults.newWordB;
    d.wordR = defaults.wordR, d.wordG = defaults.wordG, d.wordB = defaults.wordB;
    d.pinyinR = defaults.pinyinR, d.pinyinG = defaults.pinyinG, d.pinyinB = defaults.pinyinB;
    d.meaningR = defaults.meaningR, d.meaningG = defaults.meaningG, d.meaningB = defaults.meaningB;
    d.sentenceDistance = defaults.sentenceDistance;
    d.lineDistance = defaults.lineDistance;
    d.chineseTextSize = defaults.chineseTextSize;
    g_lessonSettings.m_resumePrompt = true;
    ShowSettings();
}

void CSystemSettingDlg::StoreSettings() {
    DisplaySettings& d = g_lessonSettings.m_effective;
    SplitColour(m_pickers[0]->Colour(), d.newWordR, d.newWordG, d.newWordB);
    SplitColour(m_pickers[1]->Colour(), d.wordR, d.wordG, d.wordB);
    SplitColour(m_pickers[2]->Colour(), d.pinyinR, d.pinyinG, d.pinyinB);
    SplitColour(m_pickers[3]->Colour(), d.meaningR, d.meaningG, d.meaningB);
    g_lessonSettings.m_resumePrompt = m_askAgain->isChecked();
    d.sentenceDistance = m_sentenceDistance->value();
    d.lineDistance = m_lineDistance->value();
    d.chineseTextSize = m_textSize->currentData().toInt();
}

// Cancel keeps the edits as well: both buttons store what the controls show, and what is in effect
// is saved at once, so that a crash later does not lose it.
void CSystemSettingDlg::done(int result) {
    StoreSettings();
    SaveDisplaySettingsOrTell();
    SkinDialog::done(result);
}
