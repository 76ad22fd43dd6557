#pragma once

#include "platform/base/Exception.h"
#include "platform/base/Set.h"

#include <cstdint>

// What the shell views enumerate (the flags of a listing).
enum class TShellObjectType { otFolders, otNonFolders, otHidden };
using enum TShellObjectType;
using TShellObjectTypes = TSet<TShellObjectType>;

// The root names of the views. Only five have a place here (see
// TShellNamespace::Resolve); the others fail like a bad path.
enum class TRootFolder {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
};

// A path or root that cannot be used, a rename or new folder refused.
class EInvalidPath : public Exception {
public:
    using Exception::Exception;
};
