#include "skin/dialogs/filectrl/FileCtrlRegistration.h"

#include "platform/vcl/TClassRegistry.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"
#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"
#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"
#include "skin/dialogs/filectrl/TlxSkinFilterComboBox.h"

#include <string>

void RegisterFileControlClasses() {
    RegisterEnum<TTextCase>({{tcLowerCase, "tcLowerCase"}, {tcUpperCase, "tcUpperCase"}});
    RegisterEnum<TlxFileAttr>({{lxftReadOnly, "lxftReadOnly"},
                               {lxftHidden, "lxftHidden"},
                               {lxftSystem, "lxftSystem"},
                               {lxftVolumeID, "lxftVolumeID"},
                               {lxftDirectory, "lxftDirectory"},
                               {lxftArchive, "lxftArchive"},
                               {lxftNormal, "lxftNormal"}});

    using F = TlxSkinFilterComboBox;
    RegisterClass<F>("TlxSkinFilterComboBox", "TlxSkinComboBox")
        .Property("Filter", &F::Filter, &F::SetFilter, std::string("All files (*.*)|*.*"))
        .ReferenceProperty("FileList", &F::FileList, &F::SetFileList);

    using D = TlxSkinDriveComboBox;
    RegisterClass<D>("TlxSkinDriveComboBox", "TlxSkinComboBox")
        .Property("TextCase", &D::TextCase, &D::SetTextCase, tcLowerCase)
        .ReferenceProperty("DirList", &D::DirList, &D::SetDirList);

    using L = TlxSkinDirectoryListBox;
    RegisterClass<L>("TlxSkinDirectoryListBox", "TlxSkinListBox")
        .ReferenceProperty("FileList", &L::FileList, &L::SetFileList)
        .ReferenceProperty("DirLabel", &L::DirLabel, &L::SetDirLabel)
        .EventProperty("OnChange", &L::OnChange);

    using B = TlxSkinFileListBox;
    RegisterClass<B>("TlxSkinFileListBox", "TlxSkinListBox")
        .Property("Mask", &B::Mask, &B::SetMask, std::string("*.*"))
        .Property("FileType", &B::FileType, &B::SetFileType, TlxFileType{lxftNormal})
        .ReferenceProperty("FileEdit", &B::FileEdit, &B::SetFileEdit)
        .EventProperty("OnChange", &B::OnChange);
}
