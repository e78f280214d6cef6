#pragma once

#include "ui/SkinDialog.h"

#include <array>

class CColourPicker;
class QCheckBox;
class QComboBox;
class QSpinBox;

// The display settings of the logged-in user: the colours of new words, words, pinyin and meanings,
// the resume prompt, the distances between sentences and lines and the Chinese text size. OK and Cancel both
// keep what the controls show and save it to the file; the catalogue saves once more when it closes.
class CSystemSettingDlg : public SkinDialog {
public:
    explicit CSystemSettingDlg(QWidget* parent = nullptr);

    void done(int result) override;

private:
    // Puts the process-wide display settings into the controls.
    void ShowSettings();
    void OnDefaults();
    void StoreSettings();

    std::array<CColourPicker*, 4> m_pickers{}; // 1110 new words, 1111 words, 1112 pinyin, 1115 meanings
    QCheckBox* m_askAgain = nullptr;
    QSpinBox* m_sentenceDistance = nullptr;
    QSpinBox* m_lineDistance = nullptr;
    QComboBox* m_textSize = nullptr; // 1119: one item per offered size, its data the percent
};
