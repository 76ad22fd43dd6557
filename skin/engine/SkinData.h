#pragma once

#include "platform/vcl/TComponent.h"
#include "skin/engine/SkinContent.h"
#include "skin/engine/SkinMessages.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

class TlxCompressedStoredSkin;
class TlxCompressedSkinList;
class TlxResourceStrData;

// The component that holds one loaded skin. Skinned controls and forms refer
// to one and find their descriptions in it by name. Every replacement of the
// skin, and every change of the announced switches, is sent to all open forms
// (SendSkinDataMessage) with wParam = this object (the TlxSkinData pointer).
//
// A change runs synchronously: WM_BEFORECHANGESKINDATA while the old skin is
// still there (Empty and ChangeSkinDataProcess already true), then the new
// skin goes in and WM_CHANGESKINDATA follows (Empty false), then
// ChangeSkinDataProcess turns false and WM_AFTERCHANGESKINDATA ends it.
//
// Every load reads the whole skin into a separate content first; only a skin
// that read completely is announced and swapped in. A load that fails
// changes nothing, sends nothing, returns false and leaves the reason in
// LastErrMsg. A change started from a handler of another change of this
// object waits until that one has finished.
class TlxSkinData : public TComponent, public TlxSkinContent {
public:
    explicit TlxSkinData(TComponent* AOwner);
    ~TlxSkinData() override;

    // ---- Published properties
    bool SkinnableForm() const { return FSkinnableForm; }
    // A new value is announced with WM_CHANGEFORMSKINNABLE (not while loading).
    void SetSkinnableForm(bool Value);
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool Value) { FAnimationForAllWindows = Value; }
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    // A new value is announced with WM_CHANGELAYEREDBORDERS (not while loading).
    void SetShowLayeredBorders(bool Value);

    TlxCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    // A stored skin set here is loaded at once (after reading, while a form
    // description is being read).
    void SetCompressedStoredSkin(TlxCompressedStoredSkin* Value);
    TlxResourceStrData* ResourceStrData() const { return FResourceStrData; }
    // Announced with WM_CHANGERESSTRDATA, also for nil and while loading.
    void SetResourceStrData(TlxResourceStrData* Value);
    TlxCompressedSkinList* SkinList() const { return FSkinList; }
    // Loads the list's item at SkinIndex when that index is valid.
    void SetSkinList(TlxCompressedSkinList* Value);
    int SkinIndex() const { return FSkinIndex; }
    // Without a list the value is only stored. With one, a new index from 0
    // to count-1 is stored and its item loaded; any other value is ignored.
    // An item that fails to load (empty, corrupt) keeps the skin and the
    // index as they were.
    void SetSkinIndex(int Value);

    // ---- State read by forms and controls
    // True while no skin is loaded; readers treat an empty skin as none.
    bool Empty = true;
    // True from the announcement of a coming skin until it is in place.
    bool ChangeSkinDataProcess = false;

    // The reason of the last failed load.
    const std::string& LastErrMsg() const { return FLastErrMsg; }

    // ---- Loading, saving, clearing
    // A skin folder whose description is FileName.
    bool LoadFromFile(const std::string& FileName);
    // An empty stored skin changes nothing. A skin image of a version above
    // 3 empties the skin (announced) and returns false.
    bool LoadCompressedStoredSkin(TlxCompressedStoredSkin* AStoredSkin);
    // A compressed skin file (".skn").
    bool LoadFromCompressedFile(const std::string& FileName);
    // These raise on failure (ESkinError, file errors); see SkinStore.h.
    void SaveToCompressedFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);
    void StoreToDisk(const std::string& FileName);

    // Empties the skin and announces it: WM_BEFORECHANGESKINDATA while the
    // old descriptions still exist, then the clearing, then
    // WM_CHANGESKINDATA and WM_AFTERCHANGESKINDATA.
    void ClearSkin();
    // The content's clearing steps, and Empty := true; nothing is announced.
    void ClearAll();

    // Appends the file-name part of FileName and the picture read from it;
    // raises, adding nothing, when the picture cannot be read or its name is
    // unsafe or already taken (letter case ignored).
    void AddBitMap(const std::string& FileName);
    // Removes numbered picture Index and its name; EListError outside the list.
    void DeleteBitMap(int Index);

    // Sends M to every open form (see the source for the order).
    void SendSkinDataMessage(uint32_t M);

    // Runs the one load that setting the stored skin, the list or the index
    // asked for while a description was being read.
    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    enum class TPendingLoad { None, StoredSkin, SkinList };

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Reading() const { return ComponentState().Contains(csLoading); }
    bool Fail(const std::string& Reason);
    // Runs Change now, or after the change that is running when called from
    // one of its handlers; then runs what was deferred meanwhile.
    void RunChange(std::function<void()> Change);
    // The announced replacement of the skin by Staged (nullptr: an empty skin).
    void Replace(TlxSkinContent* Staged);
    // Moves Staged in; the window descriptions and the colour set keep their
    // identity (their values are replaced).
    void Adopt(TlxSkinContent& Staged);
    // What a load of a stored skin did to the skin in place.
    enum class TLoadResult { Loaded, Unchanged, Emptied };
    TLoadResult LoadStored(TlxCompressedStoredSkin* AStoredSkin);
    TLoadResult LoadListItem();
    void Watch(TComponent* Old, TComponent* New);

    bool FSkinnableForm = true;
    bool FAnimationForAllWindows = false;
    bool FEnableSkinEffects = true;
    bool FShowButtonGlowFrames = true;
    bool FShowCaptionButtonGlowFrames = true;
    bool FShowLayeredBorders = true;
    TlxCompressedStoredSkin* FCompressedStoredSkin = nullptr;
    TlxResourceStrData* FResourceStrData = nullptr;
    TlxCompressedSkinList* FSkinList = nullptr;
    int FSkinIndex = 0;

    std::string FLastErrMsg;
    TPendingLoad FPendingLoad = TPendingLoad::None;
    bool FChanging = false;
    std::deque<std::function<void()>> FDeferred;
};
