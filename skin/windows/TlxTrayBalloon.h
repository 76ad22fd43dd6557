#pragma once

#include "platform/vcl/THintWindow.h"

#include <string>

// The balloon tip of a tray icon: a hint window with a bold title above the
// text, placed beside the icon inside the work area, that takes a click.
class TlxTrayBalloon : public THintWindow {
public:
    explicit TlxTrayBalloon(TComponent* AOwner);

    // Shows Title and Text beside IconRect (screen coordinates); an empty
    // IconRect places the balloon at the bottom-right of the primary work area.
    void ShowBeside(const TRect& IconRect, const std::string& Title, const std::string& Text);
    void HideBalloon();
    const std::string& Title() const { return FTitle; }

    // A left click on the balloon.
    TNotifyEvent OnClick;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    TRect MeasureText(const std::string& Text, bool Bold) const;

    std::string FTitle;
};
