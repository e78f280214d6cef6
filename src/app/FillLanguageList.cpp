#include "app/FillLanguageList.h"

#include "app/LanguageRecord.h"

#include <QComboBox>

bool FillLanguageList(const std::string& iniPath, QComboBox* comboBox, int keyMode) {
    const std::vector<std::string> values = LanguageList(iniPath, keyMode);
    for (const std::string& value : values)
        comboBox->addItem(QString::fromStdString(value));
    return !values.empty();
}
