#include "app/startup/TForm2.h"

#include "platform/sys/Shell.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinLinkLabel.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "tests/app/startup/StartupFixture.h"
#include "tests/support/pictures/GoldenPicture.h"

#include <vector>

namespace {

class TForm2Test : public StartupFixture {
protected:
    TForm2Test() {
        FPreviousOpener = SetShellOpener([this](const std::string& target) {
            Opened.push_back(target);
            return true;
        });
    }
    ~TForm2Test() override {
        Form->Free();
        SetShellOpener(FPreviousOpener);
    }

    void ClickOn(TControl* control) {
        Session.Click(control->ClientToScreen({control->Width() / 2, control->Height() / 2}));
    }

    TForm2* Form = TCustomForm::Create<TForm2>(nullptr);
    std::vector<std::string> Opened;

private:
    TShellOpener FPreviousOpener;
};

} // namespace

TEST_F(TForm2Test, ShowsTheProductAndVersionAndOpensBothLinksThroughTheShell) {
    Form->Show();
    Session.Pump();
    EXPECT_EQ(Form->Caption(), "关于软件");
    EXPECT_EQ(Form->lblProduct->Caption(), "DuvavudeZaruvove");
    EXPECT_EQ(Form->lblVersion->Caption(), "Ver:1.0.0");
    EXPECT_TRUE(MatchesGolden(Session.WindowShot(Form->Handle()), "app/startup/TForm2/about"));

    ClickOn(Form->lxSkinLinkLabel1);
    ClickOn(Form->lxSkinLinkLabel2);
    Session.Pump();
    EXPECT_EQ(Opened, (std::vector<std::string>{"https://www.example.com/", "mailto:support@example.com"}));

    ClickOn(Form->lxSkinButton1);
    Session.Pump();
    EXPECT_FALSE(Form->Visible()) << "确定 closes the box";
}
