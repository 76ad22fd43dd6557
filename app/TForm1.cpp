#include "app/TForm1.h"

#include "app/TPlainConversionDialogs.h"
#include "app/catalogue/CategoryMenu.h"
#include "app/conversion/FileRowColumns.h"
#include "media/TFFmpegLoader.h"
#include "platform/sys/MainThread.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TListColumn.h"
#include "platform/vcl/TListItem.h"
#include "resources/pictures/EmbeddedPictures.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/controls/TlxSkinStatusPanel.h"

TForm1::TForm1(TComponent* AOwner)
    : TForm(AOwner), FDialogs(std::make_unique<TPlainConversionDialogs>(this)) {
    FController = std::make_unique<TConversionController>(FConverter, FProber, *FDialogs, FDesktop);
}

TForm1::~TForm1() {
    *FAlive = false;
    // The converter must not report into a window that is going.
    FConverter.SetOnProgress(nullptr);
    FConverter.SetOnTerminate(nullptr);
    FConverter.Stop(true);
}

void TForm1::FormCreate(TObject*) {
    HandleNeeded(); // the client size is measured inside the frame
    SetClientWidth(870);
    SetClientHeight(515);
    if (lvFiles) {
        for (const TFileRowColumnInfo& c : FileRowColumns()) {
            TListColumn* column = lvFiles->Columns()->Add();
            column->SetCaption(c.Caption);
            column->SetWidth(c.Width);
        }
    }
    if (imgPlaceholder) {
        auto picture = std::make_unique<TBitmap>();
        if (LoadEmbeddedPicture("list-placeholder", *picture))
            imgPlaceholder->Picture()->SetGraphic(std::move(picture));
    }
    FController->LibraryFolder = FFLoader.LibraryPath();
    FController->Initialize();
    ShowState();
}

void TForm1::FormClose(TObject*, TCloseAction&) {
    if (FClosing) return;
    FClosing = true;
    // Detach first, so that no report reaches a handler once the window closes.
    FConverter.SetOnProgress(nullptr);
    FConverter.SetOnTerminate(nullptr);
    FConverter.Stop(true);
}

void TForm1::ShowState() {
    const TConversionController& c = *FController;
    if (lvFiles) {
        TListItems* items = lvFiles->Items();
        while (items->Count() > c.Files().Count())
            items->Delete(items->Count() - 1);
        for (int row = 0; row < c.Files().Count(); ++row) {
            TListItem* item = row < items->Count() ? items->Item(row) : items->Add();
            const TFileRowTexts& texts = c.Files().Row(row).Columns;
            if (item->Caption() != texts[0]) item->SetCaption(texts[0]);
            TStrings* sub = item->SubItems();
            for (int col = 1; col < FileRowColumnCount; ++col) {
                if (sub->Count() < col)
                    sub->Add(texts[col]);
                else if (sub->Strings(col - 1) != texts[col])
                    sub->SetStrings(col - 1, texts[col]);
            }
        }
    }
    if (lxSkinPanel5) lxSkinPanel5->SetVisible(c.Files().Count() == 0);
    const TCommandStates s = c.Commands();
    if (lxSkinButton2) lxSkinButton2->SetEnabled(s.StartButton);
    if (lxSkinButton10) lxSkinButton10->SetEnabled(s.Stop);
    if (lxSkinButton11) {
        lxSkinButton11->SetEnabled(s.Pause);
        lxSkinButton11->SetVisible(s.PauseVisible);
    }
    if (lxSkinButton12) {
        lxSkinButton12->SetEnabled(s.Resume);
        lxSkinButton12->SetVisible(!s.PauseVisible);
    }
    if (lxSkinButton7) lxSkinButton7->SetEnabled(s.Remove);
    if (lxSkinButton8) lxSkinButton8->SetEnabled(s.Clear);
    if (lxSkinMenuSpeedButton1) lxSkinMenuSpeedButton1->SetEnabled(s.Add);
    if (lxSkinMenuSpeedButton2) lxSkinMenuSpeedButton2->SetCaption(CategoryMenu()[c.CategoryIndex()].Caption);
    if (lxSkinStatusPanel1) lxSkinStatusPanel1->SetCaption(c.StatusText());
}

void TForm1::btnAddClick(TObject*) {
    FController->btnAddClick();
    ShowState();
}

void TForm1::btnRemoveClick(TObject*) {
    FController->btnRemoveClick();
    ShowState();
}

void TForm1::btnClearClick(TObject*) {
    FController->btnClearClick();
    ShowState();
}

void TForm1::btnStartClick(TObject*) {
    FConverter.SetOnProgress([this](const TProgressInfo& info) {
        FController->Progress(info);
        ShowState();
    });
    FConverter.SetOnTerminate([this, alive = FAlive](const TTerminateInfo& info) {
        FController->Terminate(info);
        // The controller handles the report on the GUI thread, queued before
        // this; the window shows the outcome after it, and once more after a
        // message box the report may have opened.
        QueueInMainThread([this, alive] {
            if (!*alive) return;
            ShowState();
            QueueInMainThread([this, alive] {
                if (*alive) ShowState();
            });
        });
    });
    FController->btnStartClick();
    ShowState();
}

void TForm1::btnStopClick(TObject*) {
    FController->btnStopClick();
    ShowState();
}

void TForm1::btnPauseClick(TObject*) {
    FController->btnPauseClick();
    ShowState();
}

void TForm1::btnResumeClick(TObject*) {
    FController->btnResumeClick();
    ShowState();
}

void RegisterMainFormClass() {
    RegisterClass<TForm1>("TForm1", "TForm")
        .Field("lvFiles", &TForm1::lvFiles)
        .Field("lxSkinPanel5", &TForm1::lxSkinPanel5)
        .Field("imgPlaceholder", &TForm1::imgPlaceholder)
        .Field("lxSkinMenuSpeedButton1", &TForm1::lxSkinMenuSpeedButton1)
        .Field("lxSkinMenuSpeedButton2", &TForm1::lxSkinMenuSpeedButton2)
        .Field("lxSkinButton2", &TForm1::lxSkinButton2)
        .Field("lxSkinButton7", &TForm1::lxSkinButton7)
        .Field("lxSkinButton8", &TForm1::lxSkinButton8)
        .Field("lxSkinButton10", &TForm1::lxSkinButton10)
        .Field("lxSkinButton11", &TForm1::lxSkinButton11)
        .Field("lxSkinButton12", &TForm1::lxSkinButton12)
        .Field("lxSkinStatusPanel1", &TForm1::lxSkinStatusPanel1)
        .Handler("FormCreate", &TForm1::FormCreate)
        .Handler("FormClose", &TForm1::FormClose)
        .Handler("btnAddClick", &TForm1::btnAddClick)
        .Handler("btnRemoveClick", &TForm1::btnRemoveClick)
        .Handler("btnClearClick", &TForm1::btnClearClick)
        .Handler("btnStartClick", &TForm1::btnStartClick)
        .Handler("btnStopClick", &TForm1::btnStopClick)
        .Handler("btnPauseClick", &TForm1::btnPauseClick)
        .Handler("btnResumeClick", &TForm1::btnResumeClick);
}
