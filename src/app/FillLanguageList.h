#pragma once

#include <string>

class QComboBox;

// Adds the chosen key (LangID, ShortString, LangString or Desc) of every LangType.ini section to
// the combo box, in file order, skipping empty values; true when at least one was added.
bool FillLanguageList(const std::string& iniPath, QComboBox* comboBox, int keyMode);
