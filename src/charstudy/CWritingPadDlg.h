#pragma once

#include "ui/SkinDialog.h"

#include <functional>
#include <string>

class CWritingPad;
class QLabel;

// The writing pad in a window of its own, for Chinese text sizes at which the pad no longer fits
// the word-study page: the character's animation, the writing and the grade happen here, with the
// page's animation, practise and grade commands beside the pad. Escape or the close button ends
// it; the page keeps the pad and opens the window again when it is needed.
class CWritingPadDlg : public SkinDialog {
public:
    static constexpr int kCloseId = 2;

    struct Commands {
        std::function<void()> animate, practise, grade;
    };
    struct Tooltips {
        std::string animate, practise, grade;
    };

    // A window for the pad drawn at `percent` (150 or 200), with the skin of that size.
    CWritingPadDlg(QWidget* parent, int percent, Commands commands, const Tooltips& tooltips);

    int TextSize() const { return m_percent; }
    // Takes the pad into the window, in the pad's place.
    void HoldPad(CWritingPad* pad);
    // The header's title: the character and its reading.
    void SetTitle(const QString& title);
    // Closing stops a running animation and leaves the character whole for the next time.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_percent;
    CWritingPad* m_pad = nullptr;
    QLabel* m_title;
};
