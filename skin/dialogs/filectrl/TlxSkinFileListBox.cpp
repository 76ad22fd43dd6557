#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"

#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/vcl/TCustomEdit.h"
#include "platform/vcl/TScreen.h"
#include "skin/dialogs/filectrl/DriveRoots.h"
#include "skin/dialogs/filectrl/FileMasks.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <memory>

#include <dirent.h>
#include <sys/stat.h>

struct TlxSkinFileListBox::TEntry : TObject {
    std::string Name; // raw bytes
    bool Folder = false;
};

namespace {

// The attribute bits of the file controls.
enum : unsigned {
    faReadOnly = 1,
    faHidden = 2,
    faSysFile = 4,
    faVolumeID = 8,
    faDirectory = 16,
    faArchive = 32
};

unsigned AttributeWord(TlxFileType Type) {
    unsigned word = 0;
    if (Type.Contains(lxftReadOnly)) word |= faReadOnly;
    if (Type.Contains(lxftHidden)) word |= faHidden;
    if (Type.Contains(lxftSystem)) word |= faSysFile;
    if (Type.Contains(lxftVolumeID)) word |= faVolumeID;
    if (Type.Contains(lxftDirectory)) word |= faDirectory;
    if (Type.Contains(lxftArchive)) word |= faArchive;
    return word;
}

unsigned AttributesOf(const std::string& Dir, const std::string& Name) {
    unsigned attr = 0;
    if (Name.starts_with('.') && Name != "." && Name != "..") attr |= faHidden;
    const std::string path = JoinPath(Dir, Name);
    struct stat st {};
    // A link counts as what it points at; a broken one is a system entry.
    if (stat(path.c_str(), &st) != 0) return attr | faSysFile;
    if (S_ISDIR(st.st_mode))
        attr |= faDirectory;
    else if (S_ISREG(st.st_mode))
        attr |= faArchive;
    else
        attr |= faSysFile;
    if (!(st.st_mode & S_IWUSR)) attr |= faReadOnly;
    return attr;
}

// "~" and "~/..." name the home folder.
std::string ExpandHome(const std::string& Text) {
    if (Text == "~" || Text.starts_with("~/")) return HomeFolder() + Text.substr(1);
    return Text;
}

} // namespace

TlxSkinFileListBox::TlxSkinFileListBox(TComponent* AOwner) : TlxSkinListBox(AOwner) {
    SetWidth(145);
    FDirectory = HomeFolder();
    SetSorted(true);
}

TlxSkinFileListBox::~TlxSkinFileListBox() = default;

void TlxSkinFileListBox::CreateWnd() {
    TlxSkinListBox::CreateWnd();
    FillFileList();
}

void TlxSkinFileListBox::Loaded() {
    TlxSkinListBox::Loaded();
    if (HandleAllocated()) FillFileList();
}

void TlxSkinFileListBox::Update() {
    FillFileList();
}

void TlxSkinFileListBox::FillFileList() {
    if (!HandleAllocated() || ComponentState().Contains(csLoading)) return;
    CheckEnterableDirectory(FDirectory);
    TKeepAlive alive(this);
    const unsigned word = AttributeWord(FFileType);
    const bool normal = FFileType.Contains(lxftNormal);
    Clear();
    FEntries.clear();
    {
        const TCursor cursor = Screen ? Screen->Cursor() : crDefault;
        TScopeGuard restore([&] {
            Items()->EndUpdate();
            if (Screen) Screen->SetCursor(cursor);
        });
        Items()->BeginUpdate();
        std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(FDirectory.c_str()), closedir);
        while (dir) {
            const dirent* e = readdir(dir.get());
            if (!e) break;
            const std::string name = e->d_name;
            // An entry matching several masks is listed once.
            if (!MatchesMaskList(name, FMask)) continue;
            const unsigned attr = AttributesOf(FDirectory, name);
            // Hidden, system and folder entries are found only when asked for.
            if ((attr & (faHidden | faSysFile | faDirectory) & ~word) != 0) continue;
            if (!normal && (attr & word) == 0) continue;
            auto entry = std::make_unique<TEntry>();
            entry->Name = name;
            entry->Folder = (attr & faDirectory) != 0;
            const std::string shown =
                entry->Folder ? "[" + DisplayNameOfBytes(name) + "]" : DisplayNameOfBytes(name);
            Items()->AddObject(shown, entry.get());
            FEntries.push_back(std::move(entry));
            if (Items()->Count() == 100 && Screen) Screen->SetCursor(crHourGlass);
        }
    }
    UpDateScrollBar();
    FileSelectionChanged();
}

