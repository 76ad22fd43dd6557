#pragma once

#include "platform/vcl/TCustomForm.h"

#include <vector>

class TlxCompressedSkinList;
class TlxCompressedStoredSkin;
class TlxLumivex;
class TlxSkinButton;
class TlxSkinData;
class TlxSkinListBox;

// The form of the skin selection dialog, built in code for one showing: the
// list of skins at the left, a live preview of the highlighted skin (a
// disabled form with a button inside the dialog, skinned by a skin data
// object of the dialog's own) and the OK and Cancel buttons. Highlighting a
// line loads its skin into the preview only; the application's skin data is
// never touched.
class TlxSelectSkinDlgForm : public TForm {
public:
    // Lists the items of ASkinList and highlights ASkinIndex.
    static TlxSelectSkinDlgForm* CreateEx2(TComponent* AOwner, TlxCompressedSkinList* ASkinList,
                                           int ASkinIndex, TlxSkinData* ACtrlSkinData);
    // Lists the stored skins among AForm's components and highlights
    // ADefaultSkin (the first line when it is not among them).
    static TlxSelectSkinDlgForm* CreateEx(TComponent* AOwner, TComponent* AForm,
                                          TlxCompressedStoredSkin* ADefaultSkin, TlxSkinData* ACtrlSkinData);

    // The stored skin the preview shows.
    TlxCompressedStoredSkin* GetSelectedSkin() const;
    // A click on a line previews its skin; a double click closes with OK.
    void SLBOnChange(TObject* Sender);
    void SLBOnDblClick(TObject* Sender);

    TlxCompressedSkinList* FCSkinList = nullptr;
    int FCSkinIndex = -1;
    TlxLumivex* LVX = nullptr;
    TlxSkinButton* OpenButton = nullptr;
    TlxSkinButton* CancelButton = nullptr;
    TForm* PreviewForm = nullptr;
    TlxLumivex* PreviewLVX = nullptr;
    TlxSkinData* PreviewSkinData = nullptr;
    TlxSkinButton* PreviewButton = nullptr;
    TlxSkinListBox* SkinsListBox = nullptr;
    // Stored-skin mode: the listed skins, line by line (not owned).
    std::vector<TlxCompressedStoredSkin*> SkinList;

protected:
    // The list has the focus when the dialog shows.
    void DoShow() override;

private:
    TlxSelectSkinDlgForm(TComponent* AOwner, TlxCompressedSkinList* ASkinList, int ASkinIndex,
                         TlxSkinData* ACtrlSkinData);
    // Places the preview inside the dialog and shows it; the list takes the focus.
    void ShowPreview();
};
