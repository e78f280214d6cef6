#pragma once

#include "app/Globals.h"

#include <QWidget>

#include <string>

// An empty page in place of the speaking-practice pane, with the same entries the lesson panes
// hand a sentence to; it keeps the sentence and has no model to play.
class CEmptyListenSpeakPane : public QWidget {
public:
    explicit CEmptyListenSpeakPane(QWidget* parent) : QWidget(parent) {
        setObjectName("231");
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, g_clrListBk);
        setPalette(colours);
    }

    void SetSentenceText(const std::u16string& sentence) { m_sentence = sentence; }
    bool SetModel(const std::string&) { return false; }
    const std::u16string& SentenceText() const { return m_sentence; }

private:
    std::u16string m_sentence;
};
