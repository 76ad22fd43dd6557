#include "skin/controls/TlxSkinTabSheet.h"

#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxSkinPageControl.h"

TlxSkinCustomTabSheet::TlxSkinCustomTabSheet(TComponent* AOwner) : TTabSheet(AOwner) {
    FControlStyle.Include(csNoDesignVisible);
}

TlxSkinCustomTabSheet::~TlxSkinCustomTabSheet() {
    SetPageControl(nullptr);
}

TlxSkinPageControl* TlxSkinCustomTabSheet::SkinPageControl() const {
    return dynamic_cast<TlxSkinPageControl*>(PageControl());
}

void TlxSkinCustomTabSheet::SetWallPaper(const TBitmap& Value) {
    FWallPaper.Assign(Value);
    if (ComponentState().Contains(csDesigning)) Repaint();
}

void TlxSkinCustomTabSheet::CreateParams(TCreateParams& Params) {
    TTabSheet::CreateParams(Params);
    Params.ClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TlxSkinCustomTabSheet::PaintBG(TCanvas* C) {
    TlxSkinPageControl* pc = SkinPageControl();
    if (Width() <= 0 || Height() <= 0 || !pc) return;
    pc->GetSkinData();
    if (!FWallPaper.Empty()) {
        for (int y = 0; y < Height(); y += FWallPaper.Height())
            for (int x = 0; x < Width(); x += FWallPaper.Width())
                C->Draw(x, y, &FWallPaper);
        return;
    }
    if (pc->Skinned() && pc->BGPictureIndex != -1) {
        if (TBitmap* p = pc->SkinPicture(pc->BGPictureIndex))
            pc->DrawSkinPart(C, p, {0, 0, p->Width(), p->Height()}, ClientRect(), Width(), Height());
        return;
    }
    if (!pc->Skinned()) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clBtnFace);
        C->FillRect(ClientRect());
        return;
    }
    TRect part = pc->ClRect;
    OffsetRect(part, pc->SkinRect.Left, pc->SkinRect.Top);
    pc->DrawSkinPart(C, pc->SkinPicture(pc->FPictureIndex), part, ClientRect(), pc->Width(), pc->Height());
}

void TlxSkinCustomTabSheet::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_SKINPAINTNC:
        Message.Result = SkinPaintNCAnswer;
        return;
    case WM_ERASEBKGND:
        if (Message.WParam) {
            TCanvas c(reinterpret_cast<HDC>(Message.WParam));
            PaintBG(&c);
        }
        Message.Result = 1;
        return;
    }
    TTabSheet::WndProc(Message);
    if (Message.Msg != WM_SIZE) return;
    Repaint();
    TlxSkinPageControl* pc = SkinPageControl();
    if (!pc || !pc->Skinned() || !pc->StretchEffect) return;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->HandleAllocated())
            w->Perform(WM_CHECKPARENTBG);
}
