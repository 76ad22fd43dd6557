#include "skin/engine/SkinData.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TScreen.h"
#include "platform/win/WinApi.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"
#include "skin/engine/SkinStore.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

std::string FilePart(const std::string& Path) {
    size_t slash = Path.find_last_of('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

// The forms that carry the layered borders of skinned forms; they hold no
// skinned controls and are never told of skin changes.
constexpr const char* LayerWindowClassName = "TlxFormLayerWindow";

} // namespace

TlxSkinData::TlxSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TlxSkinData::~TlxSkinData() = default;

// ---------------------------------------------------------------- switches

void TlxSkinData::SetSkinnableForm(bool Value) {
    if (FSkinnableForm == Value) return;
    FSkinnableForm = Value;
    if (!Designing() && !Reading()) RunChange([this] { SendSkinDataMessage(WM_CHANGEFORMSKINNABLE); });
}

void TlxSkinData::SetShowLayeredBorders(bool Value) {
    if (FShowLayeredBorders == Value) return;
    FShowLayeredBorders = Value;
    if (!Designing() && !Reading()) RunChange([this] { SendSkinDataMessage(WM_CHANGELAYEREDBORDERS); });
}

void TlxSkinData::SetResourceStrData(TlxResourceStrData* Value) {
    Watch(FResourceStrData, Value);
    FResourceStrData = Value;
    if (!Designing()) RunChange([this] { SendSkinDataMessage(WM_CHANGERESSTRDATA); });
}

void TlxSkinData::SetCompressedStoredSkin(TlxCompressedStoredSkin* Value) {
    Watch(FCompressedStoredSkin, Value);
    FCompressedStoredSkin = Value;
    if (Designing() || !Value) return;
    if (Reading())
        FPendingLoad = TPendingLoad::StoredSkin;
    else
        LoadCompressedStoredSkin(Value);
}

void TlxSkinData::SetSkinList(TlxCompressedSkinList* Value) {
    Watch(FSkinList, Value);
    FSkinList = Value;
    if (Designing() || !Value) return;
    // While a description is read the index may still come: load once, after
    // reading.
    if (Reading())
        FPendingLoad = TPendingLoad::SkinList;
    else
        LoadListItem();
}

void TlxSkinData::SetSkinIndex(int Value) {
    if (Value == FSkinIndex) return;
    if (!FSkinList) {
        FSkinIndex = Value;
        return;
    }
    if (Value < 0 || Value >= FSkinList->Skins()->Count()) return;
    const int previous = FSkinIndex;
    FSkinIndex = Value;
    if (Designing()) return;
    if (Reading()) {
        FPendingLoad = TPendingLoad::SkinList;
        return;
    }
    // An item that does not load leaves the skin as it was, and the index
    // keeps naming that skin. (An item of a newer version empties the skin:
    // then the index names the item, as the skin no longer is the old one.)
    if (LoadListItem() == TLoadResult::Unchanged) FSkinIndex = previous;
}

TlxSkinData::TLoadResult TlxSkinData::LoadListItem() {
    if (!FSkinList || FSkinIndex < 0 || FSkinIndex >= FSkinList->Skins()->Count())
        return TLoadResult::Unchanged;
    return LoadStored(FSkinList->Skins()->GetItem(FSkinIndex)->Skin());
}

void TlxSkinData::Loaded() {
    TComponent::Loaded();
    TPendingLoad pending = FPendingLoad;
    FPendingLoad = TPendingLoad::None;
    if (pending == TPendingLoad::StoredSkin && FCompressedStoredSkin)
        LoadCompressedStoredSkin(FCompressedStoredSkin);
    else if (pending == TPendingLoad::SkinList)
        LoadListItem();
}

// The setters above register for removal notices, so a referenced component
// owned by another form still clears its reference when it goes.
void TlxSkinData::Watch(TComponent* Old, TComponent* New) {
    if (Old == New) return;
    if (Old) RemoveFreeNotification(Old);
    if (New) FreeNotification(New);
}

void TlxSkinData::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent) return;
    if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
    if (AComponent == FResourceStrData) FResourceStrData = nullptr;
    if (AComponent == FSkinList) FSkinList = nullptr;
}

// ---------------------------------------------------------------- loading

bool TlxSkinData::Fail(const std::string& Reason) {
    FLastErrMsg = Reason;
    return false;
}