std::string TlxSkinFileListBox::ItemName(int Index) const {
    if (Index < 0 || Index >= Items()->Count()) return {};
    auto* entry = static_cast<const TEntry*>(Items()->Objects(Index));
    return entry ? entry->Name : Items()->Get(Index);
}

bool TlxSkinFileListBox::ItemIsFolder(int Index) const {
    if (Index < 0 || Index >= Items()->Count()) return false;
    auto* entry = static_cast<const TEntry*>(Items()->Objects(Index));
    return entry && entry->Folder;
}

void TlxSkinFileListBox::ShowSelectionInEdit() {
    if (!FFileEdit) return;
    const int index = ItemIndex();
    FFileEdit->SetText(index >= 0 && index < Items()->Count() ? Items()->Get(index) : FMask);
    FFileEdit->SelectAll();
}

void TlxSkinFileListBox::FileSelectionChanged() {
    TKeepAlive alive(this);
    FLastSel = ItemIndex();
    ShowSelectionInEdit();
    if (FreePending()) return;
    if (OnChange) OnChange(this);
}

void TlxSkinFileListBox::ListBoxClick() {
    TKeepAlive alive(this);
    TlxSkinListBox::ListBoxClick();
    if (FreePending()) return;
    if (ItemIndex() != FLastSel) FileSelectionChanged();
}

std::string TlxSkinFileListBox::SelectedFileName() const {
    const int index = ItemIndex();
    if (index < 0 || index >= Items()->Count() || !Selected(index)) return {};
    return Items()->Get(index);
}

std::string TlxSkinFileListBox::GetFilePath() {
    if (SelectedFileName().empty()) return {};
    // The raw name: a name that is not UTF-8 is shown otherwise.
    return JoinPath(FDirectory, ItemName(ItemIndex()));
}

void TlxSkinFileListBox::SelectFileName(const std::string& Name) {
    const int current = ItemIndex();
    if (current >= 0 && Selected(current) && ItemName(current) == Name) return;
    int found = -1;
    for (int i = 0; i < Items()->Count() && found < 0; ++i)
        if (ItemName(i) == Name) found = i;
    for (int i = 0; i < Items()->Count() && found < 0; ++i)
        if (SameText(ItemName(i), Name)) found = i;
    SetItemIndex(found);
    FileSelectionChanged();
}

void TlxSkinFileListBox::SetFileDirectory(const std::string& Dir) {
    const std::string dir = NormalizePath(Dir, FDirectory);
    if (dir == FDirectory) return;
    CheckEnterableDirectory(dir);
    FDirectory = dir;
    FillFileList();
}

void TlxSkinFileListBox::SetDirectory(const std::string& Value) {
    ApplyFilePath(Value);
}

void TlxSkinFileListBox::ApplyFilePath(const std::string& EditText) {
    if (EditText.empty() || EditText == GetFilePath()) return;
    TKeepAlive alive(this);
    const TEditPath path = SplitEditPath(ExpandHome(EditText), FDirectory);
    if (FDirList) {
        FDirList->SetDirectory(path.DirPart);
        if (FreePending()) return;
        // The list may not have passed an unchanged folder on.
        SetFileDirectory(path.DirPart);
    } else {
        SetFileDirectory(path.DirPart);
    }
    if (FreePending() || path.FilePart.empty()) return;
    if (path.FilePart.find_first_of("*?") != std::string::npos) {
        SetMask(path.FilePart);
        return;
    }
    SelectFileName(path.FilePart);
    if (FreePending()) return;
    if (ItemIndex() < 0 && IsExistingFile(JoinPath(FDirectory, path.FilePart))) {
        SetMask(path.FilePart);
        SelectFileName(path.FilePart);
    }
}

std::string TlxSkinFileListBox::Drive() const {
    return RootOfPath(FDirList ? FDirList->Roots() : SystemDriveRoots(), FDirectory);
}

void TlxSkinFileListBox::SetDrive(const std::string& Value) {
    if (Value.empty() || Value == Drive()) return;
    ApplyFilePath(JoinPath(Value, ""));
}

void TlxSkinFileListBox::SetMask(const std::string& Value) {
    if (Value == FMask) return;
    FMask = Value;
    FillFileList();
}

void TlxSkinFileListBox::SetFileType(TlxFileType Value) {
    if (Value == FFileType) return;
    FFileType = Value;
    FillFileList();
}

void TlxSkinFileListBox::SetFileEdit(TCustomEdit* Value) {
    FFileEdit.Set(Value);
    ShowSelectionInEdit();
}