bool TlxSkinData::LoadFromFile(const std::string& FileName) {
    FLastErrMsg.clear();
    auto staged = std::make_shared<TlxSkinContent>();
    try {
        if (!LoadSkinFolder(FileName, *staged, ReadSkinBitmap))
            return Fail(FileName + " is not a skin description");
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    RunChange([this, staged] { Replace(staged.get()); });
    return true;
}

bool TlxSkinData::LoadCompressedStoredSkin(TlxCompressedStoredSkin* AStoredSkin) {
    return LoadStored(AStoredSkin) == TLoadResult::Loaded;
}

TlxSkinData::TLoadResult TlxSkinData::LoadStored(TlxCompressedStoredSkin* AStoredSkin) {
    FLastErrMsg.clear();
    if (!AStoredSkin || AStoredSkin->Empty()) {
        Fail("the stored skin is empty");
        return TLoadResult::Unchanged;
    }
    auto staged = std::make_shared<TlxSkinContent>();
    bool known;
    try {
        known = AStoredSkin->ReadContent(*staged);
    } catch (const std::exception& e) {
        Fail(e.what());
        return TLoadResult::Unchanged;
    }
    if (!known) {
        // A newer skin than this program reads: no skin, announced as a change.
        RunChange([this] { Replace(nullptr); });
        Fail("the skin is of a newer version than this program reads");
        return TLoadResult::Emptied;
    }
    RunChange([this, staged] { Replace(staged.get()); });
    return TLoadResult::Loaded;
}

bool TlxSkinData::LoadFromCompressedFile(const std::string& FileName) {
    FLastErrMsg.clear();
    TComponentPtr<TlxCompressedStoredSkin> stored(new TlxCompressedStoredSkin(nullptr));
    try {
        stored->LoadFromCompressFile(FileName);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    if (stored->Empty()) return Fail(FileName + " holds no skin this program reads");
    if (LoadCompressedStoredSkin(stored.get())) return true;
    return Fail(FileName + ": " + FLastErrMsg);
}

void TlxSkinData::SaveToCompressedFile(const std::string& FileName) {
    TComponentPtr<TlxCompressedStoredSkin> stored(new TlxCompressedStoredSkin(nullptr));
    stored->LoadFromSkinData(*this);
    stored->SaveToCompressFile(FileName);
}

void TlxSkinData::SaveToFile(const std::string& FileName) {
    SaveSkinFolder(FileName, *this);
}

void TlxSkinData::StoreToDisk(const std::string& FileName) {
    StoreSkinToDisk(FileName, *this);
}

// ---------------------------------------------------------------- changing

void TlxSkinData::RunChange(std::function<void()> Change) {
    if (FChanging) {
        FDeferred.push_back(std::move(Change));
        return;
    }
    // A handler may free this object; it then goes once the change is over.
    TKeepAlive alive(this);
    struct TFlag {
        bool& F;
        explicit TFlag(bool& AF) : F(AF) { F = true; }
        ~TFlag() { F = false; }
    };
    try {
        {
            TFlag busy(FChanging);
            Change();
        }
        while (!FDeferred.empty() && !FreePending()) {
            std::function<void()> next = std::move(FDeferred.front());
            FDeferred.pop_front();
            TFlag busy(FChanging);
            next();
        }
    } catch (...) {
        FDeferred.clear();
        throw;
    }
    FDeferred.clear();
}

void TlxSkinData::Replace(TlxSkinContent* Staged) {
    const bool wasEmpty = Empty;
    bool swapped = false;
    try {
        Empty = true;
        ChangeSkinDataProcess = true;
        SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
        if (Staged)
            Adopt(*Staged);
        else
            ClearAll();
        swapped = true;
        Empty = Staged == nullptr;
        SendSkinDataMessage(WM_CHANGESKINDATA);
        ChangeSkinDataProcess = false;
        SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
    } catch (...) {
        // A handler failed: the skin stays consistent and no change is left
        // half-announced as running.
        ChangeSkinDataProcess = false;
        if (!swapped) Empty = wasEmpty;
        throw;
    }
}

void TlxSkinData::Adopt(TlxSkinContent& Staged) {
    auto popup = std::move(PopupWindow);
    auto layer = std::move(LayerFrame);
    auto hint = std::move(HintWindow);
    auto colors = std::move(FSkinColors);
    TlxSkinContent::operator=(std::move(Staged));
    *popup = *PopupWindow;
    *layer = *LayerFrame;
    *hint = *HintWindow;
    *colors = *FSkinColors;
    PopupWindow = std::move(popup);
    LayerFrame = std::move(layer);
    HintWindow = std::move(hint);
    FSkinColors = std::move(colors);
}

void TlxSkinData::ClearAll() {
    TlxSkinContent::ClearAll();
    Empty = true;
}

void TlxSkinData::ClearSkin() {
    RunChange([this] {
        const bool wasEmpty = Empty;
        try {
            Empty = true;
            SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
        } catch (...) {
            Empty = wasEmpty;
            throw;
        }
        ClearAll();
        SendSkinDataMessage(WM_CHANGESKINDATA);
        SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
    });
}

// ---------------------------------------------------------------- pictures

void TlxSkinData::AddBitMap(const std::string& FileName) {
    const std::string name = FilePart(FileName);
    CheckPictureName(name);
    for (int i = 0; i < FActivePicturesNames.Count(); ++i)
        if (SameText(FActivePicturesNames[i], name))
            throw ESkinError("a picture named \"" + name + "\" is already in the skin");
    auto bitmap = std::make_unique<TBitmap>();
    ReadSkinBitmap(FileName, *bitmap);
    FActivePictures.reserve(FActivePictures.size() + 1);
    FActivePicturesNames.Add(name);
    FActivePictures.push_back(std::move(bitmap));
}

void TlxSkinData::DeleteBitMap(int Index) {
    if (Index < 0 || Index >= FActivePicturesNames.Count() || Index >= int(FActivePictures.size()))
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FActivePicturesNames.Delete(Index);
    FActivePictures.erase(FActivePictures.begin() + Index);
}

// ---------------------------------------------------------------- broadcast

// The owner form goes first when the layered borders are off. The screen's
// forms follow in their order, from the last to the first when layered
// borders are on and the skin has one (each message decides with the skin in
// place when it is sent). Handles are collected first; a form destroyed while
// the message goes round is skipped.
void TlxSkinData::SendSkinDataMessage(uint32_t M) {
    const WPARAM self = reinterpret_cast<WPARAM>(this);
    TCustomForm* served = nullptr;
    if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && !FShowLayeredBorders) {
        served = owner;
        SendMessage(owner->Handle(), M, self, SkinDataMessageLParam);
    }
    std::vector<HWND> windows;
    if (Screen) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form == served || form->ClassName() == LayerWindowClassName) continue;
            windows.push_back(form->Handle());
        }
    }
    if (FShowLayeredBorders && LayerFrame->PictureIndex != -1) std::reverse(windows.begin(), windows.end());
    for (HWND wnd : windows)
        if (IsWindow(wnd)) SendMessage(wnd, M, self, SkinDataMessageLParam);
}
